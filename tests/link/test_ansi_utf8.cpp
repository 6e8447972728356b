// Windows-1252 to UTF-8 and back.
#include <gtest/gtest.h>

#include "ansi_utf8.h"

namespace kav {
namespace {

TEST(AnsiUtf8, BothWays) {
    struct Case {
        std::string ansi, utf8;
    };
    const Case cases[] = {
        {"G4711023", "G4711023"}, {"\xC4\xD6\xDC\xE4\xF6\xFC\xDF", "ÄÖÜäöüß"},      {"\x80 \x8A \x9F", "€ Š Ÿ"},
        {"\xB0\xFF", "°ÿ"},       {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ansiToUtf8(c.ansi), c.utf8);
        EXPECT_EQ(utf8ToAnsi(c.utf8), c.ansi);
    }
    // The five undefined bytes keep their number as a control character, both ways.
    EXPECT_EQ(ansiToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
    EXPECT_EQ(utf8ToAnsi("\xC2\x81\xC2\x9D"), "\x81\x9D");
}

TEST(AnsiUtf8, WhatTheCodePageCannotHold) {
    EXPECT_EQ(utf8ToAnsi("Ω→😀x"), "???x");
    EXPECT_EQ(utf8ToAnsi("\xC3"), "?");          // cut short at the end
    EXPECT_EQ(utf8ToAnsi("\xC3x"), "?x");        // cut short by a plain character
    EXPECT_EQ(utf8ToAnsi("\xC0\x80"), "?");      // overlong form
    EXPECT_EQ(utf8ToAnsi("\xFF\xFE"), "??");     // no lead byte
    EXPECT_EQ(utf8ToAnsi("a→\xC3", '_'), "a__"); // a replacement of the caller's choice
    EXPECT_EQ(utf8ToAnsi("\xC2\x80"), "?");      // U+0080 is not in the code page (0x80 is the euro sign)
}

} // namespace
} // namespace kav
