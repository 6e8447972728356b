#pragma once
// The readings of one continuous run of current values, kept for a trend:
// every reading up to 24 hours, compactly (kBytesProMessung per reading plus
// a min/max summary of about 4 bytes), with running min / mean / max per
// series and the min/max per pixel column for drawing. A percentage byte that
// is a status code is a gap in its series, never a zero.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "result_records.h"

namespace kav::measure {

// The series of a trend, in the order they are drawn and exported.
enum class TrendReihe : std::uint8_t {
    Drehzahl,
    Frequenz,
    Versorgungsspannung,
    Stromaufnahme,
    Symmetrie0,
    Symmetrie90,
    Phasenlage,
};
inline constexpr std::size_t kTrendReihen = 7;
inline constexpr std::array<TrendReihe, kTrendReihen> kAlleTrendReihen = {
    TrendReihe::Drehzahl,   TrendReihe::Frequenz,    TrendReihe::Versorgungsspannung, TrendReihe::Stromaufnahme,
    TrendReihe::Symmetrie0, TrendReihe::Symmetrie90, TrendReihe::Phasenlage};
inline std::size_t index(TrendReihe r) { return static_cast<std::size_t>(r); }
// Whether a series is a percentage that can carry a code.
inline bool istProzent(TrendReihe r) { return r >= TrendReihe::Symmetrie0; }

// The value of a series in a reading; nullopt for a percentage code or a
// float that is not finite (a damaged reading has no place on an axis).
std::optional<double> trendWert(TrendReihe r, const AktuellWerte& w);

// Bytes one reading takes in the store: time (ms), speed, frequency, supply
// voltage (4 each), current (2), the three percentage bytes (1 each).
inline constexpr std::size_t kBytesProMessung = 21;

// Min / mean / max and count of one series over the values (gaps left out).
struct TrendStatistik {
    std::size_t anzahl = 0;
    double min = 0, max = 0, summe = 0;
    double mittel() const { return anzahl ? summe / static_cast<double>(anzahl) : 0; }
};

// One pixel column of a series: the values' range in it (leer when it holds
// none) and whether a code reading falls into it.
struct TrendSpalte {
    float min = 0, max = 0;
    bool leer = true;
    bool luecke = false;
};

class TrendStore {
public:
    // A day at two readings a second is 172800; the cap leaves room for a
    // faster device without letting memory grow without end.
    static constexpr double kMaxSekunden = 24.0 * 3600.0;
    static constexpr std::size_t kMaxMessungen = 262144;

    TrendStore();
    ~TrendStore();
    TrendStore(TrendStore&&) noexcept;
    TrendStore& operator=(TrendStore&&) noexcept;

    // Adds a reading taken `sekunden` after the run's start. A time earlier
    // than the last one counts as the last one (the clock may step back).
    // False, and nothing kept, once the run is 24 hours old or the store full.
    bool hinzufuegen(double sekunden, const AktuellWerte& w);
    void leeren();

    std::size_t size() const { return anzahl_; }
    bool empty() const { return anzahl_ == 0; }
    bool voll() const { return voll_; }
    // Seconds since the start (millisecond resolution).
    double zeit(std::size_t i) const;
    // The value of reading i in a series; nullopt for a code.
    std::optional<double> wert(TrendReihe r, std::size_t i) const;
    // The raw percentage byte of reading i (0 for the other series).
    std::uint8_t rohByte(TrendReihe r, std::size_t i) const;
    const TrendStatistik& statistik(TrendReihe r) const { return statistik_[index(r)]; }

    // Min/max of a series per column for `breite` columns over the time
    // window [von, bis]; column c covers [von + c*d, von + (c+1)*d), the
    // last one includes bis.
    std::vector<TrendSpalte> spalten(TrendReihe r, double von, double bis, int breite) const;
    // The reading nearest to a time; nullopt when the store is empty.
    std::optional<std::size_t> naechste(double sekunden) const;
    // First reading at or after a time.
    std::size_t ersteAb(double sekunden) const;

    // A block of 4096 readings: 4096 * kBytesProMessung bytes.
    static std::size_t bytesProBlock();
    // Bytes held for the readings, the summary and the gap lists.
    std::size_t speicherBytes() const;

private:
    struct Block;
    struct Knoten {
        float min, max;
    };

    float wertOderNan(TrendReihe r, std::size_t i) const;
    Knoten bereich(std::size_t reihe, std::size_t von, std::size_t bis) const;
    bool hatLuecke(std::size_t reihe, std::size_t von, std::size_t bis) const;
    std::uint32_t millis(std::size_t i) const;

    std::vector<std::unique_ptr<Block>> bloecke_;
    std::size_t anzahl_ = 0;
    bool voll_ = false;
    std::array<TrendStatistik, kTrendReihen> statistik_{};
    // Per series and level k: min/max over groups of kFaecher^(k+1) readings;
    // the last group of each level grows with the readings.
    std::array<std::vector<std::vector<Knoten>>, kTrendReihen> stufen_;
    // Per series: runs of gap readings [von, bis), in order.
    std::array<std::vector<std::pair<std::uint32_t, std::uint32_t>>, kTrendReihen> luecken_;
};

} // namespace kav::measure
