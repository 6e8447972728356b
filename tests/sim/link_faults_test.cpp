// Each fault of the simulated device through the link: the result the link
// prescribes, never a crash, never a wait beyond its time-outs (measured on
// the manual clock).
#include <gtest/gtest.h>

#include "sim_link_fixture.h"

namespace kav::sim::test {
namespace {
using namespace std::chrono_literals;

// Two reads of at most 1000 ms each per attempt, at most five attempts.
constexpr auto kWorstTransaction = 10s;

class LinkFaults : public SimLinkTest {
protected:
    void openFine() { ASSERT_EQ(open(), 0) << diagnose; }

    // The serial number read as the connection reads it, with its cost.
    struct Outcome {
        std::string value;
        Clock::duration took;
        int writes;
    };
    Outcome readSerial() {
        const auto start = clock.now();
        const int writes = ft->calls().write;
        const std::string v = program->text("RD_Info", "3");
        return {v, clock.now() - start, ft->calls().write - writes};
    }
    static int requestsOfOpen() {
        // Entries 1-9, the handshake, entries 10 on, the query that finds "EndofTab".
        return 2 * 45 + 1 + 1;
    }
};

TEST_F(LinkFaults, SilentDeviceFailsTheListReadAfterOneResend) {
    SimOptions o;
    o.scenario.silent();
    make(o);
    const auto start = clock.now();
    EXPECT_EQ(open(), 2);
    EXPECT_EQ(clock.now() - start, 4s) << "two attempts of two 1000 ms reads";
    EXPECT_EQ(ft->calls().write, 2);
    EXPECT_NE(diagnose.find("RD_InfoText$ nicht gesetzt"), std::string::npos) << diagnose;
    EXPECT_FALSE(link->isOpen());
    EXPECT_FALSE(ft->isOpen()) << "closed again";
}

TEST_F(LinkFaults, SilentAfterTheCommandListEndsTheInfoListButNotTheConnection) {
    scenario().silentAfter(requestsOfOpen());
    const auto start = clock.now();
    EXPECT_EQ(open(), 0) << diagnose;
    EXPECT_EQ(clock.now() - start, 4s) << "the first info query costs one failed transaction";
    EXPECT_EQ(link->infoCount(), 0);
    const Outcome o = readSerial();
    EXPECT_EQ(o.value, "ERROR");
    EXPECT_EQ(o.took, 4s);
    EXPECT_EQ(o.writes, 2);
}

TEST_F(LinkFaults, SilentForOneCommand) {
    openFine();
    scenario().silentFor("RD_Info");
    EXPECT_EQ(readSerial().value, "ERROR");
    EXPECT_EQ(program->number("RD_FramDataNum", "", "B"), 6) << "other commands still answered";
}

TEST_F(LinkFaults, WrongCrcGivesErrorChkWithoutResend) {
    openFine();
    scenario().add(FaultRule::make(FaultRule::Kind::CorruptCrc, "RD_Info"));
    const Outcome o = readSerial();
    EXPECT_EQ(o.value, "ERROR_CHK");
    EXPECT_EQ(o.writes, 1);
    EXPECT_EQ(o.took, 0s);
}

TEST_F(LinkFaults, FailureBitGivesErrorWithoutResend) {
    openFine();
    scenario().add(FaultRule::make(FaultRule::Kind::FailureBit, "RD_Info"));
    const Outcome o = readSerial();
    EXPECT_EQ(o.value, "ERROR");
    EXPECT_EQ(o.writes, 1);
}

TEST_F(LinkFaults, ErrorReportsBecomeDeviceErrorTexts) {
    openFine();
    FaultRule report = FaultRule::make(FaultRule::Kind::ErrorReport, "RD_Info");
    report.errorMask = 0x9;
    report.times = 1;
    scenario().add(report);
    EXPECT_EQ(readSerial().value, ",I2C-TimeOut,RS232-Checksum");
    FaultRule empty = FaultRule::make(FaultRule::Kind::ErrorReport, "RD_Info");
    empty.keepBytes = 0;
    empty.times = 1;
    scenario().add(empty);
    EXPECT_EQ(readSerial().value, "ERROR_INTERN");
    EXPECT_EQ(readSerial().value, "070123");
}

TEST_F(LinkFaults, TruncatedImpossibleLengthAndGarbageEndInFailureWithinTheTimeOuts) {
    openFine();
    for (FaultRule::Kind kind : {FaultRule::Kind::Truncated, FaultRule::Kind::BadLength, FaultRule::Kind::Garbage}) {
        FaultRule rule = FaultRule::make(kind, "RD_Info");
        rule.times = 2; // the resend is spoiled too
        scenario().add(rule);
        const Outcome o = readSerial();
        EXPECT_TRUE(istFehlerwert(o.value)) << static_cast<int>(kind) << ": " << o.value;
        EXPECT_LE(o.took, kWorstTransaction);
        EXPECT_LE(o.writes, 5);
        // What was left of the spoiled replies is dropped: the link stays usable.
        scenario().faults.clear();
        EXPECT_EQ(readSerial().value, "070123");
    }
}

// One spoiled reply, then good transactions: the spoiled one may fail or be
// saved by its resend, and the ones after it read their own replies at once.
TEST_F(LinkFaults, ASpoiledReplyCostsAtMostItsOwnTransaction) {
    openFine();
    const struct {
        const char* name;
        FaultRule rule;
        const char* value;    // of the spoiled transaction; nullptr: any failure text
        Clock::duration took; // at most
        int writes;
    } cases[] = {
        {"length 255", FaultRule::make(FaultRule::Kind::BadLength, "RD_Info"), "070123", 0s, 2},
        {"garbage", FaultRule::make(FaultRule::Kind::Garbage, "RD_Info"), nullptr, 1s, 1},
        {"truncated", FaultRule::make(FaultRule::Kind::Truncated, "RD_Info"), "ERROR_CHK", 1s, 1},
    };
    for (auto c : cases) {
        c.rule.times = 1;
        scenario().add(c.rule);
        const Outcome o = readSerial();
        if (c.value)
            EXPECT_EQ(o.value, c.value) << c.name;
        else
            EXPECT_TRUE(istFehlerwert(o.value)) << c.name << ": " << o.value;
        EXPECT_LE(o.took, c.took) << c.name;
        EXPECT_EQ(o.writes, c.writes) << c.name;
        const auto start = clock.now();
        EXPECT_EQ(program->text("RD_Info", "0"), "V2.13") << c.name;
        EXPECT_EQ(readSerial().value, "070123") << c.name;
        EXPECT_EQ(program->number("RD_FramDataNum", "", "B"), 6) << c.name;
        EXPECT_EQ(clock.now() - start, 0s) << c.name;
    }
}

// A reply later than its read time-outs is never taken for a later request.
TEST_F(LinkFaults, LateRepliesAreNotReadByTheNextTransaction) {
    openFine();
    const struct {
        std::chrono::milliseconds delay;
        const char* value;
        Clock::duration took;
        int writes;
    } cases[] = {
        {800ms, "070123", 800ms, 1},   // within the first read's time-out
        {1500ms, "070123", 1500ms, 2}, // the start of it in the second read: resent, the rest dropped
        {2500ms, "070123", 2500ms, 2}, // during the resend's read; the resend's own reply is dropped
    };
    for (const auto& c : cases) {
        FaultRule slow = FaultRule::make(FaultRule::Kind::Slow, "RD_Info");
        slow.delay = c.delay;
        slow.times = 1;
        scenario().add(slow);
        const Outcome o = readSerial();
        EXPECT_EQ(o.value, c.value) << c.delay.count();
        EXPECT_EQ(o.took, c.took) << c.delay.count();
        EXPECT_EQ(o.writes, c.writes) << c.delay.count();
        const auto start = clock.now();
        EXPECT_EQ(program->text("RD_Info", "0"), "V2.13") << c.delay.count();
        EXPECT_EQ(program->number("RD_FramDataNum", "", "B"), 6) << c.delay.count();
        EXPECT_EQ(clock.now() - start, 0s) << c.delay.count();
    }
}

// Later than both attempts, the reply arrives while the next request waits
// for its own: that transaction takes it, and the one after starts clean.
TEST_F(LinkFaults, AReplyLaterThanBothAttemptsCostsOneMoreTransaction) {
    openFine();
    FaultRule slow = FaultRule::make(FaultRule::Kind::Slow, "RD_Info");
    slow.delay = 4500ms;
    slow.times = 1;
    scenario().add(slow);
    const auto begin = clock.now();
    const Outcome o = readSerial();
    EXPECT_EQ(o.value, "ERROR");
    EXPECT_EQ(o.took, 4s);
    EXPECT_EQ(o.writes, 2);
    program->text("RD_Info", "0");
    EXPECT_EQ(clock.now() - begin, 4500ms);
    const auto start = clock.now();
    EXPECT_EQ(program->text("RD_Info", "0"), "V2.13");
    EXPECT_EQ(readSerial().value, "070123");
    EXPECT_EQ(clock.now() - start, 0s);
}

TEST_F(LinkFaults, TruncatedReplyIsACrcFailureAfterOneReadTimeOut) {
    openFine();
    FaultRule cut = FaultRule::make(FaultRule::Kind::Truncated, "RD_Info");
    scenario().add(cut);
    const Outcome o = readSerial();
    EXPECT_EQ(o.value, "ERROR_CHK");
    EXPECT_EQ(o.took, 1s);
    EXPECT_EQ(o.writes, 1);
}

TEST_F(LinkFaults, ImpossibleLengthByteIsNotReadIntoTheBuffer) {
    openFine();
    FaultRule longer = FaultRule::make(FaultRule::Kind::BadLength, "RD_Info");
    scenario().add(longer);
    const Outcome o = readSerial();
    EXPECT_EQ(o.value, "ERROR");
    EXPECT_LE(o.took, kWorstTransaction);
}

TEST_F(LinkFaults, RefusedVersionGivesResultThreeAndAClosedLink) {
    SimOptions o;
    o.scenario.refuseVersion = true;
    make(o);
    EXPECT_EQ(open(), 3);
    EXPECT_NE(diagnose.find("'WR_PCVers' = nichts."), std::string::npos) << diagnose;
    EXPECT_FALSE(link->isOpen());
    EXPECT_FALSE(ft->isOpen());
}

TEST_F(LinkFaults, MissingOrMisplacedConnectionCommands) {
    const struct {
        const char* name;
        bool omit;
        const char* message;
    } cases[] = {{"RD_InfoText", true, "RD_InfoText$ nicht gesetzt"},
                 {"WR_PCVers", true, "'WR_PCVers' nicht vorhanden."},
                 {"RD_InfoText", false, "RD_InfoText$ nicht gesetzt"},
                 {"WR_PCVers", false, "'WR_PCVers' nicht vorhanden."}};
    for (const auto& c : cases) {
        SimOptions o;
        (c.omit ? o.scenario.omittedCommands : o.scenario.commandsBeyond40).push_back(c.name);
        make(o);
        diagnose.clear();
        EXPECT_EQ(open(), 2) << c.name;
        EXPECT_NE(diagnose.find(c.message), std::string::npos) << diagnose;
    }
}

TEST_F(LinkFaults, AnOmittedCommandIsNotFoundAndNotSent) {
    SimOptions o;
    o.scenario.omittedCommands = {"DO_MesAktuell"};
    o.scenario.commandsBeyond40 = {"DO_FormatMem"};
    make(o);
    openFine();
    EXPECT_EQ(link->COM_GetStruktur("DO_MesAktuell"), "");
    const int writes = ft->calls().write;
    EXPECT_EQ(program->raw("DO_MesAktuell"), "");
    EXPECT_EQ(ft->calls().write, writes);
    // This link searches the whole list, so a command listed late still works.
    EXPECT_EQ(link->befehlsliste()[41].Name, "DO_FormatMem");
    EXPECT_EQ(program->text("DO_FormatMem"), "OK");
}

TEST_F(LinkFaults, FailedArrayBlockOnly) {
    openFine();
    ASSERT_EQ(program->text("DO_MesDrehschwebung", "3"), "OK"); // 600 samples
    clock.advance(5s);
    scenario().failArrayBlock(60, 240);
    EXPECT_NE(program->text("RD_InfoArray", "60|120|239"), "ERROR");
    EXPECT_EQ(program->text("RD_InfoArray", "60|240|359"), "ERROR");
    EXPECT_NE(program->text("RD_InfoArray", "60|360|479"), "ERROR");
}

TEST_F(LinkFaults, DropOffInTheMiddleOfATransfer) {
    openFine();
    FaultRule drop = FaultRule::make(FaultRule::Kind::DropOff, "RD_InfoArray");
    drop.times = 1;
    scenario().add(drop);
    ASSERT_EQ(program->text("DO_MesDrehschwebung", "1"), "OK");
    clock.advance(5s);
    const auto start = clock.now();
    EXPECT_TRUE(istFehlerwert(program->text("RD_InfoArray", "60|0|119")));
    const int writes = ft->calls().write;
    EXPECT_TRUE(istFehlerwert(program->text("RD_Info", "3")));
    EXPECT_LT(clock.now() - start, 1s) << "a vanished device fails at once, not by time-out";
    EXPECT_EQ(ft->calls().write, writes) << "a vanished converter is not asked again";
    EXPECT_TRUE(link->linkLost());
    EXPECT_FALSE(ft->isOpen()) << "its handle is closed";
    EXPECT_EQ(link->COM_USBSchliessen(), 0);
    diagnose.clear();
    const int opens = ft->calls().openEx;
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(ft->calls().openEx - opens, 3);
    ft->line().reconnect();
    diagnose.clear();
    EXPECT_EQ(open(), 0) << "plugged in again";
}

TEST_F(LinkFaults, NoConverterGivesResultOneAfterThreeAttempts) {
    SimOptions o;
    o.scenario.noConverter = true;
    make(o);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(ft->calls().openEx, 3);
    EXPECT_NE(diagnose.find("Open Failed"), std::string::npos) << diagnose;
}

TEST_F(LinkFaults, BusyForEverNeverReportsAResult) {
    openFine();
    scenario().busyForever = true;
    ASSERT_EQ(program->text("DO_MesAktuell"), "OK");
    for (int poll = 0; poll < 20; ++poll) {
        clock.advance(500ms);
        EXPECT_EQ(Program::byteOf(program->raw("RD_InfoUpdate"), 2) & 1, 0);
    }
    EXPECT_EQ(static_cast<int>(program->info(8, "B")) & 4, 4);
}

} // namespace
} // namespace kav::sim::test
