#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/text_win32.h"

namespace platform::win32 {

bool ShellWin32::isUserAnAdmin() { return ::IsUserAnAdmin() != FALSE; }

bool ShellWin32::open(const std::string& target) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(nullptr, L"open", widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

void ShellWin32::folderChanged(const std::string& path) {
  const std::wstring wide = widen(path);
  ::SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHW, wide.c_str(), nullptr);
  ::SHChangeNotify(SHCNE_ATTRIBUTES, SHCNF_PATHW, wide.c_str(), nullptr);
}

void ShellWin32::directoryChanged(const std::string& path) {
  ::SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHW, widen(path).c_str(), nullptr);
}

std::string ShellWin32::applicationDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      const auto slash = path.find_last_of(L"\\/");
      return narrow(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform::win32
