// Connecting and disconnecting: the attempt, the identity read, the four
// failure variants with their lines and texts, the blinking, the status check.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "connection_diagram.h"
#include "control_indexes.h"
#include "globals.h"
#include "language.h"
#include "vb_colors.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;
using sim::FaultRule;
using Fehler = shell::ConnectionController::Fehler;

constexpr std::uint32_t cyan = shell::kFarbeCyan, blau = shell::kFarbeBlau, rot = shell::kFarbeRot,
                        grau = shell::kFarbeGrau, hellgrau = shell::kFarbeHellgrau;

class VerbindungTest : public FensterTest {
protected:
    static std::vector<std::uint32_t> usb(const KAV_Main& w) {
        std::vector<std::uint32_t> f;
        for (int i = 0; i < 4; ++i)
            f.push_back(ansicht(w).Verbindungsdiagramm->LConnection(i));
        return f;
    }
    static std::vector<std::uint32_t> versorgung(const KAV_Main& w) {
        return {ansicht(w).Verbindungsdiagramm->LUb1(0), ansicht(w).Verbindungsdiagramm->LUb1(1)};
    }
    static std::vector<std::uint32_t> alle(std::size_t n, std::uint32_t farbe) {
        return std::vector<std::uint32_t>(n, farbe);
    }

    static const QString kNichtHergestellt;
    // Every failure leaves the same frame around its message.
    void fehlschlagErwartet(const KAV_Main& w) {
        EXPECT_FALSE(sitzung(w).verbunden());
        EXPECT_FALSE(sitzung(w).beschaeftigt());
        EXPECT_FALSE(ansicht(w).frmAlle[8]->isHidden()) << "the panel stays with its message";
        EXPECT_FALSE(ansicht(w).btnAlle[15]->isHidden());
        EXPECT_EQ(ansicht(w).btnAlle[15]->text(), shell::SprachText(QStringLiteral("Schließen")));
        EXPECT_EQ(ansicht(w).LiveBar[0]->value(), ansicht(w).LiveBar[0]->maximum());
        EXPECT_FALSE(ansicht(w).tmrBalken.isActive());
        EXPECT_FALSE(ansicht(w).frmAlle[9]->isHidden());
        EXPECT_TRUE(ansicht(w).btnAlle[4]->isEnabled());
        for (int b : {0, 1, 2, 3})
            EXPECT_FALSE(ansicht(w).btnAlle[static_cast<std::size_t>(b)]->isEnabled()) << b;
        EXPECT_TRUE(ansicht(w).mnuProgrammItem[1]->isEnabled());
        EXPECT_FALSE(ansicht(w).mnuProgrammItem[2]->isEnabled());
        EXPECT_TRUE(ansicht(w).btnAlle[idx::btnVerbindungAufbauen]->isEnabled());
        EXPECT_TRUE(dialoge_.aufrufe().empty()) << "failures are told on the panel, never in a box";
    }
};

const QString VerbindungTest::kNichtHergestellt = QStringLiteral("Connection to KAV100 not possible.");

TEST_F(VerbindungTest, ASuccessfulConnectionShowsIdentityAndOnlineInBlue) {
    auto w = starteUndAktiviere();
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_FALSE(sitzung(*w).beschaeftigt());
    EXPECT_TRUE(geraet().isOpen());
    EXPECT_EQ(ansicht(*w).txtAlle[30]->text(), QStringLiteral("070123"));
    EXPECT_EQ(ansicht(*w).txtAlle[31]->text(), QStringLiteral("V2.13"));
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Online"));
    EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[35]), blau);
    EXPECT_TRUE(ansicht(*w).btnAlle[1]->isHidden());
    EXPECT_FALSE(ansicht(*w).btnAlle[1]->isEnabled());
    for (int b : {0, 2, 3, 4})
        EXPECT_TRUE(ansicht(*w).btnAlle[static_cast<std::size_t>(b)]->isEnabled()) << b;
    EXPECT_TRUE(ansicht(*w).frmAlle[8]->isHidden());
    EXPECT_TRUE(ansicht(*w).frmAlle[9]->isHidden());
    EXPECT_FALSE(ansicht(*w).tmrBalken.isActive());
    EXPECT_FALSE(ansicht(*w).tmrFarben.isActive());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[1]->isEnabled());
    EXPECT_TRUE(ansicht(*w).mnuProgrammItem[2]->isEnabled());
    EXPECT_TRUE(dialoge_.aufrufe().empty());
}

TEST_F(VerbindungTest, DuringTheAttemptThePanelShowsTheDiagramInAttemptColours) {
    auto w = starte();
    ansicht(*w).btnAlle[20]->show();
    bool gesehen = false;
    // Runs when the attempt pumps messages before opening the link.
    QTimer::singleShot(0, w.get(), [&] {
        gesehen = true;
        EXPECT_TRUE(sitzung(*w).beschaeftigt());
        EXPECT_FALSE(ansicht(*w).frmAlle[8]->isHidden());
        EXPECT_EQ(ansicht(*w).labAlle[43]->text(),
                  QStringLiteral("Please wait.\r\nCommunication trial with the unit."));
        EXPECT_EQ(usb(*w), alle(4, cyan));
        EXPECT_EQ(versorgung(*w), alle(2, blau));
        EXPECT_TRUE(ansicht(*w).btnAlle[15]->isHidden());
        EXPECT_FALSE(ansicht(*w).btnAlle[4]->isEnabled());
        EXPECT_TRUE(ansicht(*w).btnAlle[20]->isHidden());
        EXPECT_TRUE(ansicht(*w).tmrBalken.isActive());
        // The disconnect at the attempt's start has set the window offline;
        // connecting again is impossible while the attempt runs.
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[1]->isEnabled());
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[2]->isEnabled());
        EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnVerbindungAufbauen]->isEnabled());
        EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Offline"));
    });
    w->Form_Activate();
    warteBisFrei(*w);
    EXPECT_TRUE(gesehen);
    EXPECT_TRUE(sitzung(*w).verbunden());
}

TEST_F(VerbindungTest, NoDeviceShowsTheUsbVariantWithBlinkingUsbLines) {
    neuesGeraet(ohneWandler());
    auto w = starteUndAktiviere();
    fehlschlagErwartet(*w);
    EXPECT_EQ(ansicht(*w).labAlle[43]->text(),
              kNichtHergestellt + QStringLiteral("\r\n\r\nReconnect the USB connection\r\n"
                                                 "and switch the KAV100 on / off."));
    EXPECT_EQ(usb(*w), alle(4, grau));
    EXPECT_EQ(versorgung(*w), alle(2, hellgrau));
    EXPECT_TRUE(ansicht(*w).tmrFarben.isActive());
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Offline"));
    EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[35]), rot);
    EXPECT_EQ(geraet().calls().openEx, 3) << "three attempts to open";

    // The USB lines blink red and grey; the supply stays light grey.
    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(usb(*w), alle(4, rot));
    EXPECT_EQ(versorgung(*w), alle(2, hellgrau));
    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(usb(*w), alle(4, grau));
    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(usb(*w), alle(4, rot));
}

TEST_F(VerbindungTest, ASilentDeviceFailsTheCommandListAndShowsTheUsbVariant) {
    sim::Scenario s;
    s.silent();
    neuesGeraet(s);
    auto w = starteUndAktiviere();
    fehlschlagErwartet(*w);
    EXPECT_TRUE(ansicht(*w).labAlle[43]->text().startsWith(kNichtHergestellt + QStringLiteral("\r\n\r\nReconnect")));
    EXPECT_FALSE(geraet().isOpen()) << "the link closed what it opened";
}

TEST_F(VerbindungTest, ARefusedVersionSaysWrongProgramVersionWithoutBlinking) {
    neuesGeraet(versionAbgelehnt());
    auto w = starte();
    w->SpracheSetzen(QStringLiteral("D"));
    w->Form_Activate();
    warteBisFrei(*w);
    fehlschlagErwartet(*w);
    EXPECT_EQ(ansicht(*w).labAlle[43]->text(),
              QStringLiteral("Die Verbindung mit dem KAV100 konnte nicht hergestellt werden."
                             "\r\n\r\nFalsche Programmversion."));
    EXPECT_EQ(usb(*w), alle(4, hellgrau));
    EXPECT_EQ(versorgung(*w), alle(2, hellgrau));
    EXPECT_FALSE(ansicht(*w).tmrFarben.isActive());
}

TEST_F(VerbindungTest, ADeviceErrorReportInPlaceOfTheSerialNumberIsNoIdentity) {
    sim::Scenario s;
    FaultRule r = FaultRule::make(FaultRule::Kind::ErrorReport, "RD_Info");
    r.parameterPrefix = {3};
    r.errorMask = 0x9;
    s.add(r);
    neuesGeraet(s);
    auto w = starteUndAktiviere();
    fehlschlagErwartet(*w);
    EXPECT_TRUE(ansicht(*w).txtAlle[30]->text().isEmpty());
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Error"));
    EXPECT_EQ(ansicht(*w).labAlle[43]->text(), kNichtHergestellt + QStringLiteral("\r\n\r\nSwitch-on supply voltage."));
    EXPECT_FALSE(geraet().isOpen());
}

TEST_F(VerbindungTest, AnErrorInPlaceOfTheSerialNumberShowsTheSupplyVariantAndClosesTheLink) {
    sim::Scenario s;
    FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, "RD_Info");
    r.parameterPrefix = {3};
    s.add(r);
    neuesGeraet(s);
    auto w = starteUndAktiviere();
    fehlschlagErwartet(*w);
    EXPECT_TRUE(ansicht(*w).txtAlle[30]->text().isEmpty());
    EXPECT_TRUE(ansicht(*w).txtAlle[31]->text().isEmpty());
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Error"));
    EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[35]), blau) << "the colour stays as it was";
    EXPECT_EQ(ansicht(*w).labAlle[43]->text(), kNichtHergestellt + QStringLiteral("\r\n\r\nSwitch-on supply voltage."));
    EXPECT_EQ(usb(*w), alle(4, hellgrau));
    EXPECT_EQ(versorgung(*w), alle(2, grau));
    EXPECT_TRUE(ansicht(*w).tmrFarben.isActive());
    EXPECT_FALSE(geraet().isOpen());

    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(versorgung(*w), alle(2, rot));
    EXPECT_EQ(usb(*w), alle(4, hellgrau));
    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(versorgung(*w), alle(2, grau));

    // The next attempt starts afresh and, with the fault gone, succeeds.
    geraet().scenario().faults.clear();
    ansicht(*w).mnuProgrammItem[1]->trigger();
    warteBisFrei(*w);
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_EQ(ansicht(*w).txtAlle[30]->text(), QStringLiteral("070123"));
    EXPECT_FALSE(ansicht(*w).tmrFarben.isActive());
}

TEST_F(VerbindungTest, ThePlainVariantShowsOnlyTheMessageAndLightGreyLines) {
    offlineStart();
    auto w = starte();
    ansicht(*w).VerbindungsInfoZeigen(true);
    verbindung(*w).VerbindungFehlerZeigen(Fehler::Plain);
    EXPECT_EQ(ansicht(*w).labAlle[43]->text(), kNichtHergestellt);
    EXPECT_EQ(usb(*w), alle(4, hellgrau));
    EXPECT_EQ(versorgung(*w), alle(2, hellgrau));
    EXPECT_FALSE(ansicht(*w).tmrFarben.isActive());
    EXPECT_FALSE(ansicht(*w).frmAlle[9]->isHidden());
    // With nothing at fault in the diagram, all lines blink together.
    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(versorgung(*w), alle(2, rot));
}

TEST_F(VerbindungTest, BlinkingNeedsTheVisiblePanelAndTogglesWithTheTimer) {
    neuesGeraet(ohneWandler());
    auto w = starteUndAktiviere();
    // Red and grey each last half a second: one tick each.
    ASSERT_EQ(ansicht(*w).tmrFarben.interval(), 500);
    ASSERT_TRUE(ansicht(*w).tmrFarben.isActive());

    // The ticks' colours are tested above; here only that the running timer
    // drives them, so it may tick faster.
    std::vector<std::uint32_t> wechsel;
    QObject::connect(ansicht(*w).Verbindungsdiagramm, &shell::ConnectionDiagram::farbenGeaendert, w.get(), [&] {
        const std::uint32_t f = ansicht(*w).Verbindungsdiagramm->LConnection(0);
        if (wechsel.empty() || wechsel.back() != f)
            wechsel.push_back(f);
    });
    ansicht(*w).tmrFarben.setInterval(1);
    QTRY_VERIFY_WITH_TIMEOUT(wechsel.size() >= 3, 5000);
    for (std::size_t i = 1; i < wechsel.size(); ++i)
        EXPECT_NE(wechsel[i], wechsel[i - 1]);

    ansicht(*w).frmAlle[8]->hide();
    const auto vorher = usb(*w);
    ansicht(*w).tmrFarben_Timer();
    EXPECT_EQ(usb(*w), vorher);
}

TEST_F(VerbindungTest, DisconnectReturnsToTheUnconnectedLayoutAndTheEndDoesNotCloseAgain) {
    auto w = starteUndAktiviere();
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    ansicht(*w).mnuProgrammItem[4]->setEnabled(true);
    const int schliessen = geraet().calls().close;
    ansicht(*w).mnuProgrammItem[2]->trigger();
    warteBisFrei(*w);
    EXPECT_FALSE(sitzung(*w).verbunden());
    EXPECT_FALSE(geraet().isOpen());
    EXPECT_EQ(geraet().calls().close, schliessen + 1);
    EXPECT_TRUE(ansicht(*w).txtAlle[30]->text().isEmpty());
    EXPECT_TRUE(ansicht(*w).txtAlle[31]->text().isEmpty());
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Offline"));
    EXPECT_EQ(shell::foreColor(ansicht(*w).txtAlle[35]), rot);
    EXPECT_TRUE(ansicht(*w).frmAlle[5]->isHidden());
    for (int f : {0, 1, 2})
        EXPECT_FALSE(ansicht(*w).frmAlle[static_cast<std::size_t>(f)]->isHidden());
    for (int b : {0, 1, 2, 3})
        EXPECT_FALSE(ansicht(*w).btnAlle[static_cast<std::size_t>(b)]->isEnabled());
    EXPECT_TRUE(ansicht(*w).btnAlle[4]->isEnabled());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    EXPECT_TRUE(ansicht(*w).mnuProgrammItem[1]->isEnabled());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[2]->isEnabled());

    ASSERT_TRUE(w->close());
    EXPECT_EQ(geraet().calls().close, schliessen + 1) << "the end has no open link to close";
}

TEST_F(VerbindungTest, ConnectingAgainClosesTheOpenLinkFirst) {
    auto w = starteUndAktiviere();
    const int schliessen = geraet().calls().close;
    w->VerbindungAufbauen();
    warteBisFrei(*w);
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_GE(geraet().calls().close, schliessen + 1);
    EXPECT_TRUE(geraet().isOpen());
}

// Looked at every time the attempt pumps messages: before the open, while the
// converter is opened, while the command list and the identity are read.
TEST_F(VerbindungTest, ConnectingIsShownImpossibleThroughoutTheAttempt) {
    struct Fall {
        const char* name;
        sim::Scenario scenario;
        bool verbunden;
    };
    sim::Scenario langsam;
    FaultRule r = FaultRule::make(FaultRule::Kind::Slow);
    r.delay = std::chrono::milliseconds(150);
    langsam.add(r);
    const Fall faelle[] = {{"good", {}, true}, {"slow", langsam, true}, {"no device", ohneWandler(), false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        neuesGeraet(f.scenario);
        offlineStart();
        auto w = starteUndAktiviere();
        ansicht(*w).frmAlle[idx::frmVerbindung]->show();
        // The click returns at once; the attempt runs on the worker.
        w->btnAlle_Click(idx::btnVerbindungAufbauen);
        EXPECT_TRUE(sitzung(*w).beschaeftigt());
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[1]->isEnabled());
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[2]->isEnabled());
        EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnVerbindungAufbauen]->isEnabled());
        warteBisFrei(*w);
        EXPECT_EQ(sitzung(*w).verbunden(), f.verbunden);
        EXPECT_EQ(ansicht(*w).mnuProgrammItem[1]->isEnabled(), !f.verbunden);
        EXPECT_EQ(ansicht(*w).mnuProgrammItem[2]->isEnabled(), f.verbunden);
        EXPECT_TRUE(ansicht(*w).btnAlle[idx::btnVerbindungAufbauen]->isEnabled());
        EXPECT_EQ(ansicht(*w).frmAlle[idx::frmVerbindung]->isHidden(), f.verbunden);
    }
}

TEST_F(VerbindungTest, AConnectClickDuringAnAttemptDoesNotStartASecondOne) {
    auto w = starte();
    QTimer::singleShot(0, w.get(), [&] { w->btnAlle_Click(idx::btnVerbindungAufbauen); });
    w->Form_Activate();
    warteBisFrei(*w);
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_EQ(geraet().calls().openEx, 1);
}

TEST_F(VerbindungTest, AMissingRdInfoIsOnlyLoggedWithDebug) {
    neuesGeraet(ohneBefehl("RD_Info"));
    auto w = starteUndAktiviere(QStringLiteral("/debug"));
    EXPECT_TRUE(sitzung(*w).verbunden()) << "the link is open";
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Online"));
    EXPECT_TRUE(ansicht(*w).txtAlle[30]->text().isEmpty());
    EXPECT_FALSE(ansicht(*w).btnAlle[4]->isEnabled());
    EXPECT_FALSE(ansicht(*w).btnAlle[2]->isEnabled());
    EXPECT_TRUE(ansicht(*w).frmAlle[8]->isHidden());
    EXPECT_TRUE(dialoge_.aufrufe().empty());
    EXPECT_EQ(logs_.tagesLog(), "09:04:07 - VerbindungAufbauen -> 'RD_Info' konnte nicht\r\nausgelesen werden.\r\n");
}

TEST_F(VerbindungTest, WithoutDebugNoLogIsWritten) {
    neuesGeraet(ohneBefehl("RD_Info"));
    auto w = starteUndAktiviere();
    ansicht(*w).mnuProgrammItem[2]->trigger();
    warteBisFrei(*w);
    EXPECT_TRUE(logs_.dateien().isEmpty());
}

TEST_F(VerbindungTest, TheKommunSwitchLogsEveryFrame) {
    auto w = starteUndAktiviere(QStringLiteral("/kommun"));
    ASSERT_TRUE(sitzung(*w).verbunden());
    const QByteArray log = logs_.inhalt(QStringLiteral("Kommun_2008.03.05.log"));
    EXPECT_TRUE(log.startsWith("09:04:07 - Schreiben -> ")) << log.left(80).toStdString();
    EXPECT_TRUE(log.contains("\r\n09:04:07 - Lesen     -> "));
}

TEST_F(VerbindungTest, DeviceTextsAreWindows1252) {
    geraet().device().identity().serial = "07\xC4"
                                          "123";
    geraet().device().identity().firmware = "V2.13\xB5";
    auto w = starteUndAktiviere();
    EXPECT_EQ(ansicht(*w).txtAlle[30]->text(), QStringLiteral("07Ä123"));
    EXPECT_EQ(ansicht(*w).txtAlle[31]->text(), QStringLiteral("V2.13µ"));
}

TEST_F(VerbindungTest, TheStatusCheckRefusesWhileTheDeviceMeasuresOnItsOwn) {
    auto w = starteUndAktiviere();
    geraet().scenario().ownMeasuringMode = true;
    daten(*w).statusTimer().start();
    w->tmrDateVomG_Timer();
    warteBisFrei(*w);
    EXPECT_FALSE(daten(*w).statusTimer().isActive()) << "one-shot: it disables itself";
    EXPECT_EQ(
        dialoge_.meldungsTexte(),
        QStringList{QStringLiteral("KAV100 is in measurement mode.\r\n\r\nExit measurement mode\r\nand try again.")});
    EXPECT_EQ(dialoge_.letzter().knoepfe, shell::Dialoge::Knoepfe::Ok);

    dialoge_.leeren();
    geraet().scenario().ownMeasuringMode = false;
    w->tmrDateVomG_Timer();
    warteBisFrei(*w);
    EXPECT_TRUE(dialoge_.aufrufe().empty());
}

TEST_F(VerbindungTest, TheStatusCheckLogsAMissingRdInfoWithDebug) {
    neuesGeraet(ohneBefehl("RD_Info"));
    auto w = starteUndAktiviere(QStringLiteral("/debug"));
    logs_.uhr().setLocalTime({2008, 3, 5, 10, 0, 0});
    w->tmrDateVomG_Timer();
    warteBisFrei(*w);
    EXPECT_TRUE(
        logs_.tagesLog().endsWith("10:00:00 - tmrDateVomG -> 'RD_Info' konnte nicht\r\nausgelesen werden.\r\n"));
    EXPECT_TRUE(dialoge_.aufrufe().empty());
}

TEST_F(VerbindungTest, TheEndClosesAnOpenLinkAndLogsAFailureWithDebug) {
    auto w = starteUndAktiviere(QStringLiteral("/debug"));
    ASSERT_TRUE(geraet().isOpen());
    ASSERT_TRUE(w->close());
    EXPECT_FALSE(geraet().isOpen());
    EXPECT_TRUE(logs_.dateien().isEmpty()) << "a good close logs nothing";
}

} // namespace
} // namespace kav::test

namespace kav::test {
namespace {

// A converter pulled out while the window is connected: the next device call
// finds it gone, the window goes offline with the connection panel, and
// "Verbindung aufbauen" connects again once it is plugged in.
TEST_F(VerbindungTest, AConverterPulledOutGoesOfflineAndConnectsAgainWhenBack) {
    auto w = starteUndAktiviere();
    ASSERT_TRUE(sitzung(*w).verbunden());
    sim::FaultRule drop = sim::FaultRule::make(sim::FaultRule::Kind::DropOff);
    drop.times = 1;
    geraet().scenario().add(drop);
    w->tmrDateVomG_Timer(); // a status read
    warteBisFrei(*w);
    QCoreApplication::processEvents();
    EXPECT_FALSE(sitzung(*w).verbunden());
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtStatus]->text(), QStringLiteral("Offline"));
    EXPECT_FALSE(ansicht(*w).frmAlle[idx::frmVerbindungsInfo]->isHidden());
    EXPECT_FALSE(ansicht(*w).frmAlle[idx::frmVerbindung]->isHidden());
    EXPECT_TRUE(dialoge_.aufrufe().empty());

    geraet().line().reconnect();
    w->btnAlle_Click(idx::btnVerbindungAufbauen);
    warteBisFrei(*w);
    EXPECT_TRUE(sitzung(*w).verbunden());
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtStatus]->text(), QStringLiteral("Online"));
}

} // namespace
} // namespace kav::test
