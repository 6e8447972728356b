// The cycle's decisions: starts, outcomes of the poll tick, every way a
// measurement fails, and the busy flag on every way out.
#include "measure_fixture.h"

namespace kav::measure::test {
namespace {

class Cycle : public MeasureTest {
protected:
    void TearDown() override {
        EXPECT_EQ(host.beschaeftigtAn, host.beschaeftigtAus);
        EXPECT_FALSE(host.beschaeftigtJetzt);
    }
    PollOutcome run(int typ, int* ticks = nullptr) {
        if (typ == 1) {
            AktuellWerte w;
            return measure(w, ticks);
        }
        if (typ == 2) {
            SchlechtimpulsWerte w;
            return measure(w, ticks);
        }
        DrehschwebungWerte w;
        return measure(w, ticks);
    }
};

struct OutcomeCase {
    const char* flags;
    int typ;
    PollOutcome outcome;
    const char* message; // the last message, "" none
};

TEST_F(Cycle, OutcomesOfAMeasurement) {
    const OutcomeCase cases[] = {
        {"", 1, PollOutcome::Finished, ""},
        {"--device-error", 1, PollOutcome::Failed, "Device error.\r\nFinish program\r\nand restart the device."},
        {"--not-pc-mode", 2, PollOutcome::Failed, "Measurement impossible.\r\nKAV must set to PC-measurement."},
        {"--device-error", 3, PollOutcome::Failed, "Device error.\r\nFinish program\r\nand restart the device."},
        {"--pulses 199", 3, PollOutcome::Failed, "Pulse rate too low.\r\nMeasurement impossible!"},
        {"--pulses 200", 3, PollOutcome::Finished, ""},
        {"--steady --speed 50", 3, PollOutcome::Failed, "Speed rate too low.\r\nMeasurement impossible!"},
        {"--steady --speed 99", 3, PollOutcome::Failed, "Speed rate too low.\r\nMeasurement impossible!"},
        {"--steady --speed 100", 3, PollOutcome::Finished, ""},
        {"--steady --speed 0", 3, PollOutcome::Finished, ""},
        {"--steady --speed -50", 3, PollOutcome::Finished, ""},
        {"--steady --speed 50", 1, PollOutcome::Finished, ""},
        // A value that fails inside the loop stays 0; the result still comes.
        {"--failure-bit=RD_Info/1A", 1, PollOutcome::Finished, "Measurement\r\ncould not be executed."},
        {"--error-report 16:RD_Info/1B", 1, PollOutcome::Finished, "Measurement\r\ncould not be executed."},
        {"--failure-bit=RD_Info/47", 2, PollOutcome::Finished, "Measurement\r\ncould not be executed."},
        {"--bad-crc=RD_Info/3B", 3, PollOutcome::Finished, "Measurement\r\ncould not be executed."},
        // Without its pulse number an oscillation cannot go on.
        {"--failure-bit=RD_Info/18", 3, PollOutcome::Failed, "Measurement\r\ncould not be executed."},
        // A failed state read: the current values go on without the test,
        // the others wait for the next tick and time out.
        {"--failure-bit=RD_Info/08", 1, PollOutcome::Finished, ""},
        {"--failure-bit=RD_Info/08", 2, PollOutcome::TimedOut, "Measurement impossible.\r\nTime out."},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(std::string(c.flags) + " type " + std::to_string(c.typ));
        host = RecordingHost{};
        make(c.flags);
        EXPECT_EQ(run(c.typ), c.outcome);
        EXPECT_EQ(host.meldungen.empty() ? "" : host.meldungen.back(), c.message);
        EXPECT_EQ(host.beschaeftigtAn, host.beschaeftigtAus);
    }
}

TEST_F(Cycle, TimeOutAfterTwentyCountedAttempts) {
    const std::pair<const char*, int> cases[] = {
        {"--never-ready", 1}, {"--busy-forever", 3}, {"--omit RD_InfoUpdate", 2}};
    for (const auto& [flags, typ] : cases) {
        SCOPED_TRACE(flags);
        host = RecordingHost{};
        make(flags);
        int ticks = 0;
        EXPECT_EQ(run(typ, &ticks), PollOutcome::TimedOut);
        EXPECT_EQ(ticks, kMaxPollAttempts);
        EXPECT_EQ(cycle->AbfrageZaehler, kMaxPollAttempts);
        EXPECT_EQ(host.meldungen, (std::vector<std::string>{"Measurement impossible.\r\nTime out."}));
    }
}

TEST_F(Cycle, ReadoutFailuresAreLogged) {
    struct Case {
        const char* flags;
        int typ;
        const char* line;
    };
    const Case cases[] = {
        {"--omit RD_InfoUpdate", 1, "DateiTyp1Lesen -> 'RD_InfoUpdate' konnte nicht\r\nausgelesen werden."},
        {"--failure-bit=RD_InfoUpdate", 3, "DateiTyp3Lesen -> 'RD_InfoUpdate' konnte nicht\r\nausgefürt werden."},
        {"--omit RD_Info", 2, "DateiTyp2Lesen -> 'RD_Info' konnte nicht\r\nausgelesen werden."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        host = RecordingHost{};
        make(c.flags);
        EXPECT_EQ(run(c.typ), PollOutcome::TimedOut);
        ASSERT_FALSE(host.tages.empty());
        EXPECT_EQ(host.tages.front(), c.line);
    }
}

TEST_F(Cycle, MissingArrayCommand) {
    make("--omit RD_InfoArray --deviations 2");
    EXPECT_EQ(run(2), PollOutcome::Finished);
    EXPECT_EQ(host.tages, (std::vector<std::string>{"DateiTyp2Lesen -> 'RD_InfoArray' (AbwV) konnte nicht\r\n"
                                                    "ausgelesen werden.",
                                                    "DateiTyp2Lesen -> 'RD_InfoArray' (AbwP) konnte nicht\r\n"
                                                    "ausgelesen werden."}));
    host = RecordingHost{};
    DrehschwebungWerte w;
    EXPECT_EQ(measure(w), PollOutcome::Finished);
    EXPECT_EQ(host.tages,
              (std::vector<std::string>{"DateiTyp3Lesen -> 'RD_InfoArray' konnte nicht\r\nausgelesen werden."}));
    EXPECT_EQ(w.AnzahlMesswerte, 0);
    EXPECT_TRUE(w.Messdaten.empty());
}

TEST_F(Cycle, FailedStarts) {
    struct Case {
        const char* flags;
        int typ;
        const char* message;
        const char* debug;
        Start start;
    };
    const Case cases[] = {
        {"--failure-bit=DO_MesAktuell", 1, "Measurement impossible.\r\nAn error occured.", "", Start::Abgelehnt},
        {"--failure-bit=DO_MesSchlechtimpuls", 2, "Bad pulse measurement\r\ncould not be executed.", "",
         Start::Abgelehnt},
        {"--silent-for DO_MesDrehschwebung", 3, "Measurement impossible.\r\nAn error occured.", "", Start::Abgelehnt},
        {"--omit DO_MesSchlechtimpuls", 2, "",
         "DateiTyp2Live -> 'DO_MesSchlechtimpuls' konnte nicht\r\nausgelesen werden.", Start::NichtGelistet},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        host = RecordingHost{};
        make(c.flags);
        cycle->AbfrageZaehler = 7;
        const Start start = c.typ == 1   ? cycle->DateiTyp1Live()
                            : c.typ == 2 ? cycle->DateiTyp2Live()
                                         : cycle->DateiTyp3Live();
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(cycle->AbfrageZaehler, 0);
        EXPECT_EQ(host.meldungen.empty() ? "" : host.meldungen.back(), c.message);
        EXPECT_EQ(host.debug.empty() ? "" : host.debug.back(), c.debug);
    }
    host.sprache = "D";
    make("--failure-bit=DO_MesAktuell");
    EXPECT_EQ(cycle->DateiTyp1Live(), Start::Abgelehnt);
    EXPECT_EQ(host.letzteMeldung(), "Messung nicht möglich.\r\nEs ist Ein Fehler aufgetreten.");
}

TEST_F(Cycle, StartRequestsPerMode) {
    EXPECT_EQ(cycle->DateiTyp1Live(), Start::Gestartet);
    EXPECT_EQ(cycle->DateiTyp2Live(), Start::Gestartet);
    EXPECT_EQ(cycle->DateiTyp3Live(), Start::Gestartet);
    EXPECT_EQ(requests(), (std::vector<std::string>{"DO_MesAktuell", "DO_MesSchlechtimpuls", "DO_MesDrehschwebung 1"}));
    EXPECT_EQ(host.beschaeftigtAn, 3);
}

TEST_F(Cycle, ACancelledMeasurementIsDropped) {
    ASSERT_EQ(cycle->DateiTyp2Live(), Start::Gestartet);
    requests();
    cycle->abbrechen(1);
    cycle->abbrechen(2);
    SchlechtimpulsWerte live;
    live.Impulszahl = 1024;
    live.Frequenz = 25600;
    live.AnzahlAbweichungen = 3;
    clock.advance(std::chrono::milliseconds(500));
    EXPECT_EQ(cycle->pollTick(live).ergebnis, PollOutcome::Dropped);
    EXPECT_TRUE(requests().empty());
    EXPECT_TRUE(host.meldungen.empty());
    // Cleared, but the bad-pulse record keeps pulse number and frequency.
    EXPECT_EQ(live.Impulszahl, 1024);
    EXPECT_EQ(live.Frequenz, 25600);
    EXPECT_EQ(live.AnzahlAbweichungen, 0);
    AktuellWerte aktuell;
    aktuell.Impulszahl = 1024;
    EXPECT_EQ(cycle->pollTick(aktuell).ergebnis, PollOutcome::Dropped);
    EXPECT_EQ(aktuell, AktuellWerte{});
    // A new start does not resume it; resuming does, and only the one type.
    ASSERT_EQ(cycle->DateiTyp2Live(), Start::Gestartet);
    clock.advance(std::chrono::milliseconds(500));
    EXPECT_EQ(cycle->pollTick(live).ergebnis, PollOutcome::Dropped);
    cycle->fortsetzen(2);
    EXPECT_FALSE(cycle->abgebrochen(2));
    EXPECT_TRUE(cycle->abgebrochen(1));
    requests();
    EXPECT_EQ(poll(live), PollOutcome::Finished);
    EXPECT_FALSE(requests().empty());
}

TEST_F(Cycle, TheReasonOfAnEnd) {
    const struct {
        const char* flags;
        int typ;
        Grund grund;
    } cases[] = {
        {"", 1, Grund::Keiner},
        {"--device-error", 2, Grund::Geraetefehler},
        {"--not-pc-mode", 1, Grund::NichtPcMessung},
        {"--pulses 199", 3, Grund::ImpulszahlZuNiedrig},
        {"--steady --speed 50", 3, Grund::DrehzahlZuNiedrig},
        {"--failure-bit=RD_Info/18", 3, Grund::ImpulszahlFehlt},
        {"--never-ready", 1, Grund::Zeitueberschreitung},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        make(c.flags);
        run(c.typ);
        EXPECT_EQ(letzterTick.grund, c.grund);
    }
}

TEST_F(Cycle, EachStartCountsAfresh) {
    make("--never-ready");
    for (int round = 0; round < 2; ++round) {
        SchlechtimpulsWerte live;
        int ticks = 0;
        EXPECT_EQ(measure(live, &ticks), PollOutcome::TimedOut);
        EXPECT_EQ(ticks, kMaxPollAttempts);
    }
}

} // namespace
} // namespace kav::measure::test
