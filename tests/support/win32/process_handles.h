#pragma once
// The number of handles this process holds. GetProcessHandleCount answers 0 under Wine; the
// system's handle table has the entries there.
#include <windows.h>

#include <cstring>
#include <vector>

namespace testsupport::win32 {

inline DWORD processHandleCount() {
  DWORD count = 0;
  if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count != 0) return count;
  struct Entry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
  };
  using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  constexpr ULONG kSystemHandleInformation = 16;
  constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004L);
  std::vector<unsigned char> buffer(1 << 20);
  ULONG needed = 0;
  while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) ==
         kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  ULONG entries = 0;
  std::memcpy(&entries, buffer.data(), sizeof entries);
  const auto* entry = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
  for (ULONG i = 0; i < entries; ++i) count += entry[i].ownerPid == ::GetCurrentProcessId();
  return count;
}

}  // namespace testsupport::win32
