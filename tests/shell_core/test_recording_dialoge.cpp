#include "recording_dialoge.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace kav::shell;
using kav::test::DialogeEinsetzen;
using kav::test::RecordingDialoge;
using Art = RecordingDialoge::Art;

TEST(RecordingDialoge, RecordsEveryCallWithTheDefaultAnswers) {
    RecordingDialoge fake;
    DialogeEinsetzen einsetzen(fake);
    ASSERT_EQ(&dialoge(), &fake);

    EXPECT_EQ(dialoge().meldung(QStringLiteral("Hallo")), Dialoge::Antwort::Ok);
    EXPECT_EQ(dialoge().meldung(QStringLiteral("Frage?"), QStringLiteral("T"), Dialoge::Knoepfe::JaNein,
                                Dialoge::Symbol::Ausrufezeichen),
              Dialoge::Antwort::Nein);
    Dialoge::SpeichernOptionen o{QStringLiteral("Titel"), QStringLiteral(".kav"), QStringLiteral("2008.03.07-09.05.00"),
                                 QStringLiteral("KAV Datei (*.kav)|*.kav"), 0x42000};
    EXPECT_EQ(dialoge().speichernUnter(o), QStringLiteral("2008.03.07-09.05.00")); // cancelled
    EXPECT_EQ(dialoge().adminDialog(QStringLiteral("alt")), QString());
    dialoge().about(
        {QStringLiteral("Info about X"), QStringLiteral("X"), QStringLiteral("Version 1.0.0"), QStringLiteral("s")});

    ASSERT_EQ(fake.aufrufe().size(), 5u);
    const auto& frage = fake.aufrufe()[1];
    EXPECT_EQ(frage.art, Art::Meldung);
    EXPECT_EQ(frage.text, QStringLiteral("Frage?"));
    EXPECT_EQ(frage.titel, QStringLiteral("T"));
    EXPECT_EQ(frage.knoepfe, Dialoge::Knoepfe::JaNein);
    EXPECT_EQ(frage.symbol, Dialoge::Symbol::Ausrufezeichen);
    EXPECT_EQ(fake.aufrufe()[0].titel, QString());
    EXPECT_EQ(fake.aufrufe()[2].speichern.filter, QStringLiteral("KAV Datei (*.kav)|*.kav"));
    EXPECT_EQ(fake.aufrufe()[2].speichern.flags, 0x42000);
    EXPECT_EQ(fake.aufrufe()[3].vorher, QStringLiteral("alt"));
    EXPECT_EQ(fake.letzter().about.version, QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(fake.anzahl(Art::Meldung), 2);
    EXPECT_EQ(fake.meldungsTexte(), (QStringList{QStringLiteral("Hallo"), QStringLiteral("Frage?")}));
}

TEST(RecordingDialoge, AnswersFromItsScriptInOrder) {
    RecordingDialoge fake;
    fake.antworte(Dialoge::Antwort::Ja);
    fake.antworte(Dialoge::Antwort::Nein);
    fake.waehleDatei(QStringLiteral("/tmp/a.kav"));
    fake.speichernAbbrechen();
    fake.waehleDatei(QStringLiteral("/tmp/b.kav"));
    fake.gibEin(QStringLiteral(" 0815 "));
    fake.adminAbbrechen();
    EXPECT_EQ(fake.offeneAntworten(), 7u);

    // A box with OK only leaves the script for the questions.
    EXPECT_EQ(fake.meldung(QStringLiteral("info"), {}, Dialoge::Knoepfe::Ok, Dialoge::Symbol::Information),
              Dialoge::Antwort::Ok);
    EXPECT_EQ(fake.meldung(QStringLiteral("1?"), {}, Dialoge::Knoepfe::JaNein, Dialoge::Symbol::Frage),
              Dialoge::Antwort::Ja);
    EXPECT_EQ(fake.meldung(QStringLiteral("2?"), {}, Dialoge::Knoepfe::JaNein, Dialoge::Symbol::Frage),
              Dialoge::Antwort::Nein);
    EXPECT_EQ(fake.meldung(QStringLiteral("3?"), {}, Dialoge::Knoepfe::JaNein, Dialoge::Symbol::Frage),
              Dialoge::Antwort::Nein);

    Dialoge::SpeichernOptionen o;
    o.dateiname = QStringLiteral("vorgabe");
    EXPECT_EQ(fake.speichernUnter(o), QStringLiteral("/tmp/a.kav"));
    EXPECT_EQ(fake.speichernUnter(o), QStringLiteral("vorgabe"));
    EXPECT_EQ(fake.speichernUnter(o), QStringLiteral("/tmp/b.kav"));
    EXPECT_EQ(fake.adminDialog({}), QStringLiteral(" 0815 "));
    EXPECT_EQ(fake.adminDialog(QStringLiteral("alt")), QString());
    EXPECT_EQ(fake.offeneAntworten(), 0u);
    EXPECT_EQ(fake.aufrufe(Art::SpeichernUnter)[1].ergebnis, QStringLiteral("vorgabe"));
}

TEST(RecordingDialoge, RunsTheHookWhileTheCallIsOpenAndUninstallsAtScopeEnd) {
    RecordingDialoge fake;
    QStringList gesehen;
    fake.beimAufruf = [&](const RecordingDialoge::Aufruf& a) { gesehen << a.text; };
    {
        DialogeEinsetzen einsetzen(fake);
        dialoge().meldung(QStringLiteral("eins"));
    }
    EXPECT_EQ(gesehen, QStringList{QStringLiteral("eins")});
    EXPECT_NE(&dialoge(), static_cast<Dialoge*>(&fake));
    fake.leeren();
    EXPECT_TRUE(fake.aufrufe().empty());
}
