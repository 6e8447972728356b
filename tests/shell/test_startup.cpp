// Start-up, settings and the orderly end of the window.
#include <QAction>
#include <QDir>
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
    EXPECT_TRUE(w->VerbindenBeimStart);
    EXPECT_TRUE(w->mnuEinstItem[1]->isChecked());
    EXPECT_TRUE(global().FehlerSpeichern);
    EXPECT_TRUE(w->mnuEinstItem[2]->isChecked());
    EXPECT_EQ(w->ProgrammPfad, QDir::toNativeSeparators(ordner()) + QDir::separator());
    EXPECT_EQ(global().Sprache, QStringLiteral("E"));
    EXPECT_TRUE(w->mnuSpracheItem[2]->isChecked());
    EXPECT_FALSE(w->mnuSpracheItem[1]->isChecked());
    EXPECT_EQ(w->frmAlle[shell::idx::frmOnline]->title(), QStringLiteral("ONLINE Measurements"));
    EXPECT_FALSE(w->mnuProgrammItem[4]->isEnabled());
    EXPECT_FALSE(w->mnuEinstItem[5]->isVisible());
    EXPECT_TRUE(w->ErsteAktivierung);
    EXPECT_FALSE(w->Verbunden);
    EXPECT_FALSE(settingsExistiert()) << "nothing is written before the end";

    // The first activation shows the version and connects at once.
    w->Form_Activate();
    EXPECT_EQ(w->txtAlle[32]->text(), QStringLiteral("1.2.3"));
    EXPECT_TRUE(w->Verbunden);
    EXPECT_FALSE(w->ErsteAktivierung);

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
    EXPECT_FALSE(w->VerbindenBeimStart);
    EXPECT_EQ(global().Sprache, QStringLiteral("D"));
    w->mnuEinstItem[2]->trigger(); // "Fehler speichern" off
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
        EXPECT_FALSE(w->VerbindenBeimStart);
        EXPECT_FALSE(w->mnuEinstItem[1]->isChecked());
        EXPECT_EQ(w->txtAlle[35]->text(), QStringLiteral("Offline"));
        w->Form_Activate();
        EXPECT_FALSE(w->Verbunden);
        EXPECT_EQ(geraet().calls().openEx, 0) << "no attempt without Connect on load";
        EXPECT_TRUE(w->mnuProgrammItem[1]->isEnabled());
        EXPECT_FALSE(w->mnuProgrammItem[2]->isEnabled());
        ASSERT_TRUE(w->close());
        EXPECT_TRUE(settings().contains("Connect on load=0\r\n"));
    }
    // Blanks around the value are trimmed: " 1 " is "1".
    schreibeSettings("[KAV]\r\nConnect on load= 1 \r\n");
    auto w = starte();
    EXPECT_TRUE(w->VerbindenBeimStart);
}

TEST_F(StartTest, TheMenuTogglesConnectOnLoadAndTheFileKeepsIt) {
    offlineStart();
    auto w = starteUndAktiviere();
    w->mnuEinstItem[1]->trigger();
    EXPECT_TRUE(w->VerbindenBeimStart);
    EXPECT_TRUE(w->mnuEinstItem[1]->isChecked());
    EXPECT_FALSE(w->Verbunden) << "the setting takes effect at the next start";
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(settings().contains("Connect on load=1\r\n"));
}

TEST_F(StartTest, LanguageValuesOtherThanDStartInEnglishAndAreWrittenBackAsE) {
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nLanguage=D\r\n");
    {
        auto w = starte();
        EXPECT_TRUE(w->mnuSpracheItem[1]->isChecked());
        EXPECT_EQ(w->btnAlle[shell::idx::btnDatenVomComputer]->text(), QStringLiteral("Daten vom Computer"));
    }
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nLanguage=fr\r\n");
    auto w = starte();
    EXPECT_EQ(global().Sprache, QStringLiteral("E"));
    EXPECT_TRUE(w->mnuSpracheItem[2]->isChecked());
    EXPECT_EQ(w->btnAlle[shell::idx::btnDatenVomComputer]->text(), QStringLiteral("Data from computer"));
    // The language menu works from there.
    w->mnuSpracheItem[1]->trigger();
    EXPECT_EQ(w->btnAlle[shell::idx::btnDatenVomComputer]->text(), QStringLiteral("Daten vom Computer"));
    w->mnuSpracheItem[2]->trigger();
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(settings().contains("Language=E\r\n"));
    EXPECT_FALSE(settings().contains("fr"));
}

TEST_F(StartTest, AFolderThatIsGoneFallsBackToTheProgramFolder) {
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nProgramm path=" +
                     QDir::toNativeSeparators(ordner() + "/weg/").toUtf8() + "\r\n");
    auto w = starte();
    EXPECT_EQ(w->ProgrammPfad, QDir::toNativeSeparators(ordner()) + QDir::separator());
}

TEST_F(StartTest, AStoredFolderIsKeptAsItIs) {
    ASSERT_TRUE(QDir(ordner()).mkpath(QStringLiteral("daten")));
    const QString pfad = QDir::toNativeSeparators(ordner() + "/daten/");
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nProgramm path=" + pfad.toUtf8() + "\r\n");
    auto w = starte();
    EXPECT_EQ(w->ProgrammPfad, pfad);
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
    EXPECT_FALSE(w->AdminModus);
    EXPECT_FALSE(w->mnuEinstItem[5]->isVisible());
}

TEST_F(StartTest, TheAdministratorSwitchShowsTheAdministratorSubmenu) {
    offlineStart();
    auto w = starte(QStringLiteral("/USR:KILO7, PWD:ROXA /math"));
    EXPECT_TRUE(w->AdminModus);
    EXPECT_TRUE(global().MathAn);
    EXPECT_TRUE(w->mnuEinstItem[5]->isVisible());
    EXPECT_EQ(w->mnuAdministrator[0]->text(), QStringLiteral("WR_MaschNr"));
    EXPECT_EQ(w->mnuAdministrator[1]->text(), QStringLiteral("DO_FormatMem"));
    EXPECT_TRUE(w->mnuAdministrator[0]->isEnabled());
    EXPECT_TRUE(w->mnuAdministrator[1]->isEnabled());
}

TEST_F(StartTest, WithoutAnInjectedDeviceTheSimSwitchChoosesTheSimulatedDevice) {
    auto u = umgebung(QStringLiteral("/sim"));
    u.ftApi = nullptr; // the device's wire time passes on the test's clock
    KAV_Main w(u);
    ASSERT_TRUE(w.Form_Load());
    w.Form_Activate();
    EXPECT_TRUE(w.Verbunden);
    EXPECT_EQ(w.txtAlle[30]->text(), QStringLiteral("070123"));
    w.VerbindungBeenden();
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

TEST_F(StartTest, CloseIsRefusedWhileBusyAndWorksAfterwards) {
    offlineStart();
    auto w = starteUndAktiviere();
    w->Beschaeftigt = true;
    w->tmrBalken.start();
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->tmrBalken.isActive()) << "a refused close changes nothing";
    w->Beschaeftigt = false;
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->tmrBalken.isActive());
    EXPECT_TRUE(settingsExistiert());
}

TEST_F(StartTest, CloseDuringAConnectionAttemptIsRefused) {
    auto w = starte();
    bool geschlossen = true;
    // Arrives while the attempt pumps messages.
    QTimer::singleShot(0, w.get(), [&] { geschlossen = w->close(); });
    w->Form_Activate();
    EXPECT_FALSE(geschlossen);
    EXPECT_FALSE(settingsExistiert());
    EXPECT_TRUE(w->Verbunden);
    EXPECT_TRUE(w->close());
}

TEST_F(StartTest, AllSixTimersAreOffAtLoadAndStoppedByTheClose) {
    offlineStart();
    auto w = starteUndAktiviere();
    QTimer* timer[] = {&w->tmrBalken,    &w->tmrFarben,    &w->tmrDateVomG,
                       &w->tmrDateiTyp1, &w->tmrDateiTyp2, &w->tmrDateiTyp3};
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
    w->mnuProgrammItem[7]->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(settingsExistiert());
}

TEST_F(StartTest, ASettingsFileThatCannotBeWrittenIsIgnored) {
    // A folder in the file's place: reading gives the defaults, writing fails quietly.
    ASSERT_TRUE(QDir(ordner()).mkdir(QStringLiteral("Settings.ini")));
    auto w = starte();
    EXPECT_TRUE(w->VerbindenBeimStart);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(QFileInfo(iniPfad()).isDir());
}

} // namespace
} // namespace kav::test
