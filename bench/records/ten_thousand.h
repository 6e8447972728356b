#pragma once
// The 10000-sample rotational-oscillation record the record benchmarks
// write, read and show: samples between -120 and 130 arc seconds as the
// device sends them (four hex digits, low byte first).
#include <cstdint>

#include "result_records.h"

namespace kav::bench {

inline measure::DrehschwebungWerte zehntausend() {
    measure::DrehschwebungWerte w;
    w.Impulszahl = 10000;
    w.Drehzahl = 1500.5f;
    w.Frequenz = 250000;
    w.Umdrehungen = 1;
    w.MinWert = -120;
    w.MaxWert = 130;
    w.AnzahlMesswerte = 10000;
    static const char kHex[] = "0123456789ABCDEF";
    for (int i = 0; i < 10000; ++i) {
        const unsigned v = static_cast<unsigned>(static_cast<std::uint16_t>((i * 37) % 251 - 120));
        for (unsigned b : {v & 0xFF, v >> 8}) {
            w.Messdaten += kHex[b >> 4];
            w.Messdaten += kHex[b & 15];
        }
    }
    return w;
}

} // namespace kav::bench
