// Start-up, settings and the orderly end of the window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "control_indexes.h"
#include "globals.h"
#include "program_start.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

using shell::global;
using shell::KAV_Main;

class StartTest : public FensterTest {};

QByteArray erwarteteDatei(const QString& ordner, const char* verbinden, const char* fehler, const char* sprache) {
    const QByteArray pfad = QDir::toNativeSeparators(ordner).toUtf8() + "/";
    return QByteArray("[KAV]\r\nConnect on load=") + verbinden + "\r\nWrite errors=" + fehler +
           "\r\nProgramm path=" + pfad + "\r\nLanguage=" + sprache + "\r\n";
}

TEST_F(StartTest, WithoutSettingsFileStartsWithTheDefaultsAndWritesTheFourKeysAtTheEnd) {
    auto w = starte();
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[1]->isChecked());
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[1]->isChecked());
    EXPECT_TRUE(global().FehlerSpeichern);
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[2]->isChecked());
    EXPECT_EQ(daten(*w).programmPfad(), QDir::toNativeSeparators(ordner()) + QDir::separator());
    EXPECT_EQ(global().Sprache, QStringLiteral("E"));
    EXPECT_TRUE(ansicht(*w).mnuSpracheItem[2]->isChecked());
    EXPECT_FALSE(ansicht(*w).mnuSpracheItem[1]->isChecked());
    EXPECT_EQ(ansicht(*w).frmAlle[shell::idx::frmOnline]->title(), QStringLiteral("ONLINE Measurements"));
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    EXPECT_FALSE(ansicht(*w).mnuEinstItem[5]->isVisible());
    EXPECT_TRUE(FensterZugang::ersteAktivierung(*w));
    EXPECT_FALSE(sitzung(*w).verbunden());
    EXPECT_FALSE(settingsExistiert()) << "nothing is written before the end";

    // The first activation shows the version and connects at once.
    w->Form_Activate();
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).txtAlle[32]->text(), QStringLiteral("1.2.3"));
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_FALSE(FensterZugang::ersteAktivierung(*w));

    EXPECT_TRUE(w->close());
    EXPECT_EQ(settings(), erwarteteDatei(ordner(), "1", "1", "E"));
    EXPECT_FALSE(geraet().isOpen()) << "the end closes the link";
}

TEST_F(StartTest, TheEndReplacesValuesInPlaceAndKeepsForeignSectionsAndComments) {
    const QByteArray pfad = QDir::toNativeSeparators(ordner()).toUtf8() + "/";
    schreibeSettings("; KavStudio settings\r\n[Other]\r\nLanguage=X\r\n\r\n[kav]\r\n  connect ON LOAD = 0 \r\n"
                     "Language=D\r\n; keep me\r\nWrite errors=1\r\nProgramm path=" +
                     pfad + "\r\n[Tail]\r\nx=1\r\n");
    auto w = starteUndAktiviere();
    EXPECT_FALSE(ansicht(*w).mnuEinstItem[1]->isChecked());
    EXPECT_EQ(global().Sprache, QStringLiteral("D"));
    ansicht(*w).mnuEinstItem[2]->trigger(); // "Fehler speichern" off
    warteBisFrei(*w);
    EXPECT_FALSE(global().FehlerSpeichern);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(settings(), "; KavStudio settings\r\n[Other]\r\nLanguage=X\r\n\r\n[kav]\r\n  connect ON LOAD = 0\r\n"
                          "Language=D\r\n; keep me\r\nWrite errors=0\r\nProgramm path=" +
                              pfad + "\r\n[Tail]\r\nx=1\r\n")
        << settings().toStdString();
}

TEST_F(StartTest, ConnectOnLoadCountsAsTrueOnlyForExactlyOne) {
    for (const char* wert : {"0", "ja", "", "1 1"}) {
        SCOPED_TRACE(wert);
        schreibeSettings(QByteArray("[KAV]\r\nConnect on load=") + wert + "\r\n");
        auto w = starte();
        EXPECT_FALSE(ansicht(*w).mnuEinstItem[1]->isChecked());
        EXPECT_FALSE(ansicht(*w).mnuEinstItem[1]->isChecked());
        EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Offline"));
        w->Form_Activate();
        warteBisFrei(*w);
        EXPECT_FALSE(sitzung(*w).verbunden());
        EXPECT_EQ(geraet().calls().openEx, 0) << "no attempt without Connect on load";
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[1]->isEnabled());
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[2]->isEnabled());
        ASSERT_TRUE(w->close());
        EXPECT_TRUE(settings().contains("Connect on load=0\r\n"));
    }
    // Blanks around the value are trimmed: " 1 " is "1".
    schreibeSettings("[KAV]\r\nConnect on load= 1 \r\n");
    auto w = starte();
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[1]->isChecked());
}

TEST_F(StartTest, TheMenuTogglesConnectOnLoadAndTheFileKeepsIt) {
    offlineStart();
    auto w = starteUndAktiviere();
    ansicht(*w).mnuEinstItem[1]->trigger();
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[1]->isChecked());
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[1]->isChecked());
    EXPECT_FALSE(sitzung(*w).verbunden()) << "the setting takes effect at the next start";
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(settings().contains("Connect on load=1\r\n"));
}

TEST_F(StartTest, LanguageValuesOtherThanDStartInEnglishAndAreWrittenBackAsE) {
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nLanguage=D\r\n");
    {
        auto w = starte();
        EXPECT_TRUE(ansicht(*w).mnuSpracheItem[1]->isChecked());
        EXPECT_EQ(ansicht(*w).btnAlle[shell::idx::btnDatenVomComputer]->text(), QStringLiteral("Daten vom Computer"));
    }
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nLanguage=fr\r\n");
    auto w = starte();
    EXPECT_EQ(global().Sprache, QStringLiteral("E"));
    EXPECT_TRUE(ansicht(*w).mnuSpracheItem[2]->isChecked());
    EXPECT_EQ(ansicht(*w).btnAlle[shell::idx::btnDatenVomComputer]->text(), QStringLiteral("Data from computer"));
    // The language menu works from there.
    ansicht(*w).mnuSpracheItem[1]->trigger();
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).btnAlle[shell::idx::btnDatenVomComputer]->text(), QStringLiteral("Daten vom Computer"));
    ansicht(*w).mnuSpracheItem[2]->trigger();
    warteBisFrei(*w);
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(settings().contains("Language=E\r\n"));
    EXPECT_FALSE(settings().contains("fr"));
}

TEST_F(StartTest, AFolderThatIsGoneFallsBackToTheProgramFolder) {
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nProgramm path=" +
                     QDir::toNativeSeparators(ordner() + "/weg/").toUtf8() + "\r\n");
    auto w = starte();
    EXPECT_EQ(daten(*w).programmPfad(), QDir::toNativeSeparators(ordner()) + QDir::separator());
}

TEST_F(StartTest, AStoredFolderIsKeptAsItIs) {
    ASSERT_TRUE(QDir(ordner()).mkpath(QStringLiteral("daten")));
    const QString pfad = QDir::toNativeSeparators(ordner() + "/daten/");
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nProgramm path=" + pfad.toUtf8() + "\r\n");
    auto w = starte();
    EXPECT_EQ(daten(*w).programmPfad(), pfad);
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(settings().contains("Programm path=" + pfad.toUtf8() + "\r\n"));
}

TEST_F(StartTest, SwitchesAreFoundAnywhereIgnoringCase) {
    offlineStart();
    auto w = starte(QStringLiteral("x /DEBUGGER /Kommun"));
    EXPECT_TRUE(global().DebugAn);
    EXPECT_TRUE(global().KommunAn);
    EXPECT_FALSE(global().SpracheAn);
    EXPECT_FALSE(global().MathAn);
    EXPECT_FALSE(FensterZugang::adminModus(*w));
    EXPECT_FALSE(ansicht(*w).mnuEinstItem[5]->isVisible());
}

TEST_F(StartTest, TheAdministratorSwitchShowsTheAdministratorSubmenu) {
    offlineStart();
    auto w = starte(QStringLiteral("/USR:KILO7, PWD:ROXA /math"));
    EXPECT_TRUE(FensterZugang::adminModus(*w));
    EXPECT_TRUE(global().MathAn);
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[5]->isVisible());
    EXPECT_EQ(ansicht(*w).mnuAdministrator[0]->text(), QStringLiteral("WR_MaschNr"));
    EXPECT_EQ(ansicht(*w).mnuAdministrator[1]->text(), QStringLiteral("DO_FormatMem"));
    EXPECT_TRUE(ansicht(*w).mnuAdministrator[0]->isEnabled());
    EXPECT_TRUE(ansicht(*w).mnuAdministrator[1]->isEnabled());
}

TEST_F(StartTest, WithoutAnInjectedDeviceTheSimSwitchChoosesTheSimulatedDevice) {
    auto u = umgebung(QStringLiteral("/sim"));
    u.ftApi = nullptr; // the device's wire time passes on the test's clock
    KAV_Main w(u);
    ASSERT_TRUE(w.Form_Load());
    w.Form_Activate();
    warteBisFrei(w);
    EXPECT_TRUE(sitzung(w).verbunden());
    EXPECT_EQ(ansicht(w).txtAlle[30]->text(), QStringLiteral("070123"));
    w.VerbindungBeenden();
    warteBisFrei(w);
}

TEST_F(StartTest, ASecondInstanceSaysSoInGermanAndTouchesNothing) {
    auto erste = shell::programmStarten(umgebung());
    ASSERT_NE(erste, nullptr);
    dialoge_.leeren();
    global() = shell::Global{};
    EXPECT_EQ(shell::programmStarten(umgebung(QStringLiteral("/debug"))), nullptr);
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("KavStudio wird bereits ausgeführt.")});
    EXPECT_EQ(dialoge_.letzter().knoepfe, shell::Dialoge::Knoepfe::Ok);
    EXPECT_TRUE(dialoge_.letzter().titel.isEmpty());
    EXPECT_FALSE(global().DebugAn) << "the switches are not even set";
    EXPECT_FALSE(settingsExistiert());

    // Once the first one has ended, the program starts again.
    ASSERT_TRUE(erste->close());
    erste.reset();
    EXPECT_NE(shell::programmStarten(umgebung()), nullptr);
}

// Closing during device work ends the job at its next transaction boundary
// and closes the link; the settings are written and nothing hangs.
TEST_F(StartTest, CloseDuringDeviceWorkEndsTheJobAndClosesTheLink) {
    for (const bool verbinden : {true, false}) {
        SCOPED_TRACE(verbinden);
        neuesGeraet(sim::Scenario{});
        auto w = starte();
        if (verbinden) {
            w->Form_Activate(); // the attempt is posted and still open
        } else {
            w->Form_Activate();
            warteBisFrei(*w);
            ansicht(*w).mnuProgrammItem[2]->trigger(); // nothing open: a plain close
        }
        ansicht(*w).tmrBalken.start();
        EXPECT_TRUE(w->close());
        EXPECT_FALSE(ansicht(*w).tmrBalken.isActive());
        EXPECT_TRUE(settingsExistiert());
        EXPECT_FALSE(geraet().isOpen());
        QFile::remove(iniPfad());
    }
}

TEST_F(StartTest, AllSixTimersAreOffAtLoadAndStoppedByTheClose) {
    offlineStart();
    auto w = starteUndAktiviere();
    QTimer* timer[] = {&ansicht(*w).tmrBalken, &ansicht(*w).tmrFarben, &daten(*w).statusTimer(),
                       &messen(*w).timer(1),   &messen(*w).timer(2),   &messen(*w).timer(3)};
    const int intervalle[] = {200, 500, 500, 500, 500, 500};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(timer[i]->isActive()) << i;
        EXPECT_EQ(timer[i]->interval(), intervalle[i]) << i;
        timer[i]->start();
    }
    ASSERT_TRUE(w->close());
    for (QTimer* t : timer)
        EXPECT_FALSE(t->isActive());
}

TEST_F(StartTest, TheMenuItemExitClosesTheWindow) {
    offlineStart();
    auto w = starteUndAktiviere();
    w->show();
    ansicht(*w).mnuProgrammItem[7]->trigger();
    warteBisFrei(*w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(settingsExistiert());
}

TEST_F(StartTest, ASettingsFileThatCannotBeWrittenIsIgnored) {
    // A folder in the file's place: reading gives the defaults, writing fails quietly.
    ASSERT_TRUE(QDir(ordner()).mkdir(QStringLiteral("Settings.ini")));
    auto w = starte();
    EXPECT_TRUE(ansicht(*w).mnuEinstItem[1]->isChecked());
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(QFileInfo(iniPfad()).isDir());
    // Settings that are lost are said, not lost without a word.
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("The settings could not be saved:\r\n") +
                                                    QDir::toNativeSeparators(iniPfad())});
}

} // namespace
} // namespace kav::test
