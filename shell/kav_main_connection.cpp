// Connecting to the device and disconnecting: the attempt with its panel and
// wiring diagram, the four ways it can fail, the identity read, and the status
// check before a stored record is read.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
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
#include "dialogs.h"
#include "globals.h"
#include "kav_main.h"
#include "language.h"
#include "logs.h"
#include "typed_values.h"
#include "vb_colors.h"

namespace kav::shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString T(const char* deutsch) { return SprachText(QString::fromUtf8(deutsch)); }

} // namespace

void KAV_Main::VerbindungAufbauen() {
    // A click that arrives while an attempt pumps messages must not tear the
    // link down under the attempt that is running.
    if (verbindungLaeuft_ || !link_)
        return;
    verbindungLaeuft_ = true;

    Beschaeftigt = true;
    VerbindungBeenden();
    // Connecting again is impossible while this attempt runs, and must look so.
    verbindenMoeglich(false);
    btnAlle[idx::btnDatenVomComputer]->setEnabled(false);
    btnAlle[idx::btnSpurfehler]->hide();
    labAlle[idx::labVerbindungMeldung]->setText(T("Bitte warten.") + kCrLf +
                                                T("Es wird versucht eine Verbindung mit dem Gerät herzustellen."));
    Verbindungsdiagramm->setAlleLConnection(kFarbeCyan);
    Verbindungsdiagramm->setAlleLUb1(kFarbeBlau);
    btnAlle[idx::btnSchliessen]->hide();
    tmrBalken.start();
    VerbindungsInfoZeigen(true);
    QCoreApplication::processEvents();

    std::string diagnose;
    const std::uint8_t r = link_->COM_USBOeffnen(diagnose);
    if (r != 0) {
        if (global().DebugAn)
            LogSchreiben(QStringLiteral("VerbindungAufbauen -> Verbindung konnte nicht hergestellt werden (%1)")
                             .arg(static_cast<int>(r)) +
                         kCrLf + fromAnsi(diagnose).trimmed());
        Verbunden = false;
        // A refused version identifier arrives as 3: it is told as such.
        VerbindungFehlerZeigen((r == 3 || r == 4) ? VerbindungsFehler::Version : VerbindungsFehler::Usb);
    } else {
        Verbunden = true;
        txtAlle[idx::txtStatus]->setText(T("Online"));
        setForeColor(txtAlle[idx::txtStatus], kFarbeBlau);

        const std::string s = link_->COM_GetStruktur("RD_Info");
        if (s.empty() || istFehlerwort(s)) {
            if (global().DebugAn)
                LogSchreiben(QStringLiteral("VerbindungAufbauen -> 'RD_Info' konnte nicht") + kCrLf +
                             QStringLiteral("ausgelesen werden."));
        } else {
            const Identitaet id = identitaetLesen(*link_);
            txtAlle[idx::txtGeraetSN]->setText(fromAnsi(id.seriennummer.text));
            txtAlle[idx::txtFirmware]->setText(fromAnsi(id.firmware.text));
            // A failure word, a device error report or no reply at all is no
            // serial number: showing it as one would report a failure as success.
            if (!id.seriennummer.ok()) {
                txtAlle[idx::txtGeraetSN]->clear();
                txtAlle[idx::txtFirmware]->clear();
                txtAlle[idx::txtStatus]->setText(T("Error"));
                // The device answered but cannot tell who it is: the link it
                // opened is closed again, so the next attempt starts afresh.
                link_->COM_USBSchliessen();
                VerbindungFehlerZeigen(VerbindungsFehler::Supply);
            } else {
                btnAlle[idx::btnDrehschwebung]->setEnabled(true);
                btnAlle[idx::btnSchlechtimpulse]->setEnabled(false);
                btnAlle[idx::btnSchlechtimpulse]->hide();
                btnAlle[idx::btnAktuell]->setEnabled(true);
                btnAlle[idx::btnDatenVomGeraet]->setEnabled(true);
                btnAlle[idx::btnDatenVomComputer]->setEnabled(true);
                VerbindungsInfoZeigen(false);
            }
        }
    }

    Beschaeftigt = false;
    if (btnAlle[idx::btnSchliessen]->isHidden())
        VerbindungsInfoZeigen(false);
    verbindenMoeglich(true);
    verbindungLaeuft_ = false;
}

// The menu items "Verbindung aufbauen" and "Verbindung beenden" and the button
// "Verbindung aufbauen": all off while an attempt runs, else as `Verbunden` says.
void KAV_Main::verbindenMoeglich(bool moeglich) {
    mnuProgrammItem[1]->setEnabled(moeglich && !Verbunden);
    mnuProgrammItem[2]->setEnabled(moeglich && Verbunden);
    btnAlle[idx::btnVerbindungAufbauen]->setEnabled(moeglich);
}

void KAV_Main::VerbindungFehlerZeigen(VerbindungsFehler variante) {
    QString text = T("Die Verbindung mit dem KAV100 konnte nicht hergestellt werden.");
    switch (variante) {
    case VerbindungsFehler::Usb:
        Verbindungsdiagramm->setAlleLConnection(kFarbeGrau);
        Verbindungsdiagramm->setAlleLUb1(kFarbeHellgrau);
        text += kCrLf + kCrLf + T("Ziehen Sie den USB - Stecker, verbinden ihn erneut") + kCrLf +
                T("und schalten das KAV100 aus und wieder ein.");
        tmrFarben.start();
        break;
    case VerbindungsFehler::Plain:
        Verbindungsdiagramm->setAlleLConnection(kFarbeHellgrau);
        Verbindungsdiagramm->setAlleLUb1(kFarbeHellgrau);
        break;
    case VerbindungsFehler::Version:
        Verbindungsdiagramm->setAlleLConnection(kFarbeHellgrau);
        Verbindungsdiagramm->setAlleLUb1(kFarbeHellgrau);
        text += kCrLf + kCrLf + T("Falsche Programmversion.");
        break;
    case VerbindungsFehler::Supply:
        Verbindungsdiagramm->setAlleLConnection(kFarbeHellgrau);
        Verbindungsdiagramm->setAlleLUb1(kFarbeGrau);
        text += kCrLf + kCrLf + T("Schalten Sie Spannungsversorgung ein.");
        tmrFarben.start();
        break;
    }
    labAlle[idx::labVerbindungMeldung]->setText(text);

    LiveBar[0]->setValue(LiveBar[0]->maximum());
    tmrBalken.stop();
    btnAlle[idx::btnSchliessen]->setText(T("Schließen"));
    btnAlle[idx::btnSchliessen]->show();
    frmAlle[idx::frmVerbindung]->show();
    btnAlle[idx::btnDatenVomComputer]->setEnabled(true);
    Verbunden = false;
}

void KAV_Main::VerbindungBeenden() {
    mnuProgrammItem[4]->setEnabled(false);
    if (Verbunden && link_) {
        if (link_->COM_USBSchliessen() != 0 && global().DebugAn)
            LogSchreiben(QStringLiteral("VerbindungBeenden -> Fehler beim Beenden"));
    }
    // The link is closed now, whatever the close reported.
    Verbunden = false;
    txtAlle[idx::txtGeraetSN]->clear();
    txtAlle[idx::txtFirmware]->clear();
    txtAlle[idx::txtStatus]->setText(T("Offline"));
    setForeColor(txtAlle[idx::txtStatus], kFarbeRot);
    unverbundenesLayout();
    mnuProgrammItem[1]->setEnabled(true);
    mnuProgrammItem[2]->setEnabled(false);
}

bool KAV_Main::linkVerloren() const { return link_ && link_->linkLost(); }

// Called from inside the transaction that found the converter gone: no
// measurement may start again, so continuous reading stops at once; the
// window goes offline once the running handler has returned.
void KAV_Main::linkVerlorenMelden() {
    tmrDateiTyp1.stop();
    tmrDateiTyp2.stop();
    tmrDateiTyp3.stop();
    tmrDateVomG.stop();
    for (QCheckBox* c : chkAlle)
        if (c && c->isChecked())
            c->setChecked(false);
    QTimer::singleShot(0, this, [this] { linkVerlorenZeigen(); });
}

void KAV_Main::linkVerlorenZeigen() {
    // A new attempt has begun or succeeded already: nothing left to show.
    if (!linkVerloren() || verbindungLaeuft_)
        return;
    if (global().DebugAn)
        LogSchreiben(QStringLiteral("Verbindung -> Der Konverter ist nicht mehr erreichbar."));
    tmrDateiTyp1.stop();
    tmrDateiTyp2.stop();
    tmrDateiTyp3.stop();
    tmrDateVomG.stop();
    HinweisZeigen(false, QString());
    VerbindungBeenden();
    VerbindungsInfoZeigen(true);
    VerbindungFehlerZeigen(VerbindungsFehler::Usb);
    verbindenMoeglich(true);
}

void KAV_Main::unverbundenesLayout() {
    for (int typ = 1; typ <= 3; ++typ)
        messSeiteZeigen(typ, false);
    for (int f : {6, 7, 9})
        frmAlle[static_cast<std::size_t>(f)]->hide();
    for (int p : {0, 1, 2})
        picGrafik[static_cast<std::size_t>(p)]->hide();
    for (int b : {0, 1, 2, 3})
        btnAlle[static_cast<std::size_t>(b)]->setEnabled(false);
    btnAlle[idx::btnDatenVomComputer]->setEnabled(true);
    for (int f : {0, 1, 2})
        frmAlle[static_cast<std::size_t>(f)]->show();
}

void KAV_Main::homeLayout() {
    for (int f : {0, 1, 2})
        frmAlle[static_cast<std::size_t>(f)]->show();
}

void KAV_Main::tmrDateVomG_Timer() {
    tmrDateVomG.stop();
    if (!link_)
        return;
    const Geraetestatus status = statusLesen(*link_);
    if (status.status.fehler == Aufruffehler::NichtGelistet) {
        if (global().DebugAn)
            LogSchreiben(QStringLiteral("tmrDateVomG -> 'RD_Info' konnte nicht") + kCrLf +
                         QStringLiteral("ausgelesen werden."));
        return;
    }
    if (!status.ok())
        return;
    if (status.messmodus) {
        dialoge().meldung(T("KAV100 befindet sich im Messmodus.") + kCrLf + kCrLf + T("Beenden Sie den Messmodus") +
                          kCrLf + T("und versuchen Sie es erneut."));
        return;
    }
    DateVomGAuslesen();
}

} // namespace kav::shell
