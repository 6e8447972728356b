// The administrator commands with each way to fail, and the About window.
#include <QAction>
#include <QDir>
#include <QLineEdit>

#include "control_indexes.h"
#include "globals.h"
#include "record_memory.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using sim::FaultRule;
using Art = RecordingDialoge::Art;
using Symbol = shell::Dialoge::Symbol;

const QString kErfolg = QStringLiteral("Die Operation wurde ausgeführt.");
const QString kKeinErfolg = QStringLiteral("Bei der Ausführung gab's Problemen.");
const QString kMessmodus =
    QStringLiteral("KAV100 is in measurement mode.\r\n\r\nExit measurement mode\r\nand try again.");

class AdminTest : public FensterTest {
protected:
    // The report box: German text and title, its icon, OK only.
    void berichtErwartet(bool erfolg) {
        ASSERT_FALSE(dialoge_.aufrufe().empty());
        const auto& b = dialoge_.letzter();
        EXPECT_EQ(b.art, Art::Meldung);
        EXPECT_EQ(b.text, erfolg ? kErfolg : kKeinErfolg);
        EXPECT_EQ(b.titel, erfolg ? QStringLiteral("Erfolg") : QStringLiteral("Kein Erfolg"));
        EXPECT_EQ(b.symbol, erfolg ? Symbol::Information : Symbol::Stopp);
        EXPECT_EQ(b.knoepfe, shell::Dialoge::Knoepfe::Ok);
    }
    std::string seriennummer() { return geraet().device().identity().serial; }
    std::size_t datensaetze() { return geraet().device().records().count(); }
};

TEST_F(AdminTest, WritingTheSerialNumberShowsTheOneReadBack) {
    auto w = starteUndAktiviere(QStringLiteral("/admin"));
    ASSERT_TRUE(sitzung(*w).verbunden());
    dialoge_.gibEin(QStringLiteral("654321"));
    ansicht(*w).mnuAdministrator[0]->trigger();
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.anzahl(Art::AdminDialog), 1);
    berichtErwartet(true);
    EXPECT_EQ(seriennummer(), "654321");
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeraetSN]->text(), QStringLiteral("654321"));
    EXPECT_EQ(daten(*w).adminEingabe(), QStringLiteral("654321"));
    // The dialog is handed the last input; "Abbrechen" sends nothing and
    // reports nothing: a cancel is no failure.
    dialoge_.leeren();
    dialoge_.adminAbbrechen();
    w->AdminBefehl(0);
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.aufrufe(Art::AdminDialog).back().vorher, QStringLiteral("654321"));
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0);
    EXPECT_EQ(seriennummer(), "654321");
    EXPECT_EQ(daten(*w).adminEingabe(), QString());
    EXPECT_EQ(dialoge_.offeneAntworten(), 0u);
}

TEST_F(AdminTest, FormattingAsksFirstAndEmptiesTheMemoryOnlyOnJa) {
    auto w = starteUndAktiviere();
    ASSERT_EQ(datensaetze(), 6u);
    // "Nein" (the default button): nothing sent, nothing reported.
    dialoge_.leeren();
    dialoge_.antworte(shell::Dialoge::Antwort::Nein);
    ansicht(*w).mnuAdministrator[1]->trigger();
    warteBisFrei(*w);
    ASSERT_EQ(dialoge_.anzahl(Art::Meldung), 1);
    const auto frage = dialoge_.letzter();
    EXPECT_EQ(frage.knoepfe, shell::Dialoge::Knoepfe::JaNeinVorgabeNein);
    EXPECT_EQ(frage.text, QStringLiteral("Every record in the KAV100 will be erased.\r\nFormat the memory?"));
    EXPECT_EQ(datensaetze(), 6u);

    dialoge_.leeren();
    dialoge_.antworte(shell::Dialoge::Antwort::Ja);
    ansicht(*w).mnuAdministrator[1]->trigger();
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 2);
    berichtErwartet(true);
    EXPECT_EQ(datensaetze(), 0u);
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeraetSN]->text(), QStringLiteral("070123"));
}

TEST_F(AdminTest, EachFailureEndsInKeinErfolg) {
    struct Fall {
        const char* name;
        int index;
        bool verbinden;
        std::function<void(sim::Scenario&)> stoerung;
        bool dialog;    // the input was asked for
        bool messmodus; // the measuring-mode message came first
        QByteArray log; // debug line
    };
    const Fall faelle[] = {
        {"0 offline", 0, false, {}, false, false, ""},
        {"1 offline", 1, false, {}, false, false, ""},
        {"0 measuring", 0, true, [](sim::Scenario& s) { s.ownMeasuringMode = true; }, false, true, ""},
        {"1 measuring", 1, true, [](sim::Scenario& s) { s.ownMeasuringMode = true; }, false, true, ""},
        {"0 refused", 0, true,
         [](sim::Scenario& s) { s.add(FaultRule::make(FaultRule::Kind::FailureBit, "WR_MaschNr")); }, true, false, ""},
        {"1 refused", 1, true,
         [](sim::Scenario& s) { s.add(FaultRule::make(FaultRule::Kind::FailureBit, "DO_FormatMem")); }, false, false,
         ""},
        {"0 status fails", 0, true,
         [](sim::Scenario& s) {
             FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, "RD_Info");
             r.parameterPrefix = {8};
             s.add(r);
         },
         false, false, ""},
        {"0 not listed", 0, true, [](sim::Scenario& s) { s.omittedCommands.push_back("WR_MaschNr"); }, false, false,
         "Administrator -> 'WR_MaschNr' konnte nicht ausgefuert werden."},
        {"1 not listed", 1, true, [](sim::Scenario& s) { s.omittedCommands.push_back("DO_FormatMem"); }, false, false,
         "Administrator -> 'DO_FormatMem' konnte nicht ausgefuert werden."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        sim::Scenario s;
        if (f.stoerung)
            f.stoerung(s);
        neuesGeraet(s);
        if (!f.verbinden)
            offlineStart();
        else
            schreibeSettings("[KAV]\r\nConnect on load=1\r\n");
        dialoge_.leeren();
        auto w = starteUndAktiviere(QStringLiteral("/debug /admin"));
        // A connection refused by a device in its measuring mode still connects here.
        EXPECT_EQ(sitzung(*w).verbunden(), f.verbinden);
        dialoge_.leeren();
        if (f.dialog)
            dialoge_.gibEin(QStringLiteral("111111"));
        // Only a formatting the device then refuses gets as far as the question.
        const bool frage = f.index == 1 && f.verbinden && !f.messmodus && f.log.isEmpty();
        if (frage)
            dialoge_.antworte(shell::Dialoge::Antwort::Ja);
        w->AdminBefehl(f.index);
        warteBisFrei(*w);
        EXPECT_EQ(dialoge_.anzahl(Art::AdminDialog), f.dialog ? 1 : 0);
        QStringList texte = dialoge_.meldungsTexte();
        if (frage)
            texte.removeFirst();
        EXPECT_EQ(texte, (f.messmodus ? QStringList{kMessmodus, kKeinErfolg} : QStringList{kKeinErfolg}));
        berichtErwartet(false);
        EXPECT_EQ(seriennummer(), "070123");
        EXPECT_EQ(datensaetze(), 6u);
        if (!f.log.isEmpty()) {
            EXPECT_TRUE(logs_.tagesLog().contains(f.log)) << logs_.tagesLog().toStdString();
        }
        w->close();
    }
}

TEST_F(AdminTest, AboutCaptionVersionTitleAndSupportInTheUsersLanguage) {
    offlineStart("E");
    auto w = starteUndAktiviere();
    ansicht(*w).mnuHilfeItem[3]->trigger();
    warteBisFrei(*w);
    ASSERT_EQ(dialoge_.anzahl(Art::About), 1);
    const auto about = dialoge_.aufrufe(Art::About).back().about;
    EXPECT_EQ(about.fensterTitel, QStringLiteral("Info about KavStudio"));
    EXPECT_EQ(about.titel, QStringLiteral("KavStudio"));
    EXPECT_EQ(about.version, QStringLiteral("Version 1.2.3"));
    // What is true of this copy: no contact data, the settings file and the logs' folder.
    EXPECT_TRUE(about.beschreibung.startsWith(QStringLiteral("Program for the KAV100 test device\n\n")))
        << about.beschreibung.toStdString();
    EXPECT_FALSE(about.beschreibung.contains(QStringLiteral("Phone")));
    EXPECT_TRUE(
        about.beschreibung.contains(QStringLiteral("Settings:\n") + QDir::toNativeSeparators(w->settingsDatei())))
        << about.beschreibung.toStdString();
    EXPECT_TRUE(about.beschreibung.contains(QStringLiteral("\nLogs:\n")));

    w->SpracheSetzen(QStringLiteral("D"));
    w->InfoZeigen();
    EXPECT_EQ(dialoge_.aufrufe(Art::About).back().about.fensterTitel, QStringLiteral("Info über KavStudio"));
}

} // namespace
} // namespace kav::test
