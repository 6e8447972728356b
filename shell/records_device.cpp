// The page "Daten vom Gerät": the records in the device's memory, listed, and
// one of them loaded by a double-click. The values are read afterwards by the
// status check (tmrDateVomG). The listing, the load and the check run as jobs
// on the device worker; the list grows line by line as the job reads it.
#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ansi_text.h"
#include "com_usb.h"
#include "control_indexes.h"
#include "device_status.h"
#include "dialogs.h"
#include "globals.h"
#include "language.h"
#include "logs.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "measurement_cycle.h"
#include "panel_widgets.h"
#include "record_messages.h"
#include "records_controller.h"
#include "result_records.h"
#include "session.h"
#include "session_adapter.h"

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

RecordsController::RecordsController(Fensterteile& t) : t_(t) {
    tmrDateVomG_.setInterval(500);
    tmrDateVomG_.setObjectName(QStringLiteral("tmrDateVomG"));
    connect(&tmrDateVomG_, &QTimer::timeout, this, [this] { tmrDateVomG_Timer(); });
    datenlistenVerbinden();
}

void RecordsController::datenlistenVerbinden() {
    MainView& v = t_.v;
    connect(v.lstAlle0, &QListWidget::itemClicked, this, [this] { lstAlle_Click(); });
    connect(v.lstAlle0, &QListWidget::currentRowChanged, this, [this] { lstAlle_Click(); });
    connect(v.lstAlle0, &QListWidget::itemDoubleClicked, this, [this] { lstAlle_DblClick(); });
    connect(v.drvAlle0, &DriveList::driveChanged, this, [this] { drvAlle_Change(); });
    connect(v.dirAlle0, &FolderList::pathChanged, this, [this] { dirAlle_Change(); });
    connect(v.dirAlle0, &FolderList::oeffnenVerweigert, this, [this] { ordnerFehler(); });
    connect(v.fleAlle0, &QListWidget::itemClicked, this, [this] { fleAlle_Click(); });
    connect(v.fleAlle0, &QListWidget::currentRowChanged, this, [this] { fleAlle_Click(); });
    connect(v.fleAlle0, &QListWidget::itemDoubleClicked, this, [this] {
        if (!t_.v.fleAlle0->fileName().isEmpty())
            DateiOeffnen();
    });
    connect(v.fleAlle0, &FileList::pathChanged, this, [this] { fleAlle_PathChange(); });
}

void RecordsController::DatenVomG() {
    t_.v.lstAlle0->clear();
    KopfListe.fill({});
    geraeteJob_ = t_.adapter.posten<records::Auflistung>(
        [this](ComUSB& link, const session::AbbruchToken&) {
            // Each line appears as it is read.
            return records::DatenVomG(link, [this](int, const std::string& zeile) {
                t_.adapter.nachUi([this, zeile] { t_.v.lstAlle0->addItem(fromAnsi(zeile)); });
            });
        },
        [this](session::JobErgebnis<records::Auflistung> r) {
            geraeteJob_.reset();
            if (r.status != session::JobStatus::Fertig || !r.wert)
                return;
            KopfListe = r.wert->KopfListe;
            protokollieren(r.wert->log);
            if (r.wert->hatMeldung())
                zeigen(records::listenMeldung(r.wert->ergebnis, sprache()));
        });
}

void RecordsController::lstAlle_Click() { t_.v.btnAlle[idx::btnGeraetSpeichern]->setEnabled(false); }

void RecordsController::lstAlle_DblClick() {
    // A record cannot be loaded while the list is still being read.
    if (t_.session.beschaeftigt())
        return;
    const int zeile = t_.v.lstAlle0->currentRow();
    geraeteJob_ = t_.adapter.posten<records::Ladung>(
        [zeile, liste = KopfListe](ComUSB& link, const session::AbbruchToken&) {
            return records::datensatzLaden(link, zeile, liste);
        },
        [this](session::JobErgebnis<records::Ladung> r) {
            geraeteJob_.reset();
            if (r.status != session::JobStatus::Fertig || !r.wert)
                return;
            geladen(*r.wert);
        });
}

void RecordsController::geladen(const records::Ladung& l) {
    MainView& v = t_.v;
    if (l.ergebnis == records::Ladeergebnis::KeineAuswahl)
        return;
    protokollieren(l.log);
    if (l.ergebnis == records::Ladeergebnis::Ok) {
        v.txtAlle[idx::txtName]->setText(fromAnsi(l.anzeige.name));
        v.txtAlle[idx::txtGeberSN]->setText(fromAnsi(l.anzeige.geberSN));
        v.txtAlle[idx::txtGeraetSN]->setText(fromAnsi(l.anzeige.geraetSN));
        v.txtAlle[idx::txtDatum]->setText(QString::fromLatin1(l.anzeige.datum));
        AktDateiTyp = l.AktDateiTyp;
        // One character per header byte, so a save takes its bytes back unchanged.
        KopfText = QString::fromLatin1(l.KopfText.data(), static_cast<qsizetype>(l.KopfText.size()));
        if (v.ocxTacho)
            v.ocxTacho->setProperty("MaxAnzahl", QVariant::fromValue<qint16>(6000));
        tmrDateVomG_.start();
        v.btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
    } else {
        if (l.ergebnis == records::Ladeergebnis::Fehler)
            zeigen(records::ladeMeldung(l.ergebnis, sprache()));
        AktDateiTyp = 0;
        for (int t : {idx::txtDatum, idx::txtName, idx::txtGeberSN})
            v.txtAlle[static_cast<std::size_t>(t)]->clear();
    }
    // The result page the readout shows enables printing again.
    t_.session.anzeigeLeeren();
    for (int p : {idx::picDrehschwebung, idx::picSchlechtimpulse, idx::picAktuell})
        v.picGrafik[static_cast<std::size_t>(p)]->hide();
}

// What the status check and the readout of a stored record found.
struct RecordsController::Auslesung {
    Geraetestatus status;
    bool gelesen = false;
    bool fertig = false;
    measure::AktuellWerte aktuell;
    measure::SchlechtimpulsWerte schlechtimpulse;
    measure::DrehschwebungWerte drehschwebung;
};

void RecordsController::tmrDateVomG_Timer() {
    tmrDateVomG_.stop();
    const int typ = AktDateiTyp;
    const bool seiteDa = t_.v.seiteSichtbar(idx::frmDatenVomGeraet);
    // The encoder serial is the header's: the stored record has none of its own.
    std::string geber;
    if (const auto kopf = records::kopfTextTexte(KopfText.toLatin1().toStdString()))
        geber = records::getrimmt(kopf->texte.geberSN);
    measure::MeasurementCycle* zyklus = t_.messung->zyklus();
    geraeteJob_ = t_.adapter.posten<Auslesung>(
        [typ, seiteDa, geber, zyklus](ComUSB& link, const session::AbbruchToken&) {
            Auslesung a;
            a.status = statusLesen(link);
            if (!a.status.ok() || a.status.messmodus || !seiteDa || typ < 1 || typ > 3)
                return a;
            // No ready and device-state tests for a stored record.
            auto lesen = [&](auto& live, auto readout) {
                live.GeberSN = geber;
                a.gelesen = true;
                a.fertig = (zyklus->*readout)(live, measure::Quelle::Speicher).stand == measure::Lesestand::Fertig;
            };
            using Z = measure::MeasurementCycle;
            if (typ == 1)
                lesen(a.aktuell, &Z::DateiTyp1Lesen);
            else if (typ == 2)
                lesen(a.schlechtimpulse, &Z::DateiTyp2Lesen);
            else
                lesen(a.drehschwebung, &Z::DateiTyp3Lesen);
            return a;
        },
        [this, seiteDa](session::JobErgebnis<Auslesung> r) {
            geraeteJob_.reset();
            if (r.status != session::JobStatus::Fertig || !r.wert)
                return;
            auslesungZeigen(*r.wert, seiteDa);
        });
}

void RecordsController::auslesungZeigen(Auslesung& a, bool seiteDa) {
    if (a.status.status.fehler == Aufruffehler::NichtGelistet) {
        if (global().DebugAn)
            LogSchreiben(QStringLiteral("tmrDateVomG -> 'RD_Info' konnte nicht") + QStringLiteral("\r\n") +
                         QStringLiteral("ausgelesen werden."));
        return;
    }
    if (!a.status.ok())
        return;
    if (a.status.messmodus) {
        dialoge().meldung(SprachText(QStringLiteral("KAV100 befindet sich im Messmodus.")) +
                          QStringLiteral("\r\n\r\n") + SprachText(QStringLiteral("Beenden Sie den Messmodus")) +
                          QStringLiteral("\r\n") + SprachText(QStringLiteral("und versuchen Sie es erneut.")));
        return;
    }
    // The type's live record is replaced; off the page nothing more.
    const int typ = AktDateiTyp;
    switch (typ) {
    case 1: t_.session.aktuell().live = std::move(a.aktuell); break;
    case 2: t_.session.schlechtimpulse().live = std::move(a.schlechtimpulse); break;
    case 3: t_.session.drehschwebung().live = std::move(a.drehschwebung); break;
    default: return;
    }
    if (!seiteDa || !a.gelesen)
        return;
    t_.session.anzeigeLeeren();
    if (a.fertig) {
        // A record that is there can be saved.
        t_.v.btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
        t_.messung->anzeigen(typ);
    } else if (typ == 2) {
        // The whole check again in 500 ms, until the record is there or the page is left.
        t_.v.btnAlle[idx::btnGeraetSpeichern]->setEnabled(false);
        tmrDateVomG_.start();
    }
}

void RecordsController::statusPruefungStoppen() { tmrDateVomG_.stop(); }

void RecordsController::geraetSeiteVerlassen() {
    tmrDateVomG_.stop();
    if (geraeteJob_) {
        t_.adapter.worker().abbrechen(*geraeteJob_);
        geraeteJob_.reset();
    }
}

} // namespace kav::shell
