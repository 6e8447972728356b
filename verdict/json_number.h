#pragma once
// Numbers as profiles and verdicts write them: a whole number without a
// fraction ("100", not "100.0"), any other in its shortest exact form.
#include <string>

#include <nlohmann/json.hpp>

namespace kav::verdict {

nlohmann::ordered_json jsonNumber(double value);

// The shortest text that reads back as the same double ("4.75", "6000").
std::string numberText(double value);

// A float measurement as the decimal it stands for: 4.8f becomes 4.8, not
// 4.800000190734863, so a value on a limit is judged on the limit.
double floatValue(float value);

} // namespace kav::verdict
