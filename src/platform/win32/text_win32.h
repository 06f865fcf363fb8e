#pragma once
// Conversions between the program's UTF-8 and the system's UTF-16 and ANSI code page.
#include <string>
#include <string_view>

namespace platform::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// Through the system's ANSI code page (CP_ACP); characters it lacks become '?'.
std::string utf8ToAnsi(std::string_view utf8);
std::string ansiToUtf8(std::string_view ansi);

}  // namespace platform::win32
