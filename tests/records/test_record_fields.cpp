// The reader and the writer against the field tables: a record whose fields
// all differ is written, each field is found at its table place and width,
// the file ends where the last field ends, and the reader gives each back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <variant>

#include "record_fields.h"
#include "record_file.h"

namespace kav::records {
namespace {

using measure::Feld;
using measure::felder;

const KopfTexte kKopf{"V2.13", "G4711023", "070123", "Welle A"};
const LocalTime kZeit{2031, 12, 31, 23, 59, 58};

Dateiinhalt schreiben(const measure::AktuellWerte& w) { return DateiSchreiben1(w, kKopf, kZeit); }
Dateiinhalt schreiben(const measure::SchlechtimpulsWerte& w) { return DateiSchreiben2(w, kKopf, kZeit); }
Dateiinhalt schreiben(const measure::DrehschwebungWerte& w) { return DateiSchreiben3(w, kKopf, kZeit); }

// Field i gets a value no other field has (floats exact in 16.16, signs alternating).
template <class W>
W verschieden() {
    W w;
    int i = 0;
    for (const Feld<W>& f : felder<W>()) {
        const int vz = i % 2 ? -1 : 1;
        std::visit(
            [&](auto glied) {
                auto& v = w.*glied;
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, float>)
                    v = static_cast<float>(vz * (1000.5 + i));
                else if constexpr (std::is_same_v<V, std::int32_t>)
                    v = vz * 70001 * (i + 1);
                else if constexpr (std::is_same_v<V, std::int16_t>)
                    v = static_cast<std::int16_t>(0x100 + 0x11 * i);
                else if constexpr (std::is_same_v<V, std::uint8_t>)
                    v = static_cast<std::uint8_t>(0xA0 + i);
                else if constexpr (!std::is_same_v<V, std::string>)
                    for (std::size_t k = 0; k < v.size(); ++k)
                        v[k] = static_cast<typename V::value_type>(0x10 * i + static_cast<int>(k) + 1);
            },
            f.glied);
        ++i;
    }
    if constexpr (std::is_same_v<W, measure::DrehschwebungWerte>)
        for (int k = 0; k < w.AnzahlMesswerte; ++k)
            w.Messdaten += "1C" + std::to_string(10 + k % 90);
    return w;
}

template <class W>
void gegenTabelle() {
    const W w = verschieden<W>();
    const Dateiinhalt d = schreiben(w);
    ASSERT_TRUE(d.ok());
    const Leseergebnis gelesen = DateiLesen(d.bytes);
    ASSERT_TRUE(gelesen.ok());
    const W& zurueck = std::get<W>(gelesen.daten);

    std::size_t ende = 0;
    for (const Feld<W>& f : felder<W>()) {
        if (f.position == 0)
            continue; // not held in the file
        SCOPED_TRACE(std::string(f.name));
        const std::size_t b = measure::breite(f.kodierung);
        // The file's text at element k's place, as the signed number it stands for.
        auto imFile = [&](std::size_t k) -> long long {
            const std::size_t von = f.position - 1 + k * f.abstand;
            ende = std::max(ende, von + b);
            const auto u = static_cast<std::uint32_t>(std::stoul(d.bytes.substr(von, b), nullptr, 16));
            if (b == 8)
                return static_cast<std::int32_t>(u);
            return b == 4 ? static_cast<std::int16_t>(u) : static_cast<long long>(u);
        };
        std::visit(
            [&](auto glied) {
                const auto& v = w.*glied;
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::string>) {
                    EXPECT_EQ(d.bytes.substr(f.position - 1), v);
                    ende = std::max(ende, f.position - 1 + v.size());
                } else if constexpr (std::is_same_v<V, float>) {
                    EXPECT_EQ(static_cast<double>(imFile(0)) / 65536.0, static_cast<double>(v));
                } else if constexpr (std::is_integral_v<V>) {
                    EXPECT_EQ(imFile(0), static_cast<long long>(v));
                } else {
                    for (std::size_t k = 0; k < v.size(); ++k)
                        EXPECT_EQ(imFile(k), static_cast<long long>(v[k])) << "element " << k;
                }
                EXPECT_EQ(zurueck.*glied, v);
            },
            f.glied);
    }
    EXPECT_EQ(ende, d.bytes.size()) << "the table leaves out the file's last characters";
}

TEST(RecordFields, CurrentValuesAtTheirPlaces) { gegenTabelle<measure::AktuellWerte>(); }
TEST(RecordFields, BadPulsesAtTheirPlaces) { gegenTabelle<measure::SchlechtimpulsWerte>(); }
TEST(RecordFields, OscillationAtItsPlaces) { gegenTabelle<measure::DrehschwebungWerte>(); }

} // namespace
} // namespace kav::records
