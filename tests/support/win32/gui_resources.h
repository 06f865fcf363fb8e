#pragma once
// The GDI and USER objects this process holds. GetGuiResources answers 0 under Wine; there the
// GDI objects are the used entries of the process's handle table (which the PEB points at), and
// the USER objects that matter to the tests are the process's windows.
#include <windows.h>

#include <cstdint>

namespace testsupport::win32 {

namespace detail {

// One entry of the GDI handle table, as Windows and Wine both lay it out on x86-64.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;  // 0: free
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

inline const unsigned char* processEnvironmentBlock() {
  struct BasicInformation {
    LONG exitStatus;
    const unsigned char* peb;
    ULONG_PTR rest[4];
  } info{};
  using Query = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  if (!query || query(::GetCurrentProcess(), 0, &info, sizeof info, nullptr) != 0) return nullptr;
  return info.peb;
}

inline DWORD gdiTableCount() {
  constexpr std::size_t kTableOffset = 0xF8;  // PEB.GdiSharedHandleTable on x86-64
  constexpr std::size_t kEntries = 0x10000;
  const unsigned char* peb = processEnvironmentBlock();
  if (!peb) return 0;
  const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kTableOffset);
  if (!table) return 0;
  DWORD count = 0;
  for (std::size_t i = 0; i < kEntries; ++i) count += table[i].type != 0;
  return count;
}

inline BOOL CALLBACK countWindow(HWND hwnd, LPARAM counter) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == ::GetCurrentProcessId()) ++*reinterpret_cast<DWORD*>(counter);
  return TRUE;
}

}  // namespace detail

inline DWORD gdiObjects() {
  if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return n;
  return detail::gdiTableCount();
}

inline DWORD userObjects() {
  if (const DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS)) return n;
  DWORD count = 0;
  ::EnumWindows(
      [](HWND top, LPARAM counter) -> BOOL {
        detail::countWindow(top, counter);
        ::EnumChildWindows(top, &detail::countWindow, counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

}  // namespace testsupport::win32
