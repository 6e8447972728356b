// From the load of the window to its first activation, the close request and
// the orderly end with the settings written back.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "ansi_text.h"
#include "archive.h"
#include "archive_controller.h"
#include "com_usb.h"
#include "connection_controller.h"
#include "control_indexes.h"
#include "device_worker.h"
#include "dialogs.h"
#include "encoder_history.h"
#include "globals.h"
#include "ini_profile.h"
#include "judge.h"
#include "kav_main.h"
#include "language.h"
#include "link_choice.h"
#include "logs.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "navigation.h"
#include "panel_widgets.h"
#include "program_start.h"
#include "records_controller.h"
#include "session.h"
#include "session_adapter.h"
#include "trend_controller.h"
#include "trend_limits.h"
#include "verdict_controller.h"
#include "window_parts.h"

namespace kav::shell {

namespace {

const QString kSektion = QStringLiteral("KAV");
const QString kVerbinden = QStringLiteral("Connect on load");
const QString kFehler = QStringLiteral("Write errors");
const QString kPfad = QStringLiteral("Programm path");
const QString kSprache = QStringLiteral("Language");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString KAV_Main::settingsDatei() const {
    const QString ordner = umgebung_.settingsFolder.isEmpty() ? umgebung_.folder : umgebung_.settingsFolder;
    return QDir(ordner).filePath(QStringLiteral("Settings.ini"));
}

// The file browser's own folder (the program's, or the user's documents for an
// installed program) with the platform's separator at its end.
QString KAV_Main::programmOrdnerMitTrenner() const {
    const QString basis = umgebung_.browserFolder.isEmpty() ? umgebung_.folder : umgebung_.browserFolder;
    QString ordner = QDir::toNativeSeparators(QDir(basis).absolutePath());
    if (!ordner.endsWith(QDir::separator()))
        ordner += QDir::separator();
    return ordner;
}

void KAV_Main::linkEinrichten() {
    ft::FtApi* ft = umgebung_.ftApi;
    std::string diagnose;
    if (!ft) {
        const LinkChoice wahl = linkChoiceFor(global().schalter);
        eigenesFt_ = createLinkBackend(wahl, diagnose, umgebung_.clock);
        ft = eigenesFt_.get();
        // Flags the simulated device does not take are a mistake on the
        // command line: said at once, not left to a failing connection.
        if (wahl.kind == LinkChoice::Kind::Simulated && !diagnose.empty())
            dialoge().meldung(QStringLiteral("/sim:") + global().schalter.simFlags + kCrLf +
                              fromAnsi(diagnose).trimmed());
    }
    LinkHooks hooks;
    hooks.kommunAn = [] { return global().KommunAn; };
    hooks.kommunLog = [](const std::string& zeile) { KommunLogSchreiben(fromAnsi(zeile)); };
    hooks.clock = umgebung_.clock;
    // Said from the worker thread, inside the transaction that found the loss.
    hooks.linkLost = [this] {
        if (verbindung_)
            verbindung_->linkVerlorenAusWorker();
    };
    link_ = std::make_unique<ComUSB>(*ft, std::move(hooks));
    // From here on only the worker thread touches the link.
    worker_ = std::make_unique<session::DeviceWorker>(*link_, qtFaden());
    adapter_ = std::make_unique<SessionAdapter>(*session_, *worker_);
    teile_ = std::make_unique<Fensterteile>(Fensterteile{umgebung_, *view_, *session_, *adapter_});
    verbindung_ = std::make_unique<ConnectionController>(*teile_);
    messung_ = std::make_unique<MeasurementController>(*teile_, *link_);
    daten_ = std::make_unique<RecordsController>(*teile_);
    navigation_ = std::make_unique<Navigation>(*teile_);
    teile_->verbindung = verbindung_.get();
    teile_->messung = messung_.get();
    teile_->daten = daten_.get();
    teile_->navigation = navigation_.get();
    pruefung_ = std::make_unique<VerdictController>(*teile_, settingsDatei());
    daten_->druckZusatz = [this](records::Druckseite& seite) { pruefung_->druckZusatz(seite); };
    archiv_ = std::make_unique<ArchiveController>(*teile_);
    trend_ = std::make_unique<TrendController>(*teile_);
    teile_->trend = trend_.get();
    // What follows a result, wired together: the judged verdict goes into
    // the archive with its result, the chosen profile's limits into the
    // trend, and the archive page's history button to the history window.
    archiv_->urteilFuer = [this](int typ) -> std::optional<ArchiveController::Urteil> {
        const auto& profil = pruefung_->profil();
        if (!profil || pruefung_->urteilTyp() != typ)
            return std::nullopt;
        return ArchiveController::Urteil{QString::fromStdString(profil->name),
                                         QString::fromLatin1(verdict::outcomeName(pruefung_->urteil()->result))};
    };
    const auto grenzen = [this] {
        trend_->setGrenzen(pruefung_->profil() ? verdict::trendGrenzen(*pruefung_->profil())
                                               : std::array<measure::TrendGrenze, measure::kTrendReihen>{});
    };
    grenzen();
    connect(pruefung_.get(), &VerdictController::profilGeaendert, this, grenzen);
    connect(archiv_.get(), &ArchiveController::verlaufGewuenscht, this, [this](const QString& geber) {
        archive::Archive archiv;
        archiv.open(archiv_->ablage());
        verlaufZeigen(this, archiv, geber);
    });
    verdrahten();
    // With "/debug" the reason the chosen backend cannot be used is kept.
    if (global().DebugAn && !diagnose.empty())
        LogSchreiben(QStringLiteral("Programmstart -> ") + fromAnsi(diagnose).trimmed());
}

bool KAV_Main::Form_Load() {
    if (geladen_)
        return false;
    setDialogParent(this);

    // The switches, then the link they choose.
    schalterLesen(umgebung_.commandLine);
    AdminModus = global().AdminSchalter;
    linkEinrichten();

    const QString ini = settingsDatei();

    // Connect on load.
    if (INILesen(ini, kSektion, kVerbinden, QStringLiteral("1")) != QLatin1String("1")) {
        view_->txtAlle[35]->setText(SprachText(QStringLiteral("Offline")));
        verbindung_->unverbundenesLayout();
        view_->mnuEinstItem[1]->setChecked(false);
        VerbindenBeimStart = false;
    } else {
        view_->mnuEinstItem[1]->setChecked(true);
        VerbindenBeimStart = true;
    }

    // Write errors.
    if (INILesen(ini, kSektion, kFehler, QStringLiteral("1")) != QLatin1String("1")) {
        view_->mnuEinstItem[2]->setChecked(false);
        global().FehlerSpeichern = false;
    } else {
        view_->mnuEinstItem[2]->setChecked(true);
        global().FehlerSpeichern = true;
    }

    // The file browser's folder, or the program's own when it is gone.
    daten_->programmPfadSetzen(INILesen(ini, kSektion, kPfad, programmOrdnerMitTrenner()), programmOrdnerMitTrenner());

    // The administrator submenu needs its switch.
    view_->mnuEinstItem[5]->setVisible(AdminModus);
    archiv_->einstellungenLesen(ini);

    // Language. A hand-edited value other than "D" counts as English, so the
    // language menu keeps working.
    QString sprache = INILesen(ini, kSektion, kSprache, QStringLiteral("E"));
    if (sprache != QLatin1String("D"))
        sprache = QStringLiteral("E");
    global().Sprache = sprache;
    view_->mnuSpracheItem[sprache == QLatin1String("D") ? 1 : 2]->setChecked(true);

    // Captions, size and place; ready for the first activation.
    SpracheSetzen(global().Sprache);
    FensterEinrichten();
    ErsteAktivierung = true;
    geladen_ = true;
    return true;
}

void KAV_Main::Form_Activate() {
    if (!ErsteAktivierung)
        return;
    view_->txtAlle[32]->setText(QStringLiteral("%1.%2.%3")
                                    .arg(umgebung_.versionMajor)
                                    .arg(umgebung_.versionMinor)
                                    .arg(umgebung_.versionRevision));
    // Cleared before connecting: a second activation must not start a second attempt.
    ErsteAktivierung = false;
    if (VerbindenBeimStart) {
        view_->mnuProgrammItem[1]->setEnabled(false);
        view_->mnuProgrammItem[2]->setEnabled(false);
        VerbindungAufbauen();
        // The page is opened once the attempt has come to a result.
        if (!global().schalter.page.isEmpty()) {
            auto verbindung = std::make_shared<QMetaObject::Connection>();
            *verbindung = connect(adapter_.get(), &SessionAdapter::jobBeendet, this, [this, verbindung] {
                if (verbindung_->versuchLaeuft())
                    return;
                disconnect(*verbindung);
                seiteOeffnen(global().schalter.page);
            });
        }
    } else {
        view_->mnuProgrammItem[1]->setEnabled(true);
        view_->mnuProgrammItem[2]->setEnabled(false);
    }
}

// "/page:NAME" (developer switch): once connected, the page is opened as
// its navigation button would open it.
void KAV_Main::seiteOeffnen(const QString& name) {
    if (name.isEmpty() || !session_->verbunden())
        return;
    static const std::pair<const char*, int> kSeiten[] = {
        {"current", idx::btnAktuell}, {"badpulses", idx::btnSchlechtimpulse}, {"oscillation", idx::btnDrehschwebung}};
    for (const auto& [seite, knopf] : kSeiten) {
        if (name.compare(QLatin1StringView(seite), Qt::CaseInsensitive) == 0) {
            btnAlle_Click(knopf);
            return;
        }
    }
    dialoge().meldung(QStringLiteral("/page:") + name + kCrLf + QStringLiteral("current, badpulses, oscillation"));
}

bool KAV_Main::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && geladen_)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    return QMainWindow::event(e);
}

void KAV_Main::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // Some window systems never activate a window they did not focus
    // themselves; being shown counts as the first activation there.
    if (geladen_ && ErsteAktivierung)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void KAV_Main::closeEvent(QCloseEvent* e) {
    if (!geladen_) {
        e->ignore();
        return;
    }
    view_->tmrBalken.stop();
    view_->tmrFarben.stop();
    for (int typ = 1; typ <= 3; ++typ)
        messung_->timer(typ).stop();
    daten_->statusPruefungStoppen();
    // A job that runs ends at its next transaction boundary; nothing is
    // written half, and the worker closes the link.
    geraetearbeitBeenden();
    Programmende();
    geladen_ = false;
    e->accept();
}

void KAV_Main::Programmende() {
    const QString ini = settingsDatei();
    // An installed program's configuration folder may not exist yet.
    if (!umgebung_.settingsFolder.isEmpty())
        QDir().mkpath(umgebung_.settingsFolder);
    bool geschrieben =
        INISchreiben(ini, kSektion, kVerbinden, VerbindenBeimStart ? QStringLiteral("1") : QStringLiteral("0"));
    geschrieben &=
        INISchreiben(ini, kSektion, kFehler, global().FehlerSpeichern ? QStringLiteral("1") : QStringLiteral("0"));
    geschrieben &= INISchreiben(ini, kSektion, kPfad, daten_ ? daten_->programmPfad() : programmOrdnerMitTrenner());
    geschrieben &= INISchreiben(ini, kSektion, kSprache, global().Sprache);
    // Settings that cannot be kept are said, not lost without a word.
    if (!geschrieben)
        dialoge().meldung(SprachText(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:")) + kCrLf +
                          QDir::toNativeSeparators(ini));
    if (session_->verbunden() && worker_) {
        // The close is the worker's last job; it is ended before the window.
        worker_->posten<std::uint8_t>(
            [](ComUSB& link, const session::AbbruchToken&) { return link.COM_USBSchliessen(); },
            [](session::JobErgebnis<std::uint8_t> r) {
                if (r.wert && *r.wert != 0 && global().DebugAn)
                    LogSchreiben(QStringLiteral("Programmende -> Fehler beim Beenden"));
            });
        worker_->shutdown();
        session_->verbindungGetrennt();
    }
}

} // namespace kav::shell
