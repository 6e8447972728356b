// The one rule for "Drucken" and "Daten speichern", as a table of roads the
// user takes through a page, and what the session tells its observers.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "session.h"

namespace kav::session {
namespace {

struct Road {
    const char* name;
    std::function<void(Session&)> steps;
    bool drucken;
    int speichernTyp; // the page whose "Daten speichern" is asked about
    bool speichern;
};

void aufSeite(Session& s, Seite seite) {
    s.verbindungHergestellt({});
    s.setSeite(seite);
}
// One measurement of `typ` from start to display.
void messen(Session& s, int typ) {
    s.messungGestartet(typ);
    s.auslesenBegonnen(typ);
    s.ergebnisAngezeigt(typ);
}

const Road kRoads[] = {
    {"NothingShown", [](Session& s) { aufSeite(s, Seite::Aktuell); }, false, 1, false},
    {"CurrentSingleShown",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         messen(s, 1);
     },
     true, 1, true},
    {"CurrentContinuousShown",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         s.setDauerlesen(1, true);
         messen(s, 1);
         s.messungGestartet(1); // the next one at once
     },
     false, 1, false},
    {"CurrentContinuousSwitchedOff",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         s.setDauerlesen(1, true);
         messen(s, 1);
         s.auslesenBegonnen(1);
         s.setDauerlesen(1, false);
     },
     true, 1, true},
    {"CurrentReadAgainBeforeFirstReadout",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         messen(s, 1);
         s.messungGestartet(1); // "Werte lesen": only "Werte lesen" is locked
     },
     true, 1, true},
    {"OscillationReadAgainBeforeFirstReadout",
     [](Session& s) {
         aufSeite(s, Seite::Drehschwebung);
         messen(s, 3);
         s.messungGestartet(3);
     },
     true, 3, false},
    {"ReadoutRunning",
     [](Session& s) {
         aufSeite(s, Seite::Drehschwebung);
         messen(s, 3);
         s.messungGestartet(3);
         s.auslesenBegonnen(3);
     },
     false, 3, false},
    {"FailedHidesTheResult",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         messen(s, 1);
         s.auslesenBegonnen(1);
         s.messungFehlgeschlagen(1);
     },
     false, 1, false},
    {"TimedOutKeepsTheResultButNotSaving",
     [](Session& s) {
         aufSeite(s, Seite::Drehschwebung);
         s.setDauerlesen(3, true);
         messen(s, 3);
         s.auslesenBegonnen(3);
         s.messungAbgelaufen(3);
     },
     true, 3, false},
    {"TimedOutWithoutResult",
     [](Session& s) {
         aufSeite(s, Seite::Drehschwebung);
         s.messungGestartet(3);
         s.auslesenBegonnen(3);
         s.messungAbgelaufen(3);
     },
     false, 3, false},
    {"BadPulsesShown",
     [](Session& s) {
         aufSeite(s, Seite::Schlechtimpulse);
         messen(s, 2);
     },
     true, 2, true},
    {"BadPulsesStartedAgain",
     [](Session& s) {
         aufSeite(s, Seite::Schlechtimpulse);
         messen(s, 2);
         s.messungGestartet(2);
     },
     true, 2, false},
    {"LeavingThePage",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         messen(s, 1);
         s.setSeite(Seite::Start);
     },
     false, 1, false},
    {"StoredRecordWhileCurrentIsContinuous",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         s.setDauerlesen(1, true);
         s.setSeite(Seite::DatenVomGeraet);
         messen(s, 1);
     },
     true, 1, false},
    {"StoredRecordBeingLoaded",
     [](Session& s) {
         aufSeite(s, Seite::DatenVomGeraet);
         messen(s, 3);
         s.anzeigeLeeren();
     },
     false, 3, false},
    {"OpenedFileOffline",
     [](Session& s) {
         s.setSeite(Seite::DatenVomComputer);
         s.ergebnisAngezeigt(2);
     },
     true, 2, false},
    {"Disconnected",
     [](Session& s) {
         aufSeite(s, Seite::Aktuell);
         messen(s, 1);
         s.verbindungGetrennt();
     },
     false, 1, false},
    {"ClearedByThePage",
     [](Session& s) {
         aufSeite(s, Seite::Drehschwebung);
         messen(s, 3);
         s.ergebnisLoeschen(3);
     },
     false, 3, false},
};

class EnabledStates : public ::testing::TestWithParam<Road> {};

TEST_P(EnabledStates, FollowTheRoad) {
    Session s;
    GetParam().steps(s);
    EXPECT_EQ(s.druckenAktiv(), GetParam().drucken);
    EXPECT_EQ(s.datenSpeichernAktiv(GetParam().speichernTyp), GetParam().speichern);
}

INSTANTIATE_TEST_SUITE_P(Roads, EnabledStates, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Session, PrintingWaitsForDeviceWork) {
    Session s;
    aufSeite(s, Seite::Aktuell);
    messen(s, 1);
    s.setBeschaeftigt(true);
    EXPECT_TRUE(s.druckenAktiv());
    EXPECT_FALSE(s.druckenErlaubt());
}

TEST(Session, DisplayTakesTheSavedCopyAndSavingNeedsData) {
    Session s;
    aufSeite(s, Seite::Schlechtimpulse);
    s.schlechtimpulse().live.AnzahlAbweichungen = 0;
    messen(s, 2);
    EXPECT_TRUE(s.datenSpeichernAktiv(2));
    EXPECT_FALSE(s.datenSpeichernWirkt(2)); // no deviation found: the click does nothing
    s.schlechtimpulse().live.AnzahlAbweichungen = 3;
    EXPECT_FALSE(s.datenSpeichernWirkt(2)); // the live record is not what is saved
    s.ergebnisAngezeigt(2);
    EXPECT_TRUE(s.datenSpeichernWirkt(2));
}

TEST(Session, ObserversHearEachChangeOnceAndCanLeave) {
    Session s;
    std::vector<Aenderung> gehoert;
    const int n = s.anmelden([&](Aenderung a) { gehoert.push_back(a); });
    s.setBeschaeftigt(true);
    s.setBeschaeftigt(true); // no change, no notification
    s.setGeberSeriennummer("G-1");
    EXPECT_EQ(gehoert, (std::vector<Aenderung>{Aenderung::Beschaeftigt, Aenderung::Geber}));
    s.abmelden(n);
    s.setBeschaeftigt(false);
    EXPECT_EQ(gehoert.size(), 2u);
}

TEST(Session, DisconnectForgetsIdentityAndEncoder) {
    Session s;
    Identitaet id;
    id.seriennummer.text = "070123";
    s.verbindungHergestellt(id);
    s.setGeberSeriennummer("G-1");
    EXPECT_EQ(s.seite(), Seite::Start);
    s.verbindungGetrennt();
    EXPECT_FALSE(s.verbunden());
    EXPECT_EQ(s.identitaet().seriennummerText(), "");
    EXPECT_EQ(s.geberSeriennummer(), "");
    EXPECT_EQ(s.seite(), Seite::Verbindung);
}

TEST(Session, BadPulsesHaveNoContinuousReading) {
    Session s;
    EXPECT_THROW(s.setDauerlesen(2, true), std::invalid_argument);
    EXPECT_THROW(s.messungGestartet(4), std::out_of_range);
}

} // namespace
} // namespace kav::session
