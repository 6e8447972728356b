#include "archive_controller.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <type_traits>
#include <variant>

#include "ansi_text.h"
#include "archive_dialog.h"
#include "archive_texts.h"
#include "archive_writer.h"
#include "clock.h"
#include "control_indexes.h"
#include "device_header.h"
#include "globals.h"
#include "ini_profile.h"
#include "logs.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "navigation.h"
#include "record_save.h"
#include "records_controller.h"
#include "session.h"

namespace kav::shell {

namespace {

const QString kSektion = QStringLiteral("KavStudio");
const QString kInsArchiv = QStringLiteral("Archive results");
const QString kAblage = QStringLiteral("Archive");

records::Datensatz gespeicherteKopie(const session::Session& s, int typ) {
    records::Datensatz d;
    switch (typ) {
    case 1: d = s.aktuell().gespeichert; break;
    case 2: d = s.schlechtimpulse().gespeichert; break;
    case 3: d = s.drehschwebung().gespeichert; break;
    default: break;
    }
    return d;
}

std::string geberSN(const records::Datensatz& d) {
    return std::visit(
        [](const auto& w) -> std::string {
            if constexpr (std::is_same_v<std::decay_t<decltype(w)>, std::monostate>)
                return {};
            else
                return w.GeberSN;
        },
        d);
}

archive::Entry dateiEintrag(const QByteArray& bytes) {
    archive::Entry e;
    e.result = archive::NewResult{bytes, archive::Source::File, std::nullopt, std::nullopt};
    return e;
}

} // namespace

ArchiveController::ArchiveController(Fensterteile& t)
    : t_(t), schreiber_(std::make_unique<archive::ArchiveWriter>()), ablage_(archive::defaultArchivePath()) {
    schreiber_->setLocation(ablage_);
    connect(schreiber_.get(), &archive::ArchiveWriter::failed, this, &ArchiveController::fehlgeschlagen);
    connect(schreiber_.get(), &archive::ArchiveWriter::archived, this, [this] {
        // The next failure is shown again once something went through.
        fehlerGezeigt_ = false;
        status_->hide();
    });

    QMainWindow& fenster = t_.v.fenster();
    insArchiv_ = t_.v.mnuEinst->addAction(QString());
    insArchiv_->setObjectName(QStringLiteral("mnuInsArchiv"));
    insArchiv_->setCheckable(true);
    insArchiv_->setChecked(true);
    connect(insArchiv_, &QAction::triggered, this, [this](bool an) { setInsArchiv(an); });
    menue_ = fenster.menuBar()->addMenu(QString());
    menue_->setObjectName(QStringLiteral("mnuArchiv"));
    seiteOeffnen_ = menue_->addAction(QString());
    connect(seiteOeffnen_, &QAction::triggered, this, [this] { seiteZeigen(); });

    status_ = new QLabel(&fenster);
    status_->setObjectName(QStringLiteral("labArchivStatus"));
    status_->setStyleSheet(QStringLiteral("background: #fff3c0; color: #800000; padding: 1px 4px;"));
    status_->hide();

    connect(t_.messung, &MeasurementController::ergebnisAngezeigt, this, &ArchiveController::ergebnisAngezeigt);
    connect(t_.daten, &RecordsController::datensatzGespeichert, this, &ArchiveController::gespeichert);
    connect(t_.daten, &RecordsController::dateiGelesen, this, [this](const QByteArray& b) { offeneDatei_ = b; });
    beschriftungenSetzen();
}

ArchiveController::~ArchiveController() { delete dialog_.data(); }

void ArchiveController::einstellungenLesen(const QString& ini) {
    ini_ = ini;
    insArchiv_->setChecked(INILesen(ini, kSektion, kInsArchiv, QStringLiteral("1")) == QLatin1String("1"));
    ablage_ = INILesen(ini, kSektion, kAblage, archive::defaultArchivePath());
    if (ablage_.isEmpty())
        ablage_ = archive::defaultArchivePath();
    schreiber_->setLocation(ablage_);
}

void ArchiveController::beschriftungenSetzen() {
    insArchiv_->setText(archivText(ArchivText::InsArchiv));
    menue_->setTitle(archivText(ArchivText::Menue));
    seiteOeffnen_->setText(archivText(ArchivText::MenueOeffnen));
    if (dialog_)
        dialog_->beschriftungenSetzen();
}

ArchiveDialog* ArchiveController::seite() const { return dialog_.data(); }

bool ArchiveController::insArchiv() const { return insArchiv_->isChecked(); }

void ArchiveController::setInsArchiv(bool an) {
    insArchiv_->setChecked(an);
    if (!ini_.isEmpty())
        INISchreiben(ini_, kSektion, kInsArchiv, an ? QStringLiteral("1") : QStringLiteral("0"));
}

void ArchiveController::setAblage(const QString& ort) {
    ablage_ = ort.trimmed().isEmpty() ? archive::defaultArchivePath() : ort.trimmed();
    schreiber_->setLocation(ablage_);
    if (!ini_.isEmpty())
        INISchreiben(ini_, kSektion, kAblage, ablage_);
}

ArchiveDialog& ArchiveController::seiteZeigen() {
    if (!dialog_) {
        dialog_ = new ArchiveDialog(*this, &t_.v.fenster());
        connect(dialog_, &ArchiveDialog::verlaufGewuenscht, this, &ArchiveController::verlaufGewuenscht);
        dialog_->exportordnerSetzen(t_.daten->programmPfad());
    }
    dialog_->show();
    dialog_->raise();
    dialog_->suchen();
    return *dialog_;
}

bool ArchiveController::inhaltOeffnen(const QByteArray& bytes) {
    const session::Seite seite = t_.session.seite();
    if (seite == session::Seite::Start || seite == session::Seite::Verbindung)
        t_.navigation->klick(idx::btnDatenVomComputer);
    else if (seite != session::Seite::DatenVomComputer)
        return false;
    // Already in the archive: shown, not archived again.
    offeneDatei_.clear();
    t_.daten->inhaltZeigen(bytes.toStdString());
    return true;
}

void ArchiveController::ergebnisAngezeigt(int typ) {
    const session::Seite seite = t_.session.seite();
    const std::optional<Urteil> u = urteilFuer ? urteilFuer(typ) : std::nullopt;
    const auto beurteilt = [u](archive::Entry e) {
        if (u && e.result) {
            e.result->profile = u->profil;
            e.result->verdict = u->urteil;
        }
        return e;
    };
    if (seite == session::Seite::DatenVomComputer) {
        if (!offeneDatei_.isEmpty())
            schreiber_->post([b = offeneDatei_, beurteilt] { return beurteilt(dateiEintrag(b)); });
        offeneDatei_.clear();
        return;
    }
    records::KopfTexte kopf;
    LocalTime zeit = t_.umgebung.clock ? t_.umgebung.clock->localTime() : SystemClock::instance().localTime();
    archive::Source quelle = archive::Source::Online;
    if (seite == session::Seite::DatenVomGeraet) {
        // As "Daten speichern" writes it from this page: the same bytes, one row.
        const std::optional<records::GeraeteKopf> k =
            records::kopfTextTexte(t_.daten->kopfText().toLatin1().toStdString());
        if (!k)
            return;
        kopf = k->texte;
        zeit = k->zeit;
        quelle = archive::Source::Device;
    } else if (session::messTyp(seite) == typ) {
        if (!insArchiv())
            return;
        kopf.geraetSN = toAnsiStd(t_.v.txtAlle[idx::txtGeraetSN]->text().trimmed());
        kopf.geberSN = records::getrimmt(geberSN(gespeicherteKopie(t_.session, typ)));
    } else {
        return;
    }
    kopf.firmware = toAnsiStd(t_.v.txtAlle[idx::txtFirmware]->text().trimmed());
    const std::string sprache = global().Sprache.toStdString();
    schreiber_->post([d = gespeicherteKopie(t_.session, typ), kopf, zeit, quelle, sprache, beurteilt] {
        return beurteilt(archive::entryFor(d, kopf, zeit, quelle, sprache));
    });
}

void ArchiveController::gespeichert(int typ, const QString& datei) {
    const std::optional<Urteil> u = urteilFuer ? urteilFuer(typ) : std::nullopt;
    // The mth export is no record file; its measurement went in as it finished.
    if (!datei.endsWith(QLatin1String(".kav"), Qt::CaseInsensitive))
        return;
    const archive::Source quelle =
        t_.session.seite() == session::Seite::DatenVomGeraet ? archive::Source::Device : archive::Source::Online;
    schreiber_->post([datei, quelle, u] {
        archive::Entry e;
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly)) {
            e.why = records::Meldung{f.errorString().toStdString(), {}};
            return e;
        }
        e.result = archive::NewResult{f.readAll(), quelle, std::nullopt, std::nullopt};
        if (u) {
            e.result->profile = u->profil;
            e.result->verdict = u->urteil;
        }
        return e;
    });
}

void ArchiveController::fehlgeschlagen(const QString& meldung) {
    LogSchreiben(QStringLiteral("Archiv -> ") + meldung);
    if (fehlerGezeigt_)
        return;
    fehlerGezeigt_ = true;
    QMainWindow& fenster = t_.v.fenster();
    status_->setText(archivText(ArchivText::NichtArchiviert).arg(meldung));
    status_->setGeometry(4, fenster.height() - 24, fenster.width() - 8, 20);
    status_->show();
    status_->raise();
}

} // namespace kav::shell
