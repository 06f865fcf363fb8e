#pragma once
// Text conversions. Inside the program text is UTF-8; the file-system API wants UTF-16 and the
// stored credential and INI formats are bytes of the ANSI code page.
#include <string>
#include <string_view>

namespace core {

// Malformed input (bad sequences, surrogates, overlongs) becomes U+FFFD; nothing is dropped.
std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

// Windows-1252, the ANSI code page of Western installs: the portable stand-in for CP_ACP.
// A character the code page lacks becomes '?', as the system's own conversion does.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);
// True when every character of the UTF-8 text has a Windows-1252 code.
bool fitsCp1252(std::string_view utf8);

// ASCII-only case folding, as INI and hive names are compared.
std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);

}  // namespace core
