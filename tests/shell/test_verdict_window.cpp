// Profiles and verdicts in the window: the band on a result page and on its
// printout, nothing at all without a profile, the profile editor's refusal,
// and the guided test run writing its four files or, when a step fails,
// nothing.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include "control_indexes.h"
#include "measure_window_fixture.h"
#include "profile_dialog.h"
#include "test_run.h"
#include "test_run_controller.h"
#include "verdict_controller.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using Art = RecordingDialoge::Art;

constexpr const char* kFlags = "--steady --speed 1500 --pulses 1024";

class UrteilFensterTest : public MessFensterTest {
protected:
    // A profile file in the folder beside Settings.ini.
    void profil(const QString& name, const QByteArray& json) {
        const QDir ordner = QFileInfo(iniPfad()).absoluteDir();
        ASSERT_TRUE(ordner.mkpath(QStringLiteral("profiles")));
        QFile f(ordner.filePath(QStringLiteral("profiles/") + name + QStringLiteral(".json")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(json);
    }
    void aktuellMessen(shell::KAV_Main& w) {
        w.btnAlle_Click(idx::btnAktuell);
        warteBisFrei(w);
        ticke(w, 1);
        ansicht(w).chkAlle[idx::chkAktuellImmer]->setChecked(false);
        warteBisFrei(w);
    }
    // The files below the run's folder.
    static QStringList dateien(const QString& ordner) {
        QStringList l;
        for (const QFileInfo& geber : QDir(ordner).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QFileInfo& lauf : QDir(geber.filePath()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
                l += QDir(lauf.filePath()).entryList(QDir::Files, QDir::Name);
        return l;
    }
};

TEST_F(UrteilFensterTest, TheBandAndThePrintoutCarryTheVerdictOfTheChosenProfile) {
    profil(QStringLiteral("Gut"), R"({"name": "Gut", "pulses": 1024, "speed_rpm": [100, 6000]})");
    profil(QStringLiteral("Schlecht"), R"({"name": "Schlecht", "pulses": 2048})");
    struct Fall {
        const char* profil;
        const char* kopf;
        const char* zeile; // in the band's second line ("" none)
    };
    for (const Fall& f :
         {Fall{"Gut", "PASS   Test profile: Gut", ""}, Fall{"Schlecht", "FAIL   Test profile: Schlecht", "2048"}}) {
        SCOPED_TRACE(f.profil);
        drucker_ = {};
        drucker_.standard = QStringLiteral("Buero");
        auto w = verbunden(kFlags);
        ASSERT_TRUE(pruefung(*w).waehlen(QString::fromLatin1(f.profil)));
        aktuellMessen(*w);
        const QLabel* band = pruefung(*w).band();
        ASSERT_FALSE(band->isHidden());
        const QStringList zeilen = band->text().split(u'\n');
        EXPECT_EQ(zeilen[0], QString::fromLatin1(f.kopf));
        EXPECT_EQ(zeilen.size() > 1 && zeilen[1].contains(QLatin1String(f.zeile)), *f.zeile != 0)
            << band->text().toStdString();
        // The band lies under the result area and covers no control.
        EXPECT_GE(band->geometry().top(), ansicht(*w).picGrafik[idx::picAktuell]->geometry().bottom());

        w->Drucken();
        ASSERT_EQ(drucker_.auftraege.size(), 1u);
        EXPECT_FALSE(drucker_.auftraege[0].seite.zusatz.empty());

        // The result goes with its page, and the band with it.
        w->btnAlle_Click(idx::btnAktuellZurueck);
        warteBisFrei(*w);
        EXPECT_TRUE(band->isHidden());
        EXPECT_TRUE(settings().contains(QByteArray("Profile=") + f.profil));
    }
}

TEST_F(UrteilFensterTest, WithoutAProfileThereIsNoBandAndThePrintoutStaysAsItWas) {
    profil(QStringLiteral("Gut"), R"({"name": "Gut", "pulses": 1024})");
    drucker_.standard = QStringLiteral("Buero");
    auto w = verbunden(kFlags);
    aktuellMessen(*w);
    EXPECT_TRUE(pruefung(*w).band()->isHidden());
    w->Drucken();
    ASSERT_EQ(drucker_.auftraege.size(), 1u);
    EXPECT_TRUE(drucker_.auftraege[0].seite.zusatz.empty());
    EXPECT_FALSE(settings().contains("KavStudio"));
}

TEST_F(UrteilFensterTest, AProfileWithATypoIsRefusedByTheMenuAndTheEditor) {
    profil(QStringLiteral("Tippfehler"), R"({"name": "Tippfehler", "speed_rmp": [100, 6000]})");
    auto w = verbunden(kFlags);
    EXPECT_FALSE(pruefung(*w).waehlen(QStringLiteral("Tippfehler")));
    EXPECT_FALSE(pruefung(*w).profil().has_value());
    ASSERT_EQ(dialoge_.anzahl(Art::Meldung), 1);
    EXPECT_TRUE(dialoge_.letzter().text.contains(QLatin1String("speed_rmp")));

    shell::ProfileDialog& editor = pruefung(*w).editor();
    editor.zeigen();
    editor.text()->setPlainText(QStringLiteral(R"({"name": "Neu", "speed_rpm": [6000, 100]})"));
    EXPECT_FALSE(editor.speichern());
    EXPECT_TRUE(dialoge_.letzter().text.contains(QLatin1String("speed_rpm")));
    editor.text()->setPlainText(QStringLiteral(R"({"name": "Neu", "speed_rpm": [100, 6000]})"));
    EXPECT_TRUE(editor.speichern());
    EXPECT_TRUE(pruefung(*w).waehlen(QStringLiteral("Neu")));
}

TEST_F(UrteilFensterTest, TheTestRunKeepsItsFourFilesOrWhenAStepFailsNothing) {
    struct Fall {
        const char* flags;
        verdict::RunResult ergebnis;
        int dateien;
        int anweisungen;
    };
    for (const Fall& f : {Fall{kFlags, verdict::RunResult::Pass, 4, 3},
                          Fall{"--steady --speed 1500 --omit DO_MesSchlechtimpuls", verdict::RunResult::Error, 0, 2}}) {
        SCOPED_TRACE(f.flags);
        profil(QStringLiteral("Gut"), R"({"name": "Gut", "speed_rpm": [100, 6000]})");
        dialoge_.leeren();
        QTemporaryDir ablage;
        auto w = verbunden(f.flags);
        ASSERT_TRUE(pruefung(*w).waehlen(QStringLiteral("Gut")));
        dialoge_.waehleOrdner(ablage.path());
        shell::TestRunController& lauf = pruefung(*w).pruefLauf();
        lauf.starten();
        warteBisFrei(*w);
        ASSERT_FALSE(lauf.laeuft());
        ASSERT_TRUE(lauf.ergebnis().has_value());
        EXPECT_EQ(lauf.ergebnis()->result, f.ergebnis) << lauf.ergebnisText()->text().toStdString();
        EXPECT_EQ(dateien(ablage.path()).size(), f.dateien) << dateien(ablage.path()).join(u' ').toStdString();
        EXPECT_GE(dialoge_.anzahl(Art::Meldung), f.anweisungen);
        if (f.ergebnis == verdict::RunResult::Error) {
            EXPECT_EQ(lauf.ergebnis()->failedStep, verdict::Step::BadPulses);
        }
    }
}

} // namespace
} // namespace kav::test
