#pragma once
// Decoded reply values into the record's field types, and the bytes of a raw
// reply; shared by the readouts. Out-of-range numbers never wrap into
// plausible values of another range: they are clamped (whole numbers) or cut
// to their low byte (bytes, as the device's byte values are 0-255).
#include <cstdint>
#include <optional>
#include <string>

namespace kav::measure::detail {

std::int32_t alsInt32(double v);
std::int16_t alsInt16(double v);
std::uint8_t alsByte(double v);
// The byte of two hex digits; nullopt when either is not one.
std::optional<std::uint8_t> hexPaar(char hoch, char tief);
// Byte n (1-based) of a reply's hex text; 0 when the reply is shorter.
std::uint8_t antwortByte(const std::string& hex, int n);

} // namespace kav::measure::detail
