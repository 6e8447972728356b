#include "trend_csv.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace kav::measure {

namespace {

// The shortest text that reads back as the same float; std::to_chars knows no locale.
void zahl(std::string& zeile, float v) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, v);
    if (fehler == std::errc())
        zeile.append(puffer, ende);
}

void zahl(std::string& zeile, long long v) { zeile += std::to_string(v); }

// Seconds with three decimals from whole milliseconds.
void sekundenText(std::string& zeile, long long ms) {
    if (ms < 0) {
        zeile += '-';
        ms = -ms;
    }
    const std::string rest = std::to_string(ms % 1000);
    zeile += std::to_string(ms / 1000);
    zeile += '.';
    zeile += std::string(3 - rest.size(), '0') + rest;
}

void spalte(std::string& zeile, const std::optional<double>& v, TrendReihe r) {
    zeile += ',';
    if (!v)
        return;
    if (r == TrendReihe::Drehzahl || r == TrendReihe::Versorgungsspannung)
        zahl(zeile, static_cast<float>(*v));
    else
        zahl(zeile, std::llround(*v));
}

} // namespace

std::string trendCsvKopf() {
    return "time_s,speed_rpm,frequency_hz,supply_voltage_v,current_ma,symmetry_0_percent,symmetry_90_percent,"
           "phase_percent";
}

std::string trendCsvZeile(double sekunden, const AktuellWerte& w) {
    std::string zeile;
    sekundenText(zeile, std::isfinite(sekunden) ? std::llround(sekunden * 1000.0) : 0);
    for (TrendReihe r : kAlleTrendReihen)
        spalte(zeile, trendWert(r, w), r);
    return zeile;
}

void trendCsvSchreiben(std::ostream& aus, const TrendStore& store) {
    aus << trendCsvKopf() << '\n';
    std::string zeile;
    for (std::size_t i = 0; i < store.size(); ++i) {
        zeile.clear();
        sekundenText(zeile, std::llround(store.zeit(i) * 1000.0));
        for (TrendReihe r : kAlleTrendReihen)
            spalte(zeile, store.wert(r, i), r);
        zeile += '\n';
        aus << zeile;
    }
}

} // namespace kav::measure
