#pragma once
// Windows-1252, the code page of the device's texts, the record files and the
// logs, to and from UTF-8, the encoding of the program's own texts, JSON and
// the window. Standard library only.
#include <string>
#include <string_view>

namespace kav {

// Every byte becomes its character: 0x80-0x9F by the code page's table
// (0x80 is the euro sign); the five bytes the code page leaves undefined
// become the control characters of the same number, as Windows maps them.
std::string ansiToUtf8(std::string_view ansi);

// Characters outside the code page, and bytes that are not valid UTF-8,
// become `ersatz`.
std::string utf8ToAnsi(std::string_view utf8, char ersatz = '?');

} // namespace kav
