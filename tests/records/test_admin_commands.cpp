// The administrator commands against the simulated device.
#include <gtest/gtest.h>

#include "admin_commands.h"
#include "sim_link_fixture.h"

namespace kav::records {
namespace {

class Admin : public sim::test::SimLinkTest {
protected:
    void oeffnen(sim::SimOptions o = {}) {
        make(o);
        ASSERT_EQ(open(), 0) << diagnose;
    }
    int gefragt = 0;
    std::function<std::string()> eingabe(std::string text) {
        return [this, text] {
            ++gefragt;
            return text;
        };
    }
};

TEST_F(Admin, WritingTheSerialNumberReadsItBack) {
    oeffnen();
    const AdminAblauf a = AdminBefehl(link.get(), 0, true, eingabe("ABC123"));
    EXPECT_TRUE(a.erfolg);
    EXPECT_EQ(gefragt, 1);
    ASSERT_TRUE(a.geraetSN);
    EXPECT_EQ(*a.geraetSN, "ABC123");
    EXPECT_EQ(device().identity().serial, "ABC123");
    EXPECT_EQ(adminErgebnisMeldung(true),
              (Meldung{"Die Operation wurde ausgeführt.", "Erfolg", Meldung::Symbol::Information}));
}

TEST_F(Admin, FormattingEmptiesTheMemoryOnceConfirmed) {
    oeffnen();
    const AdminAblauf a = AdminBefehl(link.get(), 1, true, eingabe("nie"), [] { return true; });
    EXPECT_TRUE(a.erfolg);
    EXPECT_EQ(gefragt, 0) << "no input for formatting";
    EXPECT_EQ(device().records().count(), 0u);
    EXPECT_EQ(a.geraetSN, std::optional<std::string>("070123"));
}

TEST_F(Admin, EveryFailureEndsInKeinErfolg) {
    struct Fall {
        const char* was;
        int index;
        bool verbunden;
        std::string eingabe;
        std::function<void(sim::SimOptions&)> einrichten;
        bool messmodus;
        int gefragt;
        std::vector<LogZeile> log;
    };
    using sim::FaultRule;
    const Fall faelle[] = {
        {"not connected", 0, false, "ABC123", {}, false, 0, {}},
        {"input cancelled", 0, true, "", {}, false, 1, {}},
        {"measuring mode, serial",
         0,
         true,
         "ABC123",
         [](sim::SimOptions& o) { o.scenario.ownMeasuringMode = true; },
         true,
         0,
         {}},
        {"measuring mode, format",
         1,
         true,
         "",
         [](sim::SimOptions& o) { o.scenario.ownMeasuringMode = true; },
         true,
         0,
         {}},
        {"status read fails",
         1,
         true,
         "",
         [](sim::SimOptions& o) {
             FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, "RD_Info");
             r.parameterPrefix = {8};
             o.scenario.add(r);
         },
         false,
         0,
         {}},
        {"the device refuses the serial",
         0,
         true,
         "AB",
         [](sim::SimOptions& o) { o.scenario.add(FaultRule::make(FaultRule::Kind::FailureBit, "WR_MaschNr")); },
         false,
         1,
         {}},
        {"format fails",
         1,
         true,
         "",
         [](sim::SimOptions& o) { o.scenario.add(FaultRule::make(FaultRule::Kind::FailureBit, "DO_FormatMem")); },
         false,
         0,
         {}},
        {"command not listed",
         1,
         true,
         "",
         [](sim::SimOptions& o) { o.scenario.omittedCommands = {"DO_FormatMem"}; },
         false,
         0,
         {{true, "Administrator -> 'DO_FormatMem' konnte nicht ausgefuert werden."}}},
        {"serial command not listed",
         0,
         true,
         "ABC123",
         [](sim::SimOptions& o) { o.scenario.omittedCommands = {"WR_MaschNr"}; },
         false,
         0,
         {{true, "Administrator -> 'WR_MaschNr' konnte nicht ausgefuert werden."}}},
    };
    for (const Fall& f : faelle) {
        sim::SimOptions o;
        if (f.einrichten)
            f.einrichten(o);
        oeffnen(o);
        gefragt = 0;
        const AdminAblauf a =
            AdminBefehl(link.get(), f.index, f.verbunden, eingabe(f.eingabe), [] { return true; });
        EXPECT_FALSE(a.erfolg) << f.was;
        EXPECT_EQ(a.messmodus, f.messmodus) << f.was;
        EXPECT_EQ(gefragt, f.gefragt) << f.was;
        EXPECT_EQ(a.log, f.log) << f.was;
        EXPECT_FALSE(a.geraetSN) << f.was;
        EXPECT_EQ(device().records().count(), 6u) << f.was << ": the memory is untouched";
        EXPECT_EQ(device().identity().serial, "070123") << f.was;
    }
    EXPECT_EQ(adminErgebnisMeldung(false),
              (Meldung{"Bei der Ausführung gab's Problemen.", "Kein Erfolg", Meldung::Symbol::Stopp}));
}

TEST_F(Admin, WithoutRdInfoInTheList) {
    sim::SimOptions o;
    // The device does not list RD_Info.
    o.scenario.omittedCommands = {"RD_Info"};
    make(o);
    ASSERT_EQ(open(), 0);
    const AdminAblauf a = AdminBefehl(link.get(), 0, true, eingabe("ABC123"));
    EXPECT_FALSE(a.erfolg);
    EXPECT_EQ(a.log, (std::vector<LogZeile>{{true, "Administrator -> 'WR_MaschNr' konnte nicht gefunden werden."}}));
    EXPECT_EQ(gefragt, 0);
}

} // namespace
} // namespace kav::records
