#pragma once
// A profile's limits as the bands of the current values' trend: speed,
// supply voltage, current and the three percentages; frequency has none.
#include <array>

#include "profile.h"
#include "trend_layout.h"

namespace kav::verdict {

std::array<measure::TrendGrenze, measure::kTrendReihen> trendGrenzen(const Profile& p);

} // namespace kav::verdict
