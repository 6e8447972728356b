// The start before the window: the single-instance check first, the link the
// command line chooses, and what "/debug" logs of a start that went wrong.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include "control_indexes.h"
#include "device_call.h"
#include "globals.h"
#include "program_start.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

using shell::global;
using shell::KAV_Main;

class ProgrammStartTest : public FensterTest {
protected:
    // The program as installed: the control libraries beside it, so a window
    // that were built would write its control registry there.
    shell::ProgramEnvironment installiert() {
        qunsetenv("KAV_CONTROL_REGISTRY");
        const QDir quelle(QStringLiteral(KAV_CONTROL_FOLDER));
        const QStringList bibliotheken = quelle.entryList(
            {QStringLiteral("*Brinda.*"), QStringLiteral("*Valtrix.*"), QStringLiteral("*Tacho.*")}, QDir::Files);
        EXPECT_EQ(bibliotheken.size(), 3) << bibliotheken.join(u' ').toStdString();
        for (const QString& name : bibliotheken)
            EXPECT_TRUE(QFile::copy(quelle.filePath(name), QDir(ordner()).filePath(name))) << name.toStdString();
        auto u = umgebung();
        u.controlFolder.clear();
        u.lockFolder = sperrOrdner_.path();
        return u;
    }
    QStringList programmOrdner() const {
        return QDir(ordner()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    static int fensterAnzahl() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<KAV_Main*>(w) != nullptr;
        return n;
    }

    QTemporaryDir sperrOrdner_;
};

TEST_F(ProgrammStartTest, ASecondStartWhileAnInstanceLivesBuildsNothingAndTouchesNoFile) {
    const auto u = installiert();
    const QStringList vorher = programmOrdner();
    ASSERT_EQ(vorher.size(), 3);

    QProcess halter;
    halter.start(QStringLiteral(KAV_LOCK_HOLDER), {QStringLiteral("hold"), shell::instanzSchluessel(u), u.lockFolder});
    ASSERT_TRUE(halter.waitForReadyRead(10000)) << halter.errorString().toStdString();
    ASSERT_EQ(halter.readLine().trimmed(), QByteArray("locked"));

    const int fenster = fensterAnzahl();
    EXPECT_EQ(shell::programmStarten(u), nullptr);
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("KavStudio wird bereits ausgeführt.")});
    EXPECT_EQ(dialoge_.letzter().knoepfe, shell::Dialoge::Knoepfe::Ok);
    EXPECT_TRUE(dialoge_.letzter().titel.isEmpty());
    EXPECT_EQ(fensterAnzahl(), fenster) << "no window was built";
    EXPECT_EQ(programmOrdner(), vorher) << "neither the control registry nor the settings were written";
    EXPECT_FALSE(global().DebugAn);
    EXPECT_TRUE(logs_.dateien().isEmpty());

    // Once the first instance has ended, the program starts and builds its window.
    halter.closeWriteChannel();
    ASSERT_TRUE(halter.waitForFinished(10000));
    dialoge_.leeren();
    auto w = shell::programmStarten(u);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(dialoge_.aufrufe().empty());
    EXPECT_TRUE(w->fehlendeAnzeigen().isEmpty()) << w->fehlendeAnzeigen().join(u'\n').toStdString();
    EXPECT_TRUE(programmOrdner().contains(QStringLiteral("kavcontrols.reg")));
    EXPECT_FALSE(w->Form_Load()) << "the start has loaded it already";
    // While it runs, a third start is refused in this process too.
    EXPECT_EQ(shell::programmStarten(u), nullptr);
}

TEST_F(ProgrammStartTest, ALockThatCannotBeTakenNeverBlocksAndIsLoggedWithDebug) {
    // A file where the lock folder should be: nothing can be created in it.
    QFile datei(QDir(ordner()).filePath(QStringLiteral("keinOrdner")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    auto u = umgebung(QStringLiteral("/debug"));
    u.lockFolder = datei.fileName() + QStringLiteral("/sperren");

    auto w = shell::programmStarten(u);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(dialoge_.aufrufe().empty());
    const QByteArray log = logs_.tagesLog();
    EXPECT_TRUE(log.startsWith("09:04:07 - Programmstart -> Sperrdatei '")) << log.toStdString();
    EXPECT_TRUE(log.contains("' konnte nicht angelegt werden (")) << log.toStdString();
    EXPECT_TRUE(log.contains("), Start ohne Sperre.\r\n")) << log.toStdString();

    // Without "/debug" the start goes on just the same, without a word.
    ASSERT_TRUE(QFile::remove(logs_.ordner() + QStringLiteral("/2008.03.05.log")));
    u.commandLine.clear();
    EXPECT_NE(shell::programmStarten(u), nullptr);
    EXPECT_TRUE(logs_.dateien().isEmpty());
}

// The developer scenarios "/sim:FLAGS" take every flag of kav100sim; the short
// names stand for flags as well.
TEST_F(ProgrammStartTest, SimFlagsAndShortNamesConfigureTheSimulatedDevice) {
    struct Fall {
        const char* befehlszeile;
        bool verbunden;
        const char* meldungAnfang; // the connection panel's text, "" for none
    };
    const Fall faelle[] = {
        {"/sim", true, ""},
        {"/sim:\"--not-pc-mode\"", true, ""},
        {"/sim:--speed 3000 --pulses 199 /kommun", true, ""},
        {"/sim:\"--refuse-version\"", false, "Connection to KAV100 not possible.\r\n\r\nFalse program version."},
        {"/sim:noversion", false, "Connection to KAV100 not possible.\r\n\r\nFalse program version."},
        {"/SIM:Supply", false, "Connection to KAV100 not possible.\r\n\r\nSwitch-on supply voltage."},
        {"/sim:nodevice", false, "Connection to KAV100 not possible.\r\n\r\nReconnect"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.befehlszeile);
        auto u = umgebung(QString::fromLatin1(f.befehlszeile));
        u.ftApi = nullptr;
        KAV_Main w(u);
        ASSERT_TRUE(w.Form_Load());
        w.Form_Activate();
        warteBisFrei(w);
        EXPECT_EQ(sitzung(w).verbunden(), f.verbunden);
        EXPECT_TRUE(
            ansicht(w).labAlle[shell::idx::labVerbindungMeldung]->text().startsWith(QString::fromUtf8(f.meldungAnfang)))
            << ansicht(w).labAlle[shell::idx::labVerbindungMeldung]->text().toStdString();
        EXPECT_TRUE(dialoge_.aufrufe().empty());
        if (f.verbunden) {
            // State bit 1: the device is in PC measurement mode unless told otherwise.
            const Aufruf status = wertLesen(*FensterZugang::link(w), wert::Geraetestatus, "B");
            ASSERT_TRUE(status.ok());
            const bool pcModus = static_cast<int>(status.wert.toNumber()) & 2;
            EXPECT_EQ(pcModus, QString::fromLatin1(f.befehlszeile).indexOf(QLatin1String("not-pc-mode")) < 0);
            w.VerbindungBeenden();
            warteBisFrei(w);
        }
    }
}

TEST_F(ProgrammStartTest, ABadSimFlagIsToldNotReplacedByADefault) {
    auto u = umgebung(QStringLiteral("/sim:\"--not-pc-mode --bogus\" /debug"));
    u.ftApi = nullptr;
    KAV_Main w(u);
    ASSERT_TRUE(w.Form_Load());
    EXPECT_EQ(dialoge_.meldungsTexte(),
              QStringList{QStringLiteral("/sim:--not-pc-mode --bogus\r\nSimulated device: unknown flag --bogus")});
    EXPECT_EQ(logs_.tagesLog(), "09:04:07 - Programmstart -> Simulated device: unknown flag --bogus\r\n");
    w.Form_Activate();
    warteBisFrei(w);
    EXPECT_FALSE(sitzung(w).verbunden()) << "no device stands in for the one asked for";
}

TEST_F(ProgrammStartTest, WithDebugTheReasonsABackendOrAControlCannotBeUsedAreLogged) {
    offlineStart();
    auto u = umgebung(QStringLiteral("/debug /port:") + QDir(ordner()).filePath(QStringLiteral("ttyNone")));
    u.ftApi = nullptr;
    auto w = shell::programmStarten(u); // the program folder holds no control library
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->fehlendeAnzeigen().size(), 5);
    QByteArray log = logs_.tagesLog();
    for (const char* id : {"Brinda.ocxBadInc", "Valtrix.ocxMinMaxWert", "Tacho.ocxTacho"})
        EXPECT_TRUE(log.contains(QByteArray("09:04:07 - Programmstart -> Anzeige konnte nicht angelegt werden: ") + id))
            << id;

    // The port that does not open: the open's diagnostic goes to the log.
    w->VerbindungAufbauen();
    warteBisFrei(*w);
    EXPECT_FALSE(sitzung(*w).verbunden());
    log = logs_.tagesLog();
    const qsizetype zeile = log.indexOf("VerbindungAufbauen -> Verbindung konnte nicht hergestellt werden (1)\r\n");
    ASSERT_GE(zeile, 0) << log.toStdString();
    EXPECT_GT(log.size(), zeile + 80) << "the open's diagnostic lines follow";

    // Without "/debug" none of it is written.
    w.reset();
    ASSERT_TRUE(QFile::remove(logs_.ordner() + QStringLiteral("/2008.03.05.log")));
    auto ohne = umgebung(QStringLiteral("/port:") + QDir(ordner()).filePath(QStringLiteral("ttyNone")));
    ohne.ftApi = nullptr;
    auto still = shell::programmStarten(ohne);
    ASSERT_NE(still, nullptr);
    still->VerbindungAufbauen();
    EXPECT_TRUE(logs_.dateien().isEmpty());
}

} // namespace
} // namespace kav::test
