#include "credentials/win32/system_code_page.h"

#include <windows.h>

#include "platform/win32/text_win32.h"

namespace credentials::win32 {

std::optional<std::string> SystemCodePage::toAnsi(std::string_view utf8) const {
  const std::wstring wide = platform::win32::widen(utf8);
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  // No best-fit: a character the code page lacks must not turn into a look-alike or '?'.
  const int count =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &usedDefault);
  if (count <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(count), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(), count, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

std::string SystemCodePage::toUtf8(std::string_view ansi) const { return platform::win32::ansiToUtf8(ansi); }

}  // namespace credentials::win32
