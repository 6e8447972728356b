#include <globals.h>

#include "globals_sichern.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace kav::shell;

namespace {

struct Flags {
    bool debug, sprache, kommun, admin, math;
    bool operator==(const Flags&) const = default;
};

Flags lese(const QString& zeile) {
    schalterLesen(zeile);
    const Global& g = global();
    return {g.DebugAn, g.SpracheAn, g.KommunAn, g.AdminSchalter, g.MathAn};
}

} // namespace

TEST(Schalter, EachSwitchSetsItsFlagAloneAndTheLineIsKept) {
    kav::test::GlobalSichern sichern;
    EXPECT_EQ(lese(QString()), (Flags{false, false, false, false, false}));
    EXPECT_EQ(lese(QStringLiteral("/debug")), (Flags{true, false, false, false, false}));
    EXPECT_EQ(lese(QStringLiteral("/sprache")), (Flags{false, true, false, false, false}));
    EXPECT_EQ(lese(QStringLiteral("/kommun")), (Flags{false, false, true, false, false}));
    EXPECT_EQ(lese(QStringLiteral("/usr:kilo7, pwd:roxa")), (Flags{false, false, false, true, false}));
    EXPECT_EQ(lese(QStringLiteral("/math")), (Flags{false, false, false, false, true}));
    EXPECT_EQ(global().Befehlszeile, QStringLiteral("/math"));
}

TEST(Schalter, MatchIgnoresCaseAndFindsSubstringsAnywhere) {
    kav::test::GlobalSichern sichern;
    EXPECT_TRUE(lese(QStringLiteral("/DEBUG")).debug);
    EXPECT_TRUE(lese(QStringLiteral("/debugger")).debug);
    EXPECT_TRUE(lese(QStringLiteral("x/Debug-y")).debug);
    EXPECT_FALSE(lese(QStringLiteral("debug /debu")).debug);
    EXPECT_EQ(lese(QStringLiteral("/MATH/kommun  foo /Sprache")), (Flags{false, true, true, false, true}));
    EXPECT_EQ(lese(QStringLiteral("/sim /debug /sprache /kommun /usr:kilo7, pwd:roxa /math /port:/dev/ttyUSB0")),
              (Flags{true, true, true, true, true}));
}

TEST(Schalter, TheAdministratorSwitchMustStandWhole) {
    kav::test::GlobalSichern sichern;
    EXPECT_TRUE(lese(QStringLiteral("/USR:KILO7, PWD:ROXA")).admin);
    EXPECT_TRUE(lese(QStringLiteral("a/usr:kilo7, pwd:roxab")).admin);
    EXPECT_FALSE(lese(QStringLiteral("/usr:kilo7 pwd:roxa")).admin);
    EXPECT_FALSE(lese(QStringLiteral("/usr:kilo7,pwd:roxa")).admin);
    EXPECT_FALSE(lese(QStringLiteral("/usr:kilo7, pwd:rox")).admin);
    EXPECT_FALSE(lese(QStringLiteral("/usr:kilo7,  pwd:roxa")).admin);
}
