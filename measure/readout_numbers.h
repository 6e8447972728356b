#pragma once
// Shared by the readouts: decoded reply values into the record's field types,
// the bytes of a raw reply, the tables of values by mask position. Out-of-range numbers never wrap into
// plausible values of another range: they are clamped (whole numbers) or cut
// to their low byte (bytes, as the device's byte values are 0-255).
#include <cstdint>
#include <string>

namespace kav::measure::detail {

std::int32_t alsInt32(double v);
std::int16_t alsInt16(double v);
std::uint8_t alsByte(double v);
// Byte n (1-based) of a reply's hex text; 0 when the reply is shorter.
std::uint8_t antwortByte(const std::string& hex, int n);

// A value of a readout's loop: mask position k+1 set means value `nummer` is
// new; it is decoded with `typ`.
struct WertEintrag {
    int k;
    int nummer;
    const char* typ;
};

// Walks the mask (k = 0 to 15) and calls `f` for each set position that has
// a value. False when position 2 (the speed) is not set, so the result is not
// complete, or when `f` returned false to end the readout.
template <std::size_t N, class F>
bool maskeDurchlaufen(const std::string& maske, const WertEintrag (&tabelle)[N], F&& f) {
    for (int k = 0; k < 16; ++k) {
        if (maske.size() <= static_cast<std::size_t>(k) || maske[static_cast<std::size_t>(k)] != '1') {
            if (k == 1)
                return false;
            continue;
        }
        for (const WertEintrag& w : tabelle)
            if (w.k == k && !f(w))
                return false;
    }
    return true;
}

} // namespace kav::measure::detail
