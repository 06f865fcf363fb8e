#include "platform/win32/text_win32.h"

#include <windows.h>

#include "core/text.h"

namespace platform::win32 {
namespace {

std::wstring codePageToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int count = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(count), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), count);
  return out;
}

std::string wideToCodePage(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int count = ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(count), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), count, nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
  const std::u16string wide = core::utf8ToUtf16(utf8);
  return std::wstring(wide.begin(), wide.end());
}

std::string narrow(std::wstring_view utf16) { return core::utf16ToUtf8(std::u16string(utf16.begin(), utf16.end())); }

std::string utf8ToAnsi(std::string_view utf8) { return wideToCodePage(CP_ACP, widen(utf8)); }

std::string ansiToUtf8(std::string_view ansi) { return narrow(codePageToWide(CP_ACP, ansi)); }

}  // namespace platform::win32
