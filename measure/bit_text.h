#pragma once
// Reply bytes as texts of "0" and "1": the device's state and change reports
// are read bit by bit through them.
#include <cstdint>
#include <string>

namespace kav::measure {

// The usual binary text of `zahl`, most significant digit first, exactly
// `anzahl` digits (higher bits are cut off; a negative number counts in two's
// complement).
std::string ZuBitText(long long zahl, int anzahl);

// The 8 bits of a byte, least significant first: character k (1-based) holds bit k-1.
std::string StatusBits(std::uint8_t byte);

// 16 characters: the bits of `erstes` at positions 1-8, those of `zweites`
// at 9-16, each least significant first.
std::string AenderungsMaske(std::uint8_t erstes, std::uint8_t zweites);

} // namespace kav::measure
