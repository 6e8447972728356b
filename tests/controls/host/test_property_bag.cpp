#include <gtest/gtest.h>

#include <QFont>

#include "property_bag.h"

using kav::controls::MemoryPropertyBag;

TEST(MemoryPropertyBag, ReadGivesStoredValueOrDefaultAndLogsTheNames) {
    MemoryPropertyBag bag;
    bag.set(QStringLiteral("iMin"), -100.0f);
    EXPECT_FLOAT_EQ(bag.readProperty(QStringLiteral("iMin"), -1.0f).toFloat(), -100.0f);
    EXPECT_EQ(bag.readProperty(QStringLiteral("iMax"), 1.0f).toFloat(), 1.0f);
    EXPECT_EQ(bag.readLog(), (QStringList{QStringLiteral("iMin"), QStringLiteral("iMax")}));
    EXPECT_FALSE(bag.contains(QStringLiteral("iMax"))) << "a read must not store the default";
}

TEST(MemoryPropertyBag, KeepsFirstWriteOrderAndReplacesInPlace) {
    MemoryPropertyBag bag;
    bag.writeProperty(QStringLiteral("b"), 1, 0);
    bag.writeProperty(QStringLiteral("a"), 2, 2); // equal to its default: still kept
    bag.writeProperty(QStringLiteral("b"), 3, 0);
    bag.writeProperty(QStringLiteral("Font"), QFont(QStringLiteral("Arial"), 12), QVariant());
    EXPECT_EQ(bag.names(), (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("Font")}));
    EXPECT_EQ(bag.value(QStringLiteral("b")).toInt(), 3);
    EXPECT_EQ(bag.value(QStringLiteral("a")).toInt(), 2);
    EXPECT_EQ(bag.value(QStringLiteral("Font")).value<QFont>().pointSize(), 12);
    EXPECT_FALSE(bag.value(QStringLiteral("none")).isValid());
    bag.clear();
    EXPECT_TRUE(bag.names().isEmpty());
    EXPECT_TRUE(bag.readLog().isEmpty());
}
