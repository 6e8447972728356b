// The page "Daten vom Computer": the drive, folder and file lists, the button
// "Öffnen" and the folder remembered for the next start ("Programm path").
#include <QDir>
#include <QPushButton>

#include "control_indexes.h"
#include "dialogs.h"
#include "kav_main.h"
#include "language.h"
#include "panel_widgets.h"

namespace kav::shell {

namespace {

// A network path begins with two separators (\\server\share).
bool netzwerkPfad(const QString& pfad) {
    return pfad.startsWith(QStringLiteral("\\\\")) || pfad.startsWith(QStringLiteral("//"));
}

} // namespace

bool KAV_Main::ordnerZeigen(const QString& pfad) {
    if (pfad.isEmpty() || !drvAlle0->setDrive(pfad))
        return false;
    const QString vorher = dirAlle0->root();
    dirAlle0->setRoot(drvAlle0->drive());
    if (dirAlle0->setPath(pfad)) {
        // The file list follows the folder list; refreshed also when the folder stayed.
        fleAlle0->setPath(dirAlle0->path());
        return true;
    }
    dirAlle0->setRoot(vorher);
    drvAlle0->setDrive(dirAlle0->path());
    return false;
}

void KAV_Main::laufwerkFehler() {
    dialoge().meldung(SprachText(QStringLiteral("Fehler")) + QStringLiteral("\r\n") +
                      SprachText(QStringLiteral("beim 'Laufwerk ändern'")));
}

void KAV_Main::ordnerFehler() {
    dialoge().meldung(SprachText(QStringLiteral("Fehler")) + QStringLiteral("\r\n") +
                      SprachText(QStringLiteral("Der Ordner kann nicht geöffnet werden.")));
}

void KAV_Main::LaufwerkSetzen() {
    if (!netzwerkPfad(ProgrammPfad))
        drvAlle0->setDrive(ProgrammPfad);
    // Files and folders may have come or gone since the page was last shown.
    dirAlle0->refresh();
    fleAlle0->refresh();
}

void KAV_Main::drvAlle_Change(int index) {
    if (index != 0)
        return;
    const QString laufwerk = drvAlle0->drive();
    const QString vorher = dirAlle0->root();
    dirAlle0->setRoot(laufwerk);
    if (!dirAlle0->setPath(laufwerk)) {
        // A drive that is not ready: the lists stay as they were.
        dirAlle0->setRoot(vorher);
        drvAlle0->setDrive(dirAlle0->path());
        laufwerkFehler();
        return;
    }
    btnAlle[idx::btnOeffnen]->setEnabled(false);
}

void KAV_Main::dirAlle_Change(int index) {
    if (index != 0)
        return;
    fleAlle0->setPath(dirAlle0->path());
    btnAlle[idx::btnOeffnen]->setEnabled(false);
}

void KAV_Main::fleAlle_Click(int index) {
    if (index == 0)
        btnAlle[idx::btnOeffnen]->setEnabled(!fleAlle0->fileName().isEmpty());
}

void KAV_Main::fleAlle_DblClick(int index) {
    if (index == 0 && !fleAlle0->fileName().isEmpty())
        DateiOeffnen();
}

void KAV_Main::fleAlle_PathChange(int index) {
    if (index != 0)
        return;
    // Exactly one separator at the end, also for a drive root.
    ProgrammPfad = fleAlle0->path() + QDir::separator();
    if (ProgrammPfad.size() > 1 && ProgrammPfad.at(ProgrammPfad.size() - 2) == QDir::separator())
        ProgrammPfad.chop(1);
}

} // namespace kav::shell
