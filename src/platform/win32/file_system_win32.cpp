#include "platform/win32/file_system_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"

namespace platform::win32 {

std::wstring extendedPath(const std::string& utf8Path) {
  std::wstring path = widen(utf8Path);
  for (wchar_t& ch : path) {
    if (ch == L'/') ch = L'\\';
  }
  // CreateDirectory stops at 248 characters, the other calls at 260: use the long form early.
  constexpr std::size_t kShortLimit = 248;
  if (path.size() < kShortLimit || path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  return path;  // relative paths cannot take the long form
}

platform::HandleValue FileSystemWin32::openDirectory(const std::string& path, std::uint32_t shareMode) {
  HANDLE h = ::CreateFileW(extendedPath(path).c_str(), FILE_LIST_DIRECTORY, shareMode, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return platform::kInvalidHandle;
  return static_cast<platform::HandleValue>(reinterpret_cast<std::intptr_t>(h));
}

bool FileSystemWin32::closeHandle(platform::HandleValue handle) {
  return ::CloseHandle(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle))) != FALSE;
}

std::optional<std::uint32_t> FileSystemWin32::attributes(const std::string& path) {
  const DWORD value = ::GetFileAttributesW(extendedPath(path).c_str());
  if (value == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return value;
}

bool FileSystemWin32::setAttributes(const std::string& path, std::uint32_t attributes) {
  return ::SetFileAttributesW(extendedPath(path).c_str(), attributes) != FALSE;
}

bool FileSystemWin32::exists(const std::string& path) { return attributes(path).has_value(); }

bool FileSystemWin32::deleteFile(const std::string& path) { return ::DeleteFileW(extendedPath(path).c_str()) != FALSE; }

bool FileSystemWin32::createDirectory(const std::string& path) {
  return ::CreateDirectoryW(extendedPath(path).c_str(), nullptr) != FALSE;
}

bool FileSystemWin32::removeDirectory(const std::string& path) {
  return ::RemoveDirectoryW(extendedPath(path).c_str()) != FALSE;
}

std::optional<std::string> FileSystemWin32::readFile(const std::string& path) {
  UniqueFile file(::CreateFileW(extendedPath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD done = 0;
  std::size_t offset = 0;
  while (offset < bytes.size()) {
    if (!::ReadFile(file.get(), bytes.data() + offset, static_cast<DWORD>(bytes.size() - offset), &done, nullptr)) {
      return std::nullopt;
    }
    if (done == 0) break;
    offset += done;
  }
  bytes.resize(offset);
  return bytes;
}

bool FileSystemWin32::replaceFile(const std::string& path, const std::string& bytes) {
  const std::wstring target = extendedPath(path);
  const std::wstring temp = target + L".qfv-" + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
  {
    UniqueFile file(
        ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && ::FlushFileBuffers(file.get());
    if (!ok) {
      file.reset();
      ::DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(temp.c_str());
    return false;
  }
  return true;
}

bool FileSystemWin32::createFile(const std::string& path, const std::string& bytes) {
  const std::wstring target = extendedPath(path);
  UniqueFile file(
      ::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr));
  if (!file) return false;
  DWORD written = 0;
  if (::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size()) {
    return true;
  }
  file.reset();
  ::DeleteFileW(target.c_str());
  return false;
}

std::string FileSystemWin32::nameKey(const std::string& path) {
  // NTFS compares names through its table of upper-case letters, which the invariant upper-case
  // mapping follows; the user's language must not matter (the dotted and dotless i).
  std::wstring wide = widen(path);
  if (wide.empty()) return {};
  const int n = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), static_cast<int>(wide.size()),
                                nullptr, 0, nullptr, nullptr, 0);
  if (n <= 0) return core::asciiLower(path);
  std::wstring upper(static_cast<std::size_t>(n), L'\0');
  ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), static_cast<int>(wide.size()), upper.data(), n,
                  nullptr, nullptr, 0);
  return narrow(upper);
}

std::string FileSystemWin32::systemDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT n = ::GetSystemDirectoryW(buffer, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return {};
  return narrow(std::wstring_view(buffer, n));
}

std::string FileSystemWin32::commonDataDirectory() {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer))) return {};
  return narrow(buffer);
}

}  // namespace platform::win32
