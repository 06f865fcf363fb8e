#include "platform/win32/file_system_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

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
  lastOpenBusy_ = h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION;
  if (h == INVALID_HANDLE_VALUE) return platform::kInvalidHandle;
  return static_cast<platform::HandleValue>(reinterpret_cast<std::intptr_t>(h));
}

bool FileSystemWin32::closeHandle(platform::HandleValue handle) {
  return ::CloseHandle(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle))) != FALSE;
}

std::optional<std::vector<platform::DirEntry>> FileSystemWin32::listHeld(platform::HandleValue directory) {
  HANDLE dir = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(directory));
  // 8-byte aligned, as the records are.
  std::vector<std::uint64_t> buffer(64 * 1024 / sizeof(std::uint64_t));
  const auto bytes = static_cast<DWORD>(buffer.size() * sizeof(std::uint64_t));
  std::vector<platform::DirEntry> entries;
  // The restart class reads from the first entry even when the handle was listed before.
  FILE_INFO_BY_HANDLE_CLASS infoClass = FileIdBothDirectoryRestartInfo;
  while (::GetFileInformationByHandleEx(dir, infoClass, buffer.data(), bytes)) {
    infoClass = FileIdBothDirectoryInfo;
    const auto* base = reinterpret_cast<const unsigned char*>(buffer.data());
    for (std::size_t offset = 0;;) {
      const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(base + offset);
      const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(wchar_t));
      if (name != L"." && name != L"..") {
        entries.push_back({narrow(name), (info->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (info->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
      }
      if (info->NextEntryOffset == 0) break;
      offset += info->NextEntryOffset;
    }
  }
  if (::GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
  return entries;
}

platform::HandleValue FileSystemWin32::holdEntry(const std::string& path, platform::HoldAs as, bool link) {
  const bool directory = as == platform::HoldAs::Directory;
  const DWORD access = directory ? FILE_LIST_DIRECTORY : FILE_READ_DATA;
  const DWORD share = as == platform::HoldAs::Mark ? FILE_SHARE_READ : 0;
  DWORD flags = directory ? FILE_FLAG_BACKUP_SEMANTICS : 0;
  if (link) flags |= FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE h = ::CreateFileW(extendedPath(path).c_str(), access, share, nullptr, OPEN_EXISTING, flags, nullptr);
  if (h == INVALID_HANDLE_VALUE) return platform::kInvalidHandle;
  return static_cast<platform::HandleValue>(reinterpret_cast<std::intptr_t>(h));
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
