#include "typed_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "number_text.h"

namespace kav {

using detail::hexDigits;
using detail::mid;

namespace {

std::string trimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

std::string removeBlanks(std::string s) {
    std::erase(s, ' ');
    return s;
}

// Bytes of a hex text; a pair that is not hex counts as 0, a lone last digit is ignored.
std::vector<std::uint8_t> hexBytes(const std::string& hex) {
    std::vector<std::uint8_t> out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(detail::hexPairValue(hex[i], hex[i + 1]).value_or(0));
    return out;
}

// Little-endian unsigned value of the first `count` bytes; missing bytes are 0.
std::uint32_t littleEndian(const std::vector<std::uint8_t>& bytes, std::size_t count) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < count && i < bytes.size(); ++i)
        v |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return v;
}

// The byte order of a hex text reversed pair by pair (most significant first
// <-> least significant first).
std::string reversePairs(const std::string& hex) {
    std::string out;
    out.reserve(hex.size());
    for (std::size_t i = hex.size(); i >= 2; i -= 2)
        out.append(hex, i - 2, 2);
    return out;
}

float singleFromDouble(double d) {
    if (d > std::numeric_limits<float>::max())
        return std::numeric_limits<float>::infinity();
    if (d < -std::numeric_limits<float>::max())
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(d);
}

// The single rounded to one decimal place the way the "0.0" format pattern
// does it: on its 7-digit decimal form, halves away from zero.
float roundToOneDecimal(float f) {
    if (f == 0 || !std::isfinite(f))
        return f;
    char buf[32];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, static_cast<double>(std::fabs(f)), std::chars_format::scientific, 6);
    if (ec != std::errc())
        return f;
    // buf: d.dddddde[+-]XX
    std::string digits;
    digits += buf[0];
    digits.append(buf + 2, buf + 8);
    int exponent = 0;
    std::from_chars(buf + 9 + (buf[9] == '+' ? 1 : 0), end, exponent);
    const int keep = exponent + 2; // digits up to the first decimal
    if (keep >= static_cast<int>(digits.size())) {
        // No decimal left to round: the value as its 7 digits read.
        double whole = 0;
        std::from_chars(buf, end, whole);
        return singleFromDouble(f < 0 ? -whole : whole);
    }
    if (keep < 0)
        return 0.0f;
    long long n = 0;
    for (int i = 0; i < keep; ++i)
        n = n * 10 + (digits[static_cast<std::size_t>(i)] - '0');
    if (digits[static_cast<std::size_t>(keep)] >= '5')
        ++n;
    const double r = static_cast<double>(n) / 10.0;
    return static_cast<float>(f < 0 ? -r : r);
}

} // namespace

namespace {

std::string nichtKodierbar(int k, const std::string& feld, const char* warum) {
    return "parameter " + std::to_string(k) + " (" + (feld.empty() ? std::string("empty") : feld) +
           ") cannot be encoded: " + warum;
}

} // namespace

std::string anfrageAufbauen(std::string R, std::string P, std::string& grund) {
    grund.clear();
    if (!P.empty()) {
        if (!R.empty() && R.back() == 'n')
            R += ' ';
        if (P.front() == '&')
            P = removeBlanks(detail::formatNumber(detail::readNumber(P), 15));
        const bool ohneParameter = detail::readNumber("&H" + mid(R, 1, 2)) == 1;
        if (!ohneParameter) {
            int k = 0;
            std::size_t p = 7;
            while (p <= R.size()) {
                const char c = detail::upperChar(R[p - 1]);
                const std::string links = R.substr(0, p - 1);
                if (c == 'N' || c == 'M' || c == 'D' || c == 'B' || c == 'I') {
                    const std::string feld = COM_Feld(P, "|", ++k);
                    const auto v = detail::toInt32(detail::readNumber(feld));
                    if (!v) {
                        grund = nichtKodierbar(k, feld, "beyond 32 bits");
                        return {};
                    }
                    if (c == 'I') {
                        R = links + hexDigits(static_cast<std::uint32_t>(*v) & 0xFFFFu, 4) +
                            mid(R, static_cast<long>(p) + 1);
                        p += 5;
                    } else {
                        // One byte; the blank after the letter is rewritten.
                        R = links + hexDigits(static_cast<std::uint32_t>(*v) & 0xFFu, 2) + " " +
                            mid(R, static_cast<long>(p) + 2);
                        p += 3;
                    }
                } else if (c == 'F') {
                    const std::string feld = COM_Feld(P, "|", ++k);
                    const float v = COM_Str2Single(feld);
                    if (!std::isfinite(v)) {
                        grund = nichtKodierbar(k, feld, "not a finite single-precision number");
                        return {};
                    }
                    R = links + COM_Single2Hex(v) + mid(R, static_cast<long>(p) + 1);
                    p += 9;
                } else if (c == 'Q') {
                    const std::string feld = COM_Feld(P, "|", ++k);
                    const std::string q = COM_Q2Hex(COM_Str2Single(feld));
                    if (q.empty()) {
                        grund = nichtKodierbar(k, feld, "beyond the 16.16 fixed-point range");
                        return {};
                    }
                    R = links + reversePairs(q) + mid(R, static_cast<long>(p) + 1);
                    p += 9;
                } else if (c == 'C') {
                    const std::string platz = mid(R, static_cast<long>(p), 30);
                    const auto n = static_cast<std::size_t>(std::count(platz.begin(), platz.end(), 'C'));
                    const std::string text = (P + std::string(20, ' ')).substr(0, n);
                    R = links;
                    for (char ch : text)
                        R += hexDigits(static_cast<unsigned char>(ch), 2) + " ";
                    break;
                } else {
                    ++p;
                }
            }
        }
    }
    return removeBlanks(std::move(R));
}

std::string COM_BefehlAufbauen(std::string R, std::string P) {
    std::string grund;
    return anfrageAufbauen(std::move(R), std::move(P), grund);
}

ComValue COM_WertLesen(const std::string& antwortHex, const std::string& typ) {
    // A device error text is already a text: decoding it as hex would turn it
    // into bytes that no longer look like a failure.
    if (!antwortHex.empty() && antwortHex.front() == ',')
        return ComValue::fromText(antwortHex);
    const std::vector<std::uint8_t> bytes = hexBytes(antwortHex);
    if (typ == "S")
        return ComValue::fromText(std::string(bytes.begin(), bytes.end()));
    if (bytes.empty())
        return {};
    if (typ == "B" || typ == "C")
        return ComValue::fromDouble(detail::readNumber("&H" + antwortHex.substr(0, bytes.size() * 2)));
    if (typ == "I")
        return ComValue::fromDouble(static_cast<std::int16_t>(littleEndian(bytes, 2)));
    if (typ == "P")
        return ComValue::fromDouble(static_cast<std::int16_t>(littleEndian(bytes, 2)) / 256.0);
    if (typ == "L")
        return ComValue::fromText("&H" + hexDigits(littleEndian(bytes, 4), 8));
    if (typ == "Q")
        return ComValue::fromDouble(static_cast<std::int32_t>(littleEndian(bytes, 4)) / 65536.0);
    if (typ == "F")
        return ComValue::fromSingle(COM_Hex2Single(antwortHex.substr(0, 8)));
    return {};
}

std::string COM_Feld(const std::string& text, const std::string& trenner, int n) {
    if (n < 1)
        return {};
    if (trenner.empty())
        return n == 1 ? trimBlanks(text) : std::string();
    std::size_t start = 0;
    for (int feld = 1;; ++feld) {
        const std::size_t ende = text.find(trenner, start);
        if (feld == n)
            return trimBlanks(text.substr(start, ende == std::string::npos ? std::string::npos : ende - start));
        if (ende == std::string::npos)
            return {};
        start = ende + trenner.size();
    }
}

std::string COM_Ersetzen(const std::string& text, const std::string& suche, const std::string& ersatz) {
    if (suche.empty() || suche.size() > text.size())
        return text;
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool gleich = i + suche.size() <= text.size();
        for (std::size_t j = 0; gleich && j < suche.size(); ++j)
            gleich = detail::lowerChar(text[i + j]) == detail::lowerChar(suche[j]);
        if (gleich) {
            out += ersatz;
            i += suche.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

float COM_Str2Single(const std::string& text) {
    // Either separator is a decimal point; the process's locale plays no part.
    std::string s = text;
    for (char& c : s)
        if (c == ',')
            c = '.';
    return roundToOneDecimal(singleFromDouble(detail::readNumber(s)));
}

std::string COM_Single2Hex(float wert) {
    if (wert == 0)
        return "00000000";
    std::uint32_t bits = 0;
    std::memcpy(&bits, &wert, sizeof bits);
    return reversePairs(hexDigits(bits, 8));
}

float COM_Hex2Single(const std::string& hex) {
    // Least significant byte first; the caller's text stays as it is.
    const std::vector<std::uint8_t> bytes = hexBytes(hex);
    const std::uint32_t bits = littleEndian(bytes, 4);
    if (bits == 0)
        return 0.0f;
    if (((bits >> 23) & 0xFFu) == 0xFFu)
        return 0.0f; // infinity and NaN patterns read as 0
    float v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string COM_Text2Hex(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text)
        out += hexDigits(static_cast<unsigned char>(c), 2);
    return out;
}

std::string COM_Text2HexLiteral(const std::string& text) { return "&H" + COM_Text2Hex(text); }

std::string COM_HexFix(long long zahl, int bytes) {
    if (bytes < 0)
        return {};
    std::string digits;
    if (zahl >= 0)
        digits = hexDigits(static_cast<std::uint64_t>(zahl), 0);
    else if (zahl >= std::numeric_limits<std::int32_t>::min())
        digits = hexDigits(static_cast<std::uint32_t>(static_cast<std::int32_t>(zahl)), 8);
    else
        digits = hexDigits(static_cast<std::uint64_t>(zahl), 16);
    if (bytes == 0)
        return digits;
    const auto breite = static_cast<std::size_t>(bytes) * 2;
    if (digits.size() >= breite)
        return digits.substr(digits.size() - breite);
    // Negative numbers widen with their sign (two's complement), not with zeros.
    return std::string(breite - digits.size(), zahl < 0 ? 'F' : '0') + digits;
}

std::string COM_Q2Hex(float wert) {
    if (!std::isfinite(wert))
        return {};
    const double w = std::floor(static_cast<double>(wert) * 65536.0);
    if (w < -2147483648.0 || w > 2147483647.0)
        return {};
    return hexDigits(static_cast<std::uint32_t>(static_cast<std::int32_t>(w)), 8);
}

} // namespace kav
