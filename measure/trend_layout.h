#pragma once
// The trend chart as arithmetic: one strip per series stacked top to bottom,
// each with its value range, ticks, title and min / mean / max / count line,
// and the time axis under the last strip, in box units (twips, 15 per
// pixel) like the oscillation chart, so the same painter draws both.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart_layout.h"
#include "measure_host.h"
#include "trend_store.h"

namespace kav::measure {

// A limit of a series: both sides a band, one side a line.
struct TrendGrenze {
    std::optional<double> min, max;
};

// What to draw: the time window in seconds since the start, the series
// shown (in their order), and the limits per series.
struct TrendAnsicht {
    double von = 0, bis = 60;
    std::vector<TrendReihe> reihen{kAlleTrendReihen.begin(), kAlleTrendReihen.end()};
    std::array<TrendGrenze, kTrendReihen> grenzen{};
};

// The shortest window a run is shown in, seconds: a young run does not
// stretch three readings over the whole width.
inline constexpr double kMindestFenster = 60;
// The window that shows a whole run: from 0 to its last reading.
TrendAnsicht ganzerLauf(const TrendStore& store, TrendAnsicht ansicht = {});

struct TrendStreifen {
    TrendReihe reihe = TrendReihe::Drehzahl;
    // The data area in box units.
    double links = 0, oben = 0, breite = 0, hoehe = 0;
    double ymin = 0, ymax = 1;
    TrendGrenze grenze;

    double y(double wert) const { return oben + hoehe - (wert - ymin) * hoehe / (ymax - ymin); }
    double wertBei(double boxY) const { return ymin + (oben + hoehe - boxY) * (ymax - ymin) / hoehe; }
};

struct TrendLayout {
    // Axes, ticks and texts of every strip, laid over the whole box (no
    // margins): what achsenMalen draws.
    ChartLayout rahmen;
    std::vector<TrendStreifen> streifen;
    double von = 0, bis = 60;

    double x(double sekunden) const;
    double zeitBei(double boxX) const;
};

// The series' title with its unit, translated.
std::string trendTitel(TrendReihe r, const Translator& t);
// A time as "m:ss" below an hour, else "h:mm:ss"; `nachkomma` decimals of the seconds.
std::string zeitText(double sekunden, int nachkomma, std::string_view trenner);
// A value as the strips write it: whole numbers for frequency, current and
// percentages, one decimal for speed and voltage.
std::string trendWertText(TrendReihe r, double wert, std::string_view trenner);

// The layout for a box of `breite` x `hoehe` box units.
TrendLayout trendLayout(const TrendStore& store, const TrendAnsicht& ansicht, double breite, double hoehe,
                        std::string_view trenner, const Translator& t);

} // namespace kav::measure
