#include "trend_limits.h"

#include <utility>

namespace kav::verdict {

std::array<measure::TrendGrenze, measure::kTrendReihen> trendGrenzen(const Profile& p) {
    using measure::TrendReihe;
    std::array<measure::TrendGrenze, measure::kTrendReihen> g{};
    const std::pair<TrendReihe, Limit> paare[] = {
        {TrendReihe::Drehzahl, Limit::SpeedRpm},          {TrendReihe::Versorgungsspannung, Limit::SupplyVoltageV},
        {TrendReihe::Stromaufnahme, Limit::CurrentMaMax}, {TrendReihe::Symmetrie0, Limit::Symmetry0Pct},
        {TrendReihe::Symmetrie90, Limit::Symmetry90Pct},  {TrendReihe::Phasenlage, Limit::PhasePct},
    };
    for (const auto& [reihe, grenze] : paare)
        if (const std::optional<Range>& r = p[grenze])
            g[measure::index(reihe)] = {r->min, r->max};
    return g;
}

} // namespace kav::verdict
