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
#include "com_usb.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "globals.h"
#include "ini_profile.h"
#include "kav_main.h"
#include "language.h"
#include "link_choice.h"
#include "logs.h"
#include "panel_widgets.h"
#include "program_start.h"

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
    hooks.pumpMessages = [] { QCoreApplication::processEvents(); };
    hooks.kommunAn = [] { return global().KommunAn; };
    hooks.kommunLog = [](const std::string& zeile) { KommunLogSchreiben(fromAnsi(zeile)); };
    hooks.clock = umgebung_.clock;
    hooks.linkLost = [this] { linkVerlorenMelden(); };
    link_ = std::make_unique<ComUSB>(*ft, std::move(hooks));
    messungEinrichten();
    // With "/debug" the reason the chosen backend cannot be used is kept.
    if (global().DebugAn && !diagnose.empty())
        LogSchreiben(QStringLiteral("Programmstart -> ") + fromAnsi(diagnose).trimmed());
}

void KAV_Main::programmPfadSetzen(const QString& pfad) {
    ProgrammPfad = pfad;
    if (ordnerZeigen(ProgrammPfad))
        return;
    ProgrammPfad = programmOrdnerMitTrenner();
    ordnerZeigen(ProgrammPfad);
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
        txtAlle[35]->setText(SprachText(QStringLiteral("Offline")));
        unverbundenesLayout();
        mnuEinstItem[1]->setChecked(false);
        VerbindenBeimStart = false;
    } else {
        mnuEinstItem[1]->setChecked(true);
        VerbindenBeimStart = true;
    }

    // Write errors.
    if (INILesen(ini, kSektion, kFehler, QStringLiteral("1")) != QLatin1String("1")) {
        mnuEinstItem[2]->setChecked(false);
        global().FehlerSpeichern = false;
    } else {
        mnuEinstItem[2]->setChecked(true);
        global().FehlerSpeichern = true;
    }

    // The file browser's folder, or the program's own when it is gone.
    programmPfadSetzen(INILesen(ini, kSektion, kPfad, programmOrdnerMitTrenner()));

    // Printing waits for a result; the administrator submenu needs its switch.
    mnuProgrammItem[4]->setEnabled(false);
    mnuEinstItem[5]->setVisible(AdminModus);

    // Language. A hand-edited value other than "D" counts as English, so the
    // language menu keeps working.
    QString sprache = INILesen(ini, kSektion, kSprache, QStringLiteral("E"));
    if (sprache != QLatin1String("D"))
        sprache = QStringLiteral("E");
    global().Sprache = sprache;
    mnuSpracheItem[sprache == QLatin1String("D") ? 1 : 2]->setChecked(true);

    // Captions, size and place; ready for the first activation.
    SpracheSetzen(global().Sprache);
    FensterEinrichten();
    ErsteAktivierung = true;
    Verbunden = false;
    geladen_ = true;
    return true;
}

void KAV_Main::Form_Activate() {
    if (!ErsteAktivierung)
        return;
    txtAlle[32]->setText(QStringLiteral("%1.%2.%3")
                             .arg(umgebung_.versionMajor)
                             .arg(umgebung_.versionMinor)
                             .arg(umgebung_.versionRevision));
    // Cleared before connecting: the attempt pumps messages, and a second
    // activation must not start a second attempt.
    ErsteAktivierung = false;
    if (VerbindenBeimStart) {
        mnuProgrammItem[1]->setEnabled(false);
        mnuProgrammItem[2]->setEnabled(false);
        VerbindungAufbauen();
        seiteOeffnen(global().schalter.page);
    } else {
        mnuProgrammItem[1]->setEnabled(true);
        mnuProgrammItem[2]->setEnabled(false);
    }
}

// "/page:NAME" (developer switch): once connected, the page is opened as
// its navigation button would open it.
void KAV_Main::seiteOeffnen(const QString& name) {
    if (name.isEmpty() || !Verbunden)
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
    if (Beschaeftigt || !geladen_) {
        e->ignore();
        return;
    }
    tmrBalken.stop();
    tmrDateiTyp1.stop();
    tmrDateiTyp2.stop();
    tmrDateiTyp3.stop();
    tmrDateVomG.stop();
    tmrFarben.stop();
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
    geschrieben &= INISchreiben(ini, kSektion, kPfad, ProgrammPfad);
    geschrieben &= INISchreiben(ini, kSektion, kSprache, global().Sprache);
    // Settings that cannot be kept are said, not lost without a word.
    if (!geschrieben)
        dialoge().meldung(SprachText(QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:")) + kCrLf +
                          QDir::toNativeSeparators(ini));
    if (Verbunden && link_) {
        if (link_->COM_USBSchliessen() != 0 && global().DebugAn)
            LogSchreiben(QStringLiteral("Programmende -> Fehler beim Beenden"));
        Verbunden = false;
    }
}

} // namespace kav::shell
