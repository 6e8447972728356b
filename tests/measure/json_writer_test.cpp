// The JSON writer: texts escaped, numbers with the digits they were given,
// and the two layouts kavctl prints.
#include <gtest/gtest.h>

#include <limits>

#include "json_writer.h"

namespace kav::json {
namespace {

TEST(JsonWriter, TextsAreEscapedAndOtherwiseUntouched) {
    EXPECT_EQ(text("a\"b\\c\r\n\t"), "\"a\\\"b\\\\c\\r\\n\\t\"");
    EXPECT_EQ(text(std::string("\x01\0", 2)), "\"\\u0001\\u0000\"");
    EXPECT_EQ(text("Lüfter €"), "\"Lüfter €\"");
    // Bytes that are not UTF-8 pass through rather than stopping the output.
    EXPECT_EQ(zeile(Json("\xF6")), "\"\xF6\"");
}

TEST(JsonWriter, FloatsKeepTheirShortestText) {
    const std::pair<float, const char*> faelle[] = {
        {24.1f, "24.1"}, {1500.5f, "1500.5"}, {1500.0f, "1500"}, {-3.25f, "-3.25"}, {0.1f, "0.1"}, {1e20f, "1e+20"},
        {std::numeric_limits<float>::infinity(), "null"}, {std::numeric_limits<float>::quiet_NaN(), "null"},
    };
    for (const auto& [wert, erwartet] : faelle)
        EXPECT_EQ(zeile(zahl(wert)), erwartet) << wert;
}

TEST(JsonWriter, OneLineAndBlockLayouts) {
    const Json j = {{"b", 1}, {"a", Json::array({1, -2})}, {"leer", Json::array()}, {"o", {{"x", "y"}}}};
    EXPECT_EQ(zeile(j), "{\"b\": 1, \"a\": [1, -2], \"leer\": [], \"o\": {\"x\": \"y\"}}");
    EXPECT_EQ(block(j), "{\n  \"b\": 1,\n  \"a\": [\n    1,\n    -2\n  ],\n  \"leer\": [],\n  \"o\": {\"x\": \"y\"}\n}");
    EXPECT_EQ(block(Json::array({{{"i", 0}}, {{"i", 1}}})), "[\n  {\"i\": 0},\n  {\"i\": 1}\n]");
    EXPECT_EQ(block(Json::array()), "[]");
    EXPECT_EQ(zeile(Json::object()), "{}");
}

} // namespace
} // namespace kav::json
