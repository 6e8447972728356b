#pragma once
// The chart of the rotational oscillation as arithmetic: axis ranges, scale,
// axes, ticks, labels and sample points in box units (twips, 15 per pixel),
// for any painter to draw. No drawing happens here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "measure_host.h"

namespace kav::measure {

// The ranges GrafikZeichnen draws, with the optional tick steps.
struct ChartRange {
    int xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    std::optional<double> xSchritt; // -4: a quarter of Xmax
    std::optional<double> ySchritt;
};

// DrehschwebungGrafik's choice for the largest and smallest sample: a
// symmetric Y range from a fixed table by the larger magnitude; X over 200
// samples with a tick every 50, or with "/math" over five revolutions of
// `impulszahl` samples with a tick every half revolution.
ChartRange drehschwebungBereich(std::int16_t wert1, std::int16_t wert2, bool mathAn, std::int32_t impulszahl);

// Box units a label character is reckoned with (right-aligned Y labels, and
// X labels kept clear of the Y axis).
inline constexpr double kZeichenEinheiten = 120;

struct ChartPoint {
    double x = 0, y = 0;
};
struct ChartLine {
    ChartPoint von, bis;
};
// A text placed by its anchor: `horizontal` says which side of the anchor
// the text's box touches (Right: its right edge), `vertikal` likewise.
struct ChartLabel {
    enum class Horizontal { Left, Center, Right };
    enum class Vertikal { Top, Middle, Bottom };
    std::string text;
    ChartPoint anker;
    Horizontal horizontal = Horizontal::Left;
    Vertikal vertikal = Vertikal::Top;

    // The text's left edge reckoned with kZeichenEinheiten per character,
    // for a painter that places text only by its left edge.
    double links() const;
};

struct ChartLayout {
    // Non-empty when the limits are equal: the message to show (translated);
    // then nothing is drawn.
    std::string fehlermeldung;

    int RandLinks = 600, RandRechts = 400, RandOben = 400, RandUnten = 400;
    int ZeichenBreite = 0, ZeichenHoehe = 0;
    float NullX = 0, NullY = 0, FaktorX = 0, FaktorY = 0;
    int PunkteProUmdrehung = 200;
    std::uint32_t GrafikFarbe = 0; // black (0x00BBGGRR): axes, ticks, labels
    // Width of a sample point; axes and ticks are 1 wide.
    int punktBreite = 3;

    std::vector<ChartLine> achsen;        // Y axis, then X axis
    std::vector<ChartLine> striche;       // Y ticks, then X ticks
    std::vector<ChartLabel> beschriftung; // Y labels, the caption "Ws[\"]", X labels

    bool ok() const { return fehlermeldung.empty(); }
    double GrafikX(double x) const;
    double GrafikY(double y) const;
    // The data x of a box x (for pointing at a sample), and a sample's angle in degrees.
    double datenX(double boxX) const;
    double winkel(double sample) const { return 360.0 * sample / PunkteProUmdrehung; }
};

// GrafikZeichnen for a box of `breite` x `hoehe` box units. `mathAn` and
// `impulszahl` (of the live oscillation record) give PunkteProUmdrehung for
// the angle labels.
ChartLayout GrafikZeichnen(double breite, double hoehe, const ChartRange& bereich, bool mathAn, std::int32_t impulszahl,
                           const Translator& t);

// DrehschwebungGrafik: the ranges for MaxWert and MinWert, then GrafikZeichnen.
ChartLayout DrehschwebungGrafik(std::int16_t wert1, std::int16_t wert2, double breite, double hoehe, bool mathAn,
                                std::int32_t impulszahl, const Translator& t);

// One point per sample at (GrafikX(i), GrafikY(sample)), i from 0.
std::vector<ChartPoint> messpunkte(const ChartLayout& layout, const std::vector<std::int16_t>& samples);

} // namespace kav::measure
