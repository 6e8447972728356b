#include "cp1252.h"

namespace kav::records {

namespace {

constexpr char32_t kHoch[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

void anhaengen(std::string& out, char32_t c) {
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

char zuByte(char32_t c, char ersatz) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHoch[i] == c)
            return static_cast<char>(0x80 + i);
    return ersatz;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        anhaengen(out, b >= 0x80 && b < 0xA0 ? kHoch[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

std::string utf8ToCp1252(std::string_view s, char ersatz) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int folge = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (folge < 0 || i + static_cast<std::size_t>(folge) >= s.size()) {
            out += ersatz;
            ++i;
            continue;
        }
        char32_t c = folge == 0 ? b : (b & (0x3F >> folge));
        bool gut = true;
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((f & 0xC0) != 0x80) {
                gut = false;
                break;
            }
            c = (c << 6) | (f & 0x3F);
        }
        if (!gut) {
            out += ersatz;
            ++i;
            continue;
        }
        out += zuByte(c, ersatz);
        i += static_cast<std::size_t>(folge) + 1;
    }
    return out;
}

} // namespace kav::records
