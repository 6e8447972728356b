#pragma once
// The one JSON writer of the program's tools: values are built as
// nlohmann::ordered_json (members keep the order they were added in) and
// written in the two layouts kavctl prints. Texts pass through as they are
// (UTF-8); numbers keep the shortest text that reads back to the same value.
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace kav::json {

using Json = nlohmann::ordered_json;

// A single-precision value as its shortest text (1500.5, 24, 0.1); a value
// that is not finite is null.
Json zahl(float v);

// One line: {"a": 1, "b": [1, 2]}.
std::string zeile(const Json& wert);
// An object's members or an array's elements one per line, indented by two
// blanks; a member that is a non-empty array lists its elements the same way
// one level deeper; everything else is written as one line.
std::string block(const Json& wert);

// A text as a JSON string literal, quotes included.
std::string text(std::string_view utf8);

} // namespace kav::json
