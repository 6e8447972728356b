#include <gtest/gtest.h>

#include <QPalette>

#include "ole_color.h"

using namespace kav::controls;

TEST(OleColor, PlainColoursAreBlueGreenRed) {
    QPalette p;
    EXPECT_EQ(toQColor(0x0000FF, p), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0x00C000, p), QColor(0, 0xC0, 0));
    EXPECT_EQ(toQColor(0xFF0000, p), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(-1, p), QColor(255, 255, 255));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(OleColor, SystemColoursFollowThePalette) {
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::Text, QColor(4, 5, 6));
    p.setColor(QPalette::Base, QColor(7, 8, 9));
    EXPECT_TRUE(isSystemColor(static_cast<qint32>(0x8000000Fu)));
    EXPECT_FALSE(isSystemColor(0xC0C0C0));
    EXPECT_EQ(toQColor(systemColor(kColorButtonFace), p), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(static_cast<qint32>(0x80000008u), p), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(static_cast<qint32>(0x80000005u), p), QColor(7, 8, 9));
}
