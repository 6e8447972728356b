// Listing the device's records and loading one, against the simulated device.
#include <gtest/gtest.h>

#include "device_memory.h"
#include "sim_link_fixture.h"

namespace kav::records {
namespace {

using sim::FaultRule;

class DeviceMemory : public sim::test::SimLinkTest {
protected:
    void oeffnen(int datensaetze = 6) {
        sim::SimOptions o;
        o.storedRecords = datensaetze;
        make(o);
        ASSERT_EQ(open(), 0) << diagnose;
    }
};

void fehlerbit(sim::Scenario& s, const std::string& befehl, std::vector<std::uint8_t> parameter = {}) {
    FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, befehl);
    r.parameterPrefix = std::move(parameter);
    s.add(r);
}

TEST_F(DeviceMemory, ListsEveryRecordWithItsHeader) {
    oeffnen();
    std::vector<int> gemeldet;
    const Auflistung a = DatenVomG(*link, [&](int i, const std::string&) { gemeldet.push_back(i); });
    ASSERT_EQ(a.ergebnis, Listenergebnis::Ok);
    EXPECT_FALSE(a.hatMeldung());
    EXPECT_EQ(a.anzahl, 6);
    EXPECT_EQ(a.zeilen, (std::vector<std::string>{"Motor 1   ", "Welle A   ", "Pumpe 12  ", "Luefter 3 ", "Antrieb 2 ",
                                                  "Spindel   "}));
    EXPECT_EQ(gemeldet, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (std::size_t i = 0; i < 6; ++i) {
        const auto k = datensatzkopfLesen(a.KopfListe[i]);
        ASSERT_TRUE(k);
        EXPECT_EQ(k->typ, static_cast<int>(i % 3 + 1));
        EXPECT_EQ(k->geraetSN, "070123");
    }
    EXPECT_EQ(a.KopfListe[6], "");
    EXPECT_EQ(datumText(datensatzkopfLesen(a.KopfListe[0])->zeit), "07.03.2024 - 09:05:00");
    ASSERT_EQ(a.log.size(), 6u);
    EXPECT_EQ(a.log[0], (LogZeile{true, "DatenVomG -> " + a.KopfListe[0]}));
}

TEST_F(DeviceMemory, EmptyAndFullMemory) {
    oeffnen(0);
    Auflistung a = DatenVomG(*link);
    EXPECT_EQ(a.ergebnis, Listenergebnis::Ok);
    EXPECT_EQ(a.anzahl, 0);
    EXPECT_TRUE(a.zeilen.empty());
    EXPECT_EQ(listenMeldung(a.ergebnis, "D").text, "") << "no message";

    oeffnen(254);
    a = DatenVomG(*link);
    EXPECT_EQ(a.ergebnis, Listenergebnis::Ok);
    ASSERT_EQ(a.zeilen.size(), 254u);
    EXPECT_EQ(a.zeilen[253], "Welle A 21");
    EXPECT_FALSE(a.KopfListe[253].empty());
    EXPECT_TRUE(a.KopfListe[254].empty());
}

TEST_F(DeviceMemory, FailuresOfTheListing) {
    struct Fall {
        const char* was;
        std::function<void(sim::Scenario&)> einrichten;
        Listenergebnis ergebnis;
        std::size_t zeilen;
        std::string meldungE;
    };
    const Fall faelle[] = {
        {"measuring mode", [](sim::Scenario& s) { s.ownMeasuringMode = true; }, Listenergebnis::Messmodus, 0,
         "KAV100 is in measurement mode.\r\n\r\nExit measurement mode\r\nand try again."},
        {"count fails", [](sim::Scenario& s) { fehlerbit(s, "RD_FramDataNum"); }, Listenergebnis::AnzahlFehler, 0,
         "Read data\r\ncould not be executed."},
        {"count unanswered", [](sim::Scenario& s) { s.silentFor("RD_FramDataNum"); }, Listenergebnis::AnzahlFehler, 0,
         "Read data\r\ncould not be executed."},
        {"header 3 fails", [](sim::Scenario& s) { fehlerbit(s, "RD_FramDataHead", {3}); }, Listenergebnis::KopfFehler,
         3, "Internal error 2. Read data"},
        {"header 0 with a device error report",
         [](sim::Scenario& s) { s.add(FaultRule::make(FaultRule::Kind::ErrorReport, "RD_FramDataHead")); },
         Listenergebnis::KopfFehler, 0, "Internal error 2. Read data"},
        {"header cut short",
         [](sim::Scenario& s) { s.add(FaultRule::make(FaultRule::Kind::Truncated, "RD_FramDataHead")); },
         Listenergebnis::KopfFehler, 0, "Internal error 2. Read data"},
    };
    for (const Fall& f : faelle) {
        oeffnen();
        f.einrichten(scenario());
        const Auflistung a = DatenVomG(*link);
        EXPECT_EQ(a.ergebnis, f.ergebnis) << f.was;
        EXPECT_EQ(a.zeilen.size(), f.zeilen) << f.was << ": lines already listed stay";
        EXPECT_TRUE(a.hatMeldung()) << f.was;
        EXPECT_EQ(listenMeldung(a.ergebnis, "E").text, f.meldungE) << f.was;
        if (f.ergebnis == Listenergebnis::KopfFehler) {
            EXPECT_EQ(a.fehlerIndex, static_cast<int>(f.zeilen)) << f.was;
            EXPECT_EQ(a.log.back(), (LogZeile{false, "DatenVomG -> Fehler in DatenVomG"})) << f.was;
        }
    }
    EXPECT_EQ(listenMeldung(Listenergebnis::AnzahlFehler, "D").text,
              "Auslesen der Datenanzahl\r\nkonnte nicht ausgeführt werden.");
}

TEST_F(DeviceMemory, CommandsMissingFromTheList) {
    sim::SimOptions o;
    o.scenario.omittedCommands = {"RD_FramDataNum"};
    make(o);
    ASSERT_EQ(open(), 0);
    Auflistung a = DatenVomG(*link);
    EXPECT_EQ(a.ergebnis, Listenergebnis::AnzahlNichtGelistet);
    EXPECT_FALSE(a.hatMeldung());
    EXPECT_EQ(a.log,
              (std::vector<LogZeile>{{true, "DatenVomG -> 'RD_FramDataNum' konnte nicht\r\nausgelesen werden."}}));

    o.scenario.omittedCommands = {"RD_FramDataHead"};
    make(o);
    ASSERT_EQ(open(), 0);
    a = DatenVomG(*link);
    EXPECT_EQ(a.ergebnis, Listenergebnis::KopfNichtGelistet);
    EXPECT_TRUE(a.zeilen.empty());
    EXPECT_TRUE(a.log.empty());
}

TEST_F(DeviceMemory, LoadingARecord) {
    oeffnen();
    const Auflistung a = DatenVomG(*link);
    const Ladung l = datensatzLaden(*link, 2, a.KopfListe);
    ASSERT_EQ(l.ergebnis, Ladeergebnis::Ok);
    EXPECT_EQ(l.AktDateiTyp, 3);
    EXPECT_EQ(l.anzeige.name, "Pumpe 12") << "trimmed";
    EXPECT_EQ(l.anzeige.geraetSN, "070123");
    EXPECT_EQ(l.anzeige.geberSN, device().records().at(2)->result.encoderSerial);
    EXPECT_EQ(l.anzeige.datum, "14.03.2024 - 12:30:10");
    ASSERT_EQ(l.KopfText.size(), 34u);
    EXPECT_EQ(l.KopfText[10], '\0') << "NUL bytes included";
    EXPECT_EQ(device().currentResult().type, sim::ResultType::Oscillation) << "the device made it its current result";
    EXPECT_TRUE(ladeMeldung(l.ergebnis, "E").text.empty());

    // What saving it takes from KopfText.
    const auto g = kopfTextTexte(l.KopfText);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->texte.name, "Pumpe 12  ");
    EXPECT_EQ(datumText(g->zeit), l.anzeige.datum);
}

TEST_F(DeviceMemory, LoadingFailures) {
    oeffnen();
    const Auflistung a = DatenVomG(*link);
    EXPECT_EQ(datensatzLaden(*link, -1, a.KopfListe).ergebnis, Ladeergebnis::KeineAuswahl);
    EXPECT_EQ(datensatzLaden(*link, 6, a.KopfListe).ergebnis, Ladeergebnis::KeineAuswahl) << "not listed";
    EXPECT_EQ(datensatzLaden(*link, 256, a.KopfListe).ergebnis, Ladeergebnis::KeineAuswahl);

    fehlerbit(scenario(), "RD_FramData");
    Ladung l = datensatzLaden(*link, 1, a.KopfListe);
    EXPECT_EQ(l.ergebnis, Ladeergebnis::Fehler);
    EXPECT_EQ(l.AktDateiTyp, 0);
    EXPECT_EQ(ladeMeldung(l.ergebnis, "D").text, "Auslesen der Datei\r\nkonnte nicht ausgeführt werden.");

    sim::SimOptions o;
    o.scenario.omittedCommands = {"RD_FramData"};
    make(o);
    ASSERT_EQ(open(), 0);
    const Auflistung b = DatenVomG(*link);
    l = datensatzLaden(*link, 0, b.KopfListe);
    EXPECT_EQ(l.ergebnis, Ladeergebnis::NichtGelistet);
    EXPECT_EQ(l.AktDateiTyp, 0);
    EXPECT_TRUE(ladeMeldung(l.ergebnis, "D").text.empty()) << "no message";
    EXPECT_EQ(l.log,
              (std::vector<LogZeile>{{true, "lstAlle.DblClick -> 'RD_FramData' konnte nicht ausgelesen werden."}}));
}

} // namespace
} // namespace kav::records
