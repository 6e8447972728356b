#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kav::detail {

namespace {

bool isBlankForNumbers(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Value of a literal with `digitCount` digits as written: short literals are
// 16-bit, longer ones 32-bit, both signed; anything wider stays unsigned.
double literalValue(std::uint64_t value, bool fits16Bit, bool fits32Bit) {
    if (fits16Bit)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (fits32Bit)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<double>(value);
}

double readRadixLiteral(const std::string& s, std::size_t pos, int radix) {
    std::uint64_t value = 0;
    int digits = 0;
    int significant = 0;
    bool wide = false; // more digits than 64 bits hold
    double wideValue = 0;
    for (; pos < s.size(); ++pos) {
        int d = hexDigitValue(s[pos]);
        if (d < 0 || d >= radix)
            break;
        ++digits;
        if (significant > 0 || d != 0)
            ++significant;
        wideValue = wideValue * radix + d;
        if (value > (std::numeric_limits<std::uint64_t>::max() - static_cast<unsigned>(d)) / radix)
            wide = true;
        else
            value = value * radix + static_cast<unsigned>(d);
    }
    if (digits == 0)
        return 0;
    if (wide)
        return wideValue;
    if (radix == 16)
        return literalValue(value, digits <= 4, digits <= 8 || significant <= 8);
    return literalValue(value, digits <= 6 && value <= 0xFFFF, value <= 0xFFFFFFFFu);
}

double readDecimal(const std::string& s) {
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        number += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += '.';
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            number += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    int exponentSign = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            while (j < s.size() && s[j] >= '0' && s[j] <= '9')
                exponent += s[j++];
            number += exponent;
            exponentSign = exponent.size() > 1 && exponent[1] == '-' ? -1 : 1;
        }
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (exponentSign < 0)
            return 0;
        return number[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return ec == std::errc() ? value : 0;
}

} // namespace

double readNumber(const std::string& text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlankForNumbers(c))
            s += c;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadixLiteral(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadixLiteral(s, 2, 8);
        return 0;
    }
    return readDecimal(s);
}

std::optional<std::int32_t> toInt32(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::string hexDigits(std::uint64_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < digits)
        out.insert(0, static_cast<std::size_t>(digits) - out.size(), '0');
    return out;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::uint8_t> hexPairValue(char high, char low) {
    const int h = hexDigitValue(high);
    const int l = hexDigitValue(low);
    if (h < 0 || l < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(h * 16 + l);
}

bool isHexText(const std::string& text) {
    for (char c : text)
        if (hexDigitValue(c) < 0)
            return false;
    return true;
}

std::string formatNumber(double value, int significantDigits) {
    if (value == 0)
        return "0"; // also -0
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significantDigits);
    if (ec != std::errc())
        return "0";
    std::string out(buf, end);
    for (char& c : out)
        if (c == 'e')
            c = 'E';
    return out;
}

char upperChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 32);
    // Latin-1 letters à..þ except ÷
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 32);
    return c;
}

char lowerChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z')
        return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char>(u + 32);
    return c;
}

std::string mid(const std::string& text, long start, long count) {
    if (start < 1)
        start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= text.size() || count == 0)
        return {};
    if (count < 0)
        return text.substr(from);
    return text.substr(from, static_cast<std::size_t>(count));
}

} // namespace kav::detail
