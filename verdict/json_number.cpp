#include "json_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace kav::verdict {

namespace {
// Beyond 2^53 a double no longer holds every whole number.
constexpr double kExactWhole = 9007199254740992.0;

bool whole(double v) { return std::isfinite(v) && std::floor(v) == v && std::fabs(v) <= kExactWhole; }
} // namespace

nlohmann::ordered_json jsonNumber(double value) {
    if (whole(value))
        return static_cast<std::int64_t>(value);
    return value;
}

std::string numberText(double value) {
    if (whole(value))
        return std::to_string(static_cast<std::int64_t>(value));
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

double floatValue(float value) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    double d = value;
    std::from_chars(buffer, r.ptr, d);
    return d;
}

} // namespace kav::verdict
