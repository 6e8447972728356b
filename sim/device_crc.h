#pragma once
// The device's frame checksum: CRC-16 with polynomial 0x1021, start value 0,
// no reflection, no final XOR. Kept apart from the link's own routine so the
// two implementations check each other.
#include <cstddef>
#include <cstdint>
#include <span>

namespace kav::sim {

std::uint16_t deviceCrc16(std::span<const std::uint8_t> bytes);

} // namespace kav::sim
