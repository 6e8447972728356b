// The page "Daten vom Gerät": the records in the device's memory, listed, and
// one of them loaded by a double-click. The values are read afterwards by the
// status check (tmrDateVomG).
#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ansi_text.h"
#include "com_usb.h"
#include "control_indexes.h"
#include "globals.h"
#include "kav_main.h"
#include "logs.h"
#include "panel_widgets.h"
#include "record_messages.h"

namespace kav::shell {

std::string sprache() { return global().Sprache.toStdString(); }

Dialoge::Antwort zeigen(const records::Meldung& m) {
    Dialoge::Symbol symbol = Dialoge::Symbol::Keins;
    switch (m.symbol) {
    case records::Meldung::Symbol::Keins: break;
    case records::Meldung::Symbol::Ausrufezeichen: symbol = Dialoge::Symbol::Ausrufezeichen; break;
    case records::Meldung::Symbol::Information: symbol = Dialoge::Symbol::Information; break;
    case records::Meldung::Symbol::Stopp: symbol = Dialoge::Symbol::Stopp; break;
    }
    return dialoge().meldung(QString::fromStdString(m.text), QString::fromStdString(m.titel), Dialoge::Knoepfe::Ok,
                             symbol);
}

void protokollieren(const std::vector<records::LogZeile>& zeilen) {
    for (const records::LogZeile& z : zeilen) {
        // Log lines carry device bytes (a raw reply) or ASCII only.
        const QString text = fromAnsi(z.text);
        // Lines of an error handler go to the daily log with or without "/debug";
        // the error log belongs to the encoder's track errors alone.
        if (!z.nurDebug || global().DebugAn)
            LogSchreiben(text);
    }
}

void KAV_Main::datenlistenVerbinden() {
    connect(lstAlle0, &QListWidget::itemClicked, this, [this] { lstAlle_Click(0); });
    connect(lstAlle0, &QListWidget::currentRowChanged, this, [this] { lstAlle_Click(0); });
    connect(lstAlle0, &QListWidget::itemDoubleClicked, this, [this] { lstAlle_DblClick(0); });
    connect(drvAlle0, &DriveList::driveChanged, this, [this] { drvAlle_Change(0); });
    connect(dirAlle0, &FolderList::pathChanged, this, [this] { dirAlle_Change(0); });
    connect(dirAlle0, &FolderList::oeffnenVerweigert, this, [this] { ordnerFehler(); });
    connect(fleAlle0, &QListWidget::itemClicked, this, [this] { fleAlle_Click(0); });
    connect(fleAlle0, &QListWidget::currentRowChanged, this, [this] { fleAlle_Click(0); });
    connect(fleAlle0, &QListWidget::itemDoubleClicked, this, [this] { fleAlle_DblClick(0); });
    connect(fleAlle0, &FileList::pathChanged, this, [this] { fleAlle_PathChange(0); });
}

void KAV_Main::DatenVomG() {
    // The link pumps messages at every exchange: a click then must not start
    // a second exchange in the middle of the first.
    if (Beschaeftigt)
        return;
    lstAlle0->clear();
    KopfListe.fill({});
    Beschaeftigt = true;
    if (link_) {
        // Each line appears as it is read; the link pumps messages at every exchange.
        const records::Auflistung a =
            records::DatenVomG(*link_, [this](int, const std::string& zeile) { lstAlle0->addItem(fromAnsi(zeile)); });
        KopfListe = a.KopfListe;
        protokollieren(a.log);
        if (a.hatMeldung())
            zeigen(records::listenMeldung(a.ergebnis, sprache()));
    }
    Beschaeftigt = false;
}

void KAV_Main::lstAlle_Click(int index) {
    if (index == 0)
        btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
}

void KAV_Main::lstAlle_DblClick(int index) {
    if (index != 0 || !link_ || Beschaeftigt)
        return;
    const records::Ladung l = records::datensatzLaden(*link_, lstAlle0->currentRow(), KopfListe);
    if (l.ergebnis == records::Ladeergebnis::KeineAuswahl)
        return;
    protokollieren(l.log);
    if (l.ergebnis == records::Ladeergebnis::Ok) {
        txtAlle[idx::txtName]->setText(fromAnsi(l.anzeige.name));
        txtAlle[idx::txtGeberSN]->setText(fromAnsi(l.anzeige.geberSN));
        txtAlle[idx::txtGeraetSN]->setText(fromAnsi(l.anzeige.geraetSN));
        txtAlle[idx::txtDatum]->setText(QString::fromLatin1(l.anzeige.datum));
        AktDateiTyp = l.AktDateiTyp;
        // One character per header byte, so a save takes its bytes back unchanged.
        KopfText = QString::fromLatin1(l.KopfText.data(), static_cast<qsizetype>(l.KopfText.size()));
        if (ocxTacho)
            ocxTacho->setProperty("MaxAnzahl", QVariant::fromValue<qint16>(6000));
        tmrDateVomG.start();
        btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
    } else {
        if (l.ergebnis == records::Ladeergebnis::Fehler)
            zeigen(records::ladeMeldung(l.ergebnis, sprache()));
        AktDateiTyp = 0;
        for (int t : {idx::txtDatum, idx::txtName, idx::txtGeberSN})
            txtAlle[static_cast<std::size_t>(t)]->clear();
    }
    // The result page the readout shows enables printing again.
    mnuProgrammItem[4]->setEnabled(false);
    for (int p : {idx::picDrehschwebung, idx::picSchlechtimpulse, idx::picAktuell})
        picGrafik[static_cast<std::size_t>(p)]->hide();
}

} // namespace kav::shell
