#include "bit_text.h"

#include <algorithm>

namespace kav::measure {

std::string ZuBitText(long long zahl, int anzahl) {
    std::string text;
    const auto bits = static_cast<unsigned long long>(zahl);
    for (int i = anzahl - 1; i >= 0; --i)
        text += (i < 64 && ((bits >> i) & 1u)) ? '1' : '0';
    return text;
}

std::string StatusBits(std::uint8_t byte) {
    std::string text = ZuBitText(byte, 8);
    std::reverse(text.begin(), text.end());
    return text;
}

std::string AenderungsMaske(std::uint8_t erstes, std::uint8_t zweites) {
    return StatusBits(erstes) + StatusBits(zweites);
}

} // namespace kav::measure
