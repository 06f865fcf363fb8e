#include "protect/win32/dir_list_source.h"

#include <windows.h>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"

namespace protect::win32 {
namespace {

using platform::win32::extendedPath;
using platform::win32::narrow;
using platform::win32::UniqueFind;

// A drive without a medium must fail at once instead of asking the user to insert one.
class QuietErrors {
 public:
  QuietErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  ~QuietErrors() { ::SetThreadErrorMode(previous_, nullptr); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

protect::DriveKind kindOf(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE: return protect::DriveKind::Removable;
    case DRIVE_CDROM: return protect::DriveKind::Optical;
    case DRIVE_REMOTE: return protect::DriveKind::Network;
    case DRIVE_RAMDISK: return protect::DriveKind::Memory;
    default: return protect::DriveKind::Fixed;
  }
}

}  // namespace

std::vector<protect::DriveInfo> DirListSource::drives() {
  QuietErrors quiet;
  std::vector<protect::DriveInfo> out;
  const DWORD mask = ::GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    const wchar_t root[] = {static_cast<wchar_t>(L'a' + i), L':', L'\\', 0};
    protect::DriveInfo drive;
    drive.root = narrow(root);
    drive.kind = kindOf(::GetDriveTypeW(root));
    // Removable and optical drives are not asked for a label: the medium may be slow to spin up.
    if (drive.kind != protect::DriveKind::Removable && drive.kind != protect::DriveKind::Optical) {
      wchar_t label[MAX_PATH + 1] = {};
      if (::GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        drive.label = narrow(label);
    }
    out.push_back(std::move(drive));
  }
  return out;
}

std::optional<std::vector<std::string>> DirListSource::subfolders(const std::string& path) {
  QuietErrors quiet;
  std::string folder = path;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  const std::wstring pattern = extendedPath(folder + "*");
  WIN32_FIND_DATAW data{};
  UniqueFind find(
      ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchLimitToDirectories, nullptr, 0));
  if (!find) {
    // An empty drive root has no entries at all; anything else means it cannot be read.
    if (::GetLastError() == ERROR_FILE_NOT_FOUND) return std::vector<std::string>{};
    return std::nullopt;
  }
  std::vector<std::string> names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    names.push_back(narrow(name));
  } while (::FindNextFileW(find.get(), &data));
  return names;
}

}  // namespace protect::win32
