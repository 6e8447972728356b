// The page "Daten vom Computer": the drive, folder and file lists, the button
// "Öffnen" and the folder remembered for the next start ("Programm path").
#include <QDir>
#include <QPushButton>

#include "control_indexes.h"
#include "dialogs.h"
#include "language.h"
#include "main_view.h"
#include "panel_widgets.h"
#include "records_controller.h"

namespace kav::shell {

namespace {

// A network path begins with two separators (\\server\share).
bool netzwerkPfad(const QString& pfad) {
    return pfad.startsWith(QStringLiteral("\\\\")) || pfad.startsWith(QStringLiteral("//"));
}

} // namespace

bool RecordsController::ordnerZeigen(const QString& pfad) {
    if (pfad.isEmpty() || !t_.v.drvAlle0->setDrive(pfad))
        return false;
    const QString vorher = t_.v.dirAlle0->root();
    t_.v.dirAlle0->setRoot(t_.v.drvAlle0->drive());
    if (t_.v.dirAlle0->setPath(pfad)) {
        // The file list follows the folder list; refreshed also when the folder stayed.
        t_.v.fleAlle0->setPath(t_.v.dirAlle0->path());
        return true;
    }
    t_.v.dirAlle0->setRoot(vorher);
    t_.v.drvAlle0->setDrive(t_.v.dirAlle0->path());
    return false;
}

void RecordsController::laufwerkFehler() {
    dialoge().meldung(SprachText(QStringLiteral("Fehler")) + QStringLiteral("\r\n") +
                      SprachText(QStringLiteral("beim 'Laufwerk ändern'")));
}

void RecordsController::ordnerFehler() {
    dialoge().meldung(SprachText(QStringLiteral("Fehler")) + QStringLiteral("\r\n") +
                      SprachText(QStringLiteral("Der Ordner kann nicht geöffnet werden.")));
}

void RecordsController::LaufwerkSetzen() {
    if (!netzwerkPfad(ProgrammPfad))
        t_.v.drvAlle0->setDrive(ProgrammPfad);
    // Files and folders may have come or gone since the page was last shown.
    t_.v.dirAlle0->refresh();
    t_.v.fleAlle0->refresh();
}

void RecordsController::drvAlle_Change() {
    const QString laufwerk = t_.v.drvAlle0->drive();
    const QString vorher = t_.v.dirAlle0->root();
    t_.v.dirAlle0->setRoot(laufwerk);
    if (!t_.v.dirAlle0->setPath(laufwerk)) {
        // A drive that is not ready: the lists stay as they were.
        t_.v.dirAlle0->setRoot(vorher);
        t_.v.drvAlle0->setDrive(t_.v.dirAlle0->path());
        laufwerkFehler();
        return;
    }
    t_.v.btnAlle[idx::btnOeffnen]->setEnabled(false);
}

void RecordsController::dirAlle_Change() {
    t_.v.fleAlle0->setPath(t_.v.dirAlle0->path());
    t_.v.btnAlle[idx::btnOeffnen]->setEnabled(false);
}

void RecordsController::fleAlle_Click() {
    t_.v.btnAlle[idx::btnOeffnen]->setEnabled(!t_.v.fleAlle0->fileName().isEmpty());
}

void RecordsController::fleAlle_PathChange() {
    // Exactly one separator at the end, also for a drive root.
    ProgrammPfad = t_.v.fleAlle0->path() + QDir::separator();
    if (ProgrammPfad.size() > 1 && ProgrammPfad.at(ProgrammPfad.size() - 2) == QDir::separator())
        ProgrammPfad.chop(1);
}

void RecordsController::programmPfadSetzen(const QString& pfad, const QString& ersatz) {
    ProgrammPfad = pfad;
    if (ordnerZeigen(ProgrammPfad))
        return;
    ProgrammPfad = ersatz;
    ordnerZeigen(ProgrammPfad);
}

} // namespace kav::shell
