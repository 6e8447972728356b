// Connecting to the device and disconnecting: the attempt with its panel and
// wiring diagram, the four ways it can fail, the identity read, and the
// converter that vanished.
#include "connection_controller.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "ansi_text.h"
#include "com_usb.h"
#include "connection_diagram.h"
#include "control_indexes.h"
#include "device_call.h"
#include "device_status.h"
#include "globals.h"
#include "language.h"
#include "logs.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "records_controller.h"
#include "session.h"
#include "session_adapter.h"
#include "typed_values.h"
#include "vb_colors.h"

namespace kav::shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString T(const char* deutsch) { return SprachText(QString::fromUtf8(deutsch)); }

} // namespace

// What a connection attempt found, handed from the worker to the window.
struct ConnectionController::Versuch {
    std::uint8_t oeffnen = 1;
    std::string diagnose;
    bool infoGelesen = false;
    Identitaet id;
};

ConnectionController::ConnectionController(Fensterteile& t) : t_(t) {}

void ConnectionController::VerbindungAufbauen() {
    // Its button and menu item are off while an attempt runs; a call that
    // comes anyway waits for nothing and starts nothing.
    if (versuchLaeuft_)
        return;
    MainView& v = t_.v;
    versuchLaeuft_ = true;
    verloren_ = false;
    VerbindungBeenden();
    // Connecting again is impossible while this attempt runs, and must look so.
    verbindenMoeglich(false);
    v.btnAlle[idx::btnDatenVomComputer]->setEnabled(false);
    v.btnAlle[idx::btnSpurfehler]->hide();
    v.labAlle[idx::labVerbindungMeldung]->setText(T("Bitte warten.") + kCrLf +
                                                  T("Es wird versucht eine Verbindung mit dem Gerät herzustellen."));
    v.Verbindungsdiagramm->setAlleLConnection(kFarbeCyan);
    v.Verbindungsdiagramm->setAlleLUb1(kFarbeBlau);
    v.btnAlle[idx::btnSchliessen]->hide();
    v.tmrBalken.start();
    v.VerbindungsInfoZeigen(true);

    t_.adapter.posten<Versuch>(
        [](ComUSB& link, const session::AbbruchToken&) {
            Versuch e;
            e.oeffnen = link.COM_USBOeffnen(e.diagnose);
            if (e.oeffnen != 0)
                return e;
            const std::string s = link.COM_GetStruktur("RD_Info");
            e.infoGelesen = !s.empty() && !istFehlerwort(s);
            if (!e.infoGelesen)
                return e;
            e.id = identitaetLesen(link);
            // The device answered but cannot tell who it is: the link it
            // opened is closed again, so the next attempt starts afresh.
            if (!e.id.seriennummer.ok())
                link.COM_USBSchliessen();
            return e;
        },
        [this](session::JobErgebnis<Versuch> r) {
            versuchLaeuft_ = false;
            versuchAuswerten(r.wert ? *r.wert : Versuch{});
        });
}

void ConnectionController::versuchAuswerten(const Versuch& e) {
    MainView& v = t_.v;
    if (e.oeffnen != 0) {
        if (global().DebugAn)
            LogSchreiben(QStringLiteral("VerbindungAufbauen -> Verbindung konnte nicht hergestellt werden (%1)")
                             .arg(static_cast<int>(e.oeffnen)) +
                         kCrLf + fromAnsi(e.diagnose).trimmed());
        // A refused version identifier arrives as 3: it is told as such.
        VerbindungFehlerZeigen((e.oeffnen == 3 || e.oeffnen == 4) ? Fehler::Version : Fehler::Usb);
    } else {
        v.txtAlle[idx::txtStatus]->setText(T("Online"));
        setForeColor(v.txtAlle[idx::txtStatus], kFarbeBlau);
        if (!e.infoGelesen) {
            // Online without an identity: the link stays open.
            t_.session.verbindungHergestellt({});
            if (global().DebugAn)
                LogSchreiben(QStringLiteral("VerbindungAufbauen -> 'RD_Info' konnte nicht") + kCrLf +
                             QStringLiteral("ausgelesen werden."));
        } else {
            v.txtAlle[idx::txtGeraetSN]->setText(fromAnsi(e.id.seriennummer.text));
            v.txtAlle[idx::txtFirmware]->setText(fromAnsi(e.id.firmware.text));
            // A failure word, a device error report or no reply at all is no
            // serial number: showing it as one would report a failure as success.
            if (!e.id.seriennummer.ok()) {
                v.txtAlle[idx::txtGeraetSN]->clear();
                v.txtAlle[idx::txtFirmware]->clear();
                v.txtAlle[idx::txtStatus]->setText(T("Error"));
                VerbindungFehlerZeigen(Fehler::Supply);
            } else {
                t_.session.verbindungHergestellt({e.id.seriennummer, e.id.firmware});
                v.btnAlle[idx::btnDrehschwebung]->setEnabled(true);
                v.btnAlle[idx::btnSchlechtimpulse]->setEnabled(false);
                v.btnAlle[idx::btnSchlechtimpulse]->hide();
                v.btnAlle[idx::btnAktuell]->setEnabled(true);
                v.btnAlle[idx::btnDatenVomGeraet]->setEnabled(true);
                v.btnAlle[idx::btnDatenVomComputer]->setEnabled(true);
                v.VerbindungsInfoZeigen(false);
            }
        }
    }
    if (v.btnAlle[idx::btnSchliessen]->isHidden())
        v.VerbindungsInfoZeigen(false);
    verbindenMoeglich(true);
}

// The menu items "Verbindung aufbauen" and "Verbindung beenden" and the button
// "Verbindung aufbauen": all off while an attempt runs, else as the session says.
void ConnectionController::verbindenMoeglich(bool moeglich) {
    const bool verbunden = t_.session.verbunden();
    t_.v.mnuProgrammItem[1]->setEnabled(moeglich && !verbunden);
    t_.v.mnuProgrammItem[2]->setEnabled(moeglich && verbunden);
    t_.v.btnAlle[idx::btnVerbindungAufbauen]->setEnabled(moeglich);
}

void ConnectionController::VerbindungFehlerZeigen(Fehler variante) {
    MainView& v = t_.v;
    QString text = T("Die Verbindung mit dem KAV100 konnte nicht hergestellt werden.");
    switch (variante) {
    case Fehler::Usb:
        v.Verbindungsdiagramm->setAlleLConnection(kFarbeGrau);
        v.Verbindungsdiagramm->setAlleLUb1(kFarbeHellgrau);
        text += kCrLf + kCrLf + T("Ziehen Sie den USB - Stecker, verbinden ihn erneut") + kCrLf +
                T("und schalten das KAV100 aus und wieder ein.");
        v.tmrFarben.start();
        break;
    case Fehler::Plain:
    case Fehler::Version:
        v.Verbindungsdiagramm->setAlleLConnection(kFarbeHellgrau);
        v.Verbindungsdiagramm->setAlleLUb1(kFarbeHellgrau);
        if (variante == Fehler::Version)
            text += kCrLf + kCrLf + T("Falsche Programmversion.");
        break;
    case Fehler::Supply:
        v.Verbindungsdiagramm->setAlleLConnection(kFarbeHellgrau);
        v.Verbindungsdiagramm->setAlleLUb1(kFarbeGrau);
        text += kCrLf + kCrLf + T("Schalten Sie Spannungsversorgung ein.");
        v.tmrFarben.start();
        break;
    }
    v.labAlle[idx::labVerbindungMeldung]->setText(text);

    v.LiveBar[0]->setValue(v.LiveBar[0]->maximum());
    v.tmrBalken.stop();
    v.btnAlle[idx::btnSchliessen]->setText(T("Schließen"));
    v.btnAlle[idx::btnSchliessen]->show();
    v.frmAlle[idx::frmVerbindung]->show();
    v.btnAlle[idx::btnDatenVomComputer]->setEnabled(true);
    if (t_.session.verbunden())
        t_.session.verbindungGetrennt();
}

void ConnectionController::VerbindungBeenden() {
    MainView& v = t_.v;
    if (t_.session.verbunden()) {
        t_.adapter.posten<std::uint8_t>(
            [](ComUSB& link, const session::AbbruchToken&) { return link.COM_USBSchliessen(); },
            [](session::JobErgebnis<std::uint8_t> r) {
                if (r.wert && *r.wert != 0 && global().DebugAn)
                    LogSchreiben(QStringLiteral("VerbindungBeenden -> Fehler beim Beenden"));
            });
    }
    // The link is closed now, whatever the close reports.
    t_.session.verbindungGetrennt();
    v.txtAlle[idx::txtGeraetSN]->clear();
    v.txtAlle[idx::txtFirmware]->clear();
    v.txtAlle[idx::txtStatus]->setText(T("Offline"));
    setForeColor(v.txtAlle[idx::txtStatus], kFarbeRot);
    unverbundenesLayout();
    v.mnuProgrammItem[1]->setEnabled(true);
    v.mnuProgrammItem[2]->setEnabled(false);
}

void ConnectionController::linkVerlorenAusWorker() {
    t_.adapter.nachUi([this] { linkVerlorenMelden(); });
}

// No measurement may start again, so continuous reading stops at once; the
// window goes offline once the job that found the loss has ended.
void ConnectionController::linkVerlorenMelden() {
    verloren_ = true;
    t_.messung->allesStoppen();
    t_.daten->statusPruefungStoppen();
    QTimer::singleShot(0, this, [this] { linkVerlorenZeigen(); });
}

void ConnectionController::linkVerlorenZeigen() {
    // A new attempt has begun or succeeded already: nothing left to show.
    if (!verloren_ || versuchLaeuft_)
        return;
    if (global().DebugAn)
        LogSchreiben(QStringLiteral("Verbindung -> Der Konverter ist nicht mehr erreichbar."));
    t_.messung->allesStoppen();
    t_.daten->statusPruefungStoppen();
    t_.v.HinweisZeigen(false, QString());
    VerbindungBeenden();
    t_.v.VerbindungsInfoZeigen(true);
    VerbindungFehlerZeigen(Fehler::Usb);
    verbindenMoeglich(true);
}

void ConnectionController::unverbundenesLayout() {
    MainView& v = t_.v;
    for (int typ = 1; typ <= 3; ++typ)
        t_.messung->seiteZeigen(typ, false);
    for (int f : {6, 7, 9})
        v.zeigen(f, false);
    for (int p : {0, 1, 2})
        v.picGrafik[static_cast<std::size_t>(p)]->hide();
    for (int b : {0, 1, 2, 3})
        v.btnAlle[static_cast<std::size_t>(b)]->setEnabled(false);
    v.btnAlle[idx::btnDatenVomComputer]->setEnabled(true);
    for (int f : {0, 1, 2})
        v.zeigen(f, true);
}

void ConnectionController::homeLayout() {
    for (int f : {0, 1, 2})
        t_.v.zeigen(f, true);
}

} // namespace kav::shell
