#pragma once
// Reading and writing numbers the way the device protocol's texts need them:
// numeric literals as the protocol's texts write them (leading number, "&H"
// and "&O" literals), two's-complement hex digits, shortest decimal text.
// Everything here ignores the process's C locale.
#include <cstdint>
#include <optional>
#include <string>

namespace kav::detail {

// The leading number of a text: blanks, tabs and line feeds are ignored
// anywhere; reading stops at the first character that does not belong to a
// number; nothing readable gives 0. "&H"/"&O" literals: up to 4 hex digits
// (6 octal digits) are a signed 16-bit value, up to 8 hex digits a signed
// 32-bit value. A decimal value beyond the double range gives +-infinity.
double readNumber(const std::string& text);

// Rounds half to even (as a parameter becomes a whole number on its way into
// a request) and checks the signed 32-bit range; nullopt for NaN, infinity or
// overflow.
std::optional<std::int32_t> toInt32(double value);

// Upper-case hex digits of an unsigned value, at least `digits` wide.
std::string hexDigits(std::uint64_t value, int digits);

// 0..15 for a hex digit, -1 otherwise.
int hexDigitValue(char c);
// The byte of two hex digits; nullopt when either is not a hex digit.
std::optional<std::uint8_t> hexPairValue(char high, char low);
// Every character a hex digit (the empty text counts as hex).
bool isHexText(const std::string& text);

// Shortest decimal text with "." and at most `significantDigits` digits,
// switching to "1E+20" notation for large and small values, as values are
// shown everywhere in the program.
std::string formatNumber(double value, int significantDigits);

// Letter case of the characters A-Z and of the Latin-1 letters.
char upperChar(char c);
char lowerChar(char c);

// Characters from the 1-based position `start` on (at most `count`; negative:
// to the end); positions beyond the text give an empty text.
std::string mid(const std::string& text, long start, long count = -1);

} // namespace kav::detail
