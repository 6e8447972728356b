#include "ansi_utf8.h"

#include <cstdint>

namespace kav {

namespace {
// Code points of the bytes 0x80-0x9F; the undefined ones map to themselves.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ansiOf(char32_t c, char ersatz) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return ersatz;
}
} // namespace

std::string ansiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    for (char ch : ansi) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string utf8ToAnsi(std::string_view utf8, char ersatz) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int more = 0;
        char32_t c = 0;
        if (b < 0x80)
            c = b;
        else if ((b & 0xE0) == 0xC0)
            c = b & 0x1F, more = 1;
        else if ((b & 0xF0) == 0xE0)
            c = b & 0x0F, more = 2;
        else if ((b & 0xF8) == 0xF0)
            c = b & 0x07, more = 3;
        else {
            out += ersatz;
            ++i;
            continue;
        }
        std::size_t j = 1;
        for (; j <= static_cast<std::size_t>(more) && i + j < utf8.size(); ++j) {
            const auto cont = static_cast<unsigned char>(utf8[i + j]);
            if ((cont & 0xC0) != 0x80)
                break;
            c = (c << 6) | (cont & 0x3F);
        }
        if (j != static_cast<std::size_t>(more) + 1) {
            // A sequence cut short: one replacement for its lead byte, the rest read afresh.
            out += ersatz;
            ++i;
            continue;
        }
        constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
        out += c < kSmallest[more] ? ersatz : ansiOf(c, ersatz); // an overlong form is no character
        i += j;
    }
    return out;
}

} // namespace kav
