// The three measurement pages through the serial-port backend ("/port:"),
// against kav100sim serving the device on a pseudo-terminal. Real time: the
// poll timers run in the event loop.
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include "chart_box.h"
#include "control_indexes.h"
#include "language.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;

class MessungPty : public FensterTest {
protected:
    // Runs the event loop until `bedingung` holds (false after `ms`).
    static bool warteBis(const std::function<bool()>& bedingung, int ms = 20000) {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung()) {
            if (uhr.elapsed() > ms)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return true;
    }
};

TEST_F(MessungPty, EachPageMeasuresThroughTheSerialPort) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), {QStringLiteral("--pty"), QStringLiteral("--no-wire-time"),
                                               QStringLiteral("--pulses"), QStringLiteral("200")});
    ASSERT_TRUE(sim.waitForStarted(10000));
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    const QString pfad = QString::fromUtf8(sim.readLine().trimmed());

    auto u = umgebung(QStringLiteral("/port:") + pfad);
    u.ftApi = nullptr; // the backend the command line chooses
    u.clock = nullptr; // and real time, as the device on the other side keeps it
    auto w = std::make_unique<shell::KAV_Main>(u);
    ASSERT_TRUE(w->Form_Load());
    w->Form_Activate();
    warteBisFrei(*w);
    ASSERT_TRUE(sitzung(*w).verbunden()) << dialoge_.meldungsTexte().join('|').toStdString();

    struct Seite {
        int knopf, bild, impulszahl, zurueck;
    };
    const Seite seiten[] = {
        {idx::btnAktuell, idx::picAktuell, idx::txtImpulszahl, idx::btnAktuellZurueck},
        {idx::btnSchlechtimpulse, idx::picSchlechtimpulse, idx::txtSchlechtImpulszahl, idx::btnSchlechtZurueck},
        {idx::btnDrehschwebung, idx::picDrehschwebung, idx::txtDrehImpulszahl, idx::btnDrehZurueck},
    };
    for (const Seite& s : seiten) {
        SCOPED_TRACE(s.knopf);
        w->btnAlle_Click(s.knopf);
        warteBisFrei(*w);
        EXPECT_TRUE(warteBis([&] { return !ansicht(*w).picGrafik[static_cast<std::size_t>(s.bild)]->isHidden(); }));
        EXPECT_EQ(ansicht(*w).txtAlle[static_cast<std::size_t>(s.impulszahl)]->text(), QStringLiteral("200"));
        EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeberSN]->text(), QStringLiteral("G4711023"));
        w->btnAlle_Click(s.zurueck);
        warteBisFrei(*w);
    }
    EXPECT_EQ(ansicht(*w).chartBox()->samples().size(), 200u);
    EXPECT_TRUE(dialoge_.aufrufe().empty()) << dialoge_.meldungsTexte().join('|').toStdString();

    w->close();
    w.reset();
    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(5000));
}

// The stand-in killed while current values are read continuously, as a
// converter pulled out: the window goes offline with the connection panel and
// its failure message, stops reading, and shows no message boxes.
TEST_F(MessungPty, AConverterPulledOutWhileMeasuringTakesTheWindowOffline) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), {QStringLiteral("--pty"), QStringLiteral("--no-wire-time")});
    ASSERT_TRUE(sim.waitForStarted(10000));
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    auto u = umgebung(QStringLiteral("/port:") + QString::fromUtf8(sim.readLine().trimmed()));
    u.ftApi = nullptr;
    u.clock = nullptr;
    auto w = std::make_unique<shell::KAV_Main>(u);
    ASSERT_TRUE(w->Form_Load());
    w->Form_Activate();
    warteBisFrei(*w);
    ASSERT_TRUE(sitzung(*w).verbunden()) << dialoge_.meldungsTexte().join('|').toStdString();
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    ASSERT_TRUE(warteBis([&] { return !ansicht(*w).picGrafik[idx::picAktuell]->isHidden(); }));
    ASSERT_TRUE(ansicht(*w).chkAlle[1]->isChecked());

    sim.kill();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_TRUE(warteBis(
        [&] {
            return !ansicht(*w).frmAlle[idx::frmVerbindungsInfo]->isHidden() &&
                   !ansicht(*w).labAlle[idx::labVerbindungMeldung]->text().isEmpty();
        },
        2000));
    EXPECT_FALSE(sitzung(*w).verbunden());
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtStatus]->text(), QStringLiteral("Offline"));
    EXPECT_TRUE(ansicht(*w).labAlle[idx::labVerbindungMeldung]->text().startsWith(
        shell::SprachText(QStringLiteral("Die Verbindung mit dem KAV100 konnte nicht hergestellt werden."))))
        << ansicht(*w).labAlle[idx::labVerbindungMeldung]->text().toStdString();
    EXPECT_FALSE(ansicht(*w).chkAlle[1]->isChecked());
    EXPECT_FALSE(messen(*w).timer(1).isActive());
    EXPECT_TRUE(ansicht(*w).btnAlle[idx::btnVerbindungAufbauen]->isEnabled());
    EXPECT_TRUE(dialoge_.aufrufe().empty()) << dialoge_.meldungsTexte().join('|').toStdString();
    w->close();
}

} // namespace
} // namespace kav::test
