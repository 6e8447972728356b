#include "program_places.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
// Without it QFileInfo ignores the folder's access rights on NTFS.
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

namespace kav::shell {

bool folderWritable(const QString& folder) {
    if (folder.isEmpty())
        return false;
#ifdef Q_OS_WIN
    ++qt_ntfs_permission_lookup;
#endif
    // QFileInfo asks the system with the user's rights (access() on POSIX), so
    // a read-only file system counts as well; nothing is created to find out.
    const QFileInfo info(folder);
    const bool ok = info.isDir() && info.isWritable();
#ifdef Q_OS_WIN
    --qt_ntfs_permission_lookup;
#endif
    return ok;
}

PlaceProbe systemPlaceProbe() {
    PlaceProbe probe;
    probe.writable = folderWritable;
#ifdef KAV_PRIVATE_LIBDIR_FROM_BINDIR
    probe.privateLibraryFolder = QStringLiteral(KAV_PRIVATE_LIBDIR_FROM_BINDIR);
#endif
    probe.userConfigFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    probe.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A missing documents folder would send the file browser back to the
    // program's folder; the home folder is always there.
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    probe.userDocumentsFolder = QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath();
    return probe;
}

ProgramPlaces choosePlaces(const QString& programFolder, const PlaceProbe& probe) {
    QString privat;
    if (!probe.privateLibraryFolder.isEmpty()) {
        const QString pfad = QDir::cleanPath(QDir(programFolder).absoluteFilePath(probe.privateLibraryFolder));
        if (QFileInfo(pfad).isDir())
            privat = pfad;
    }
    const bool beschreibbar = probe.writable && probe.writable(programFolder);
    const auto oder = [&](const QString& ordner) { return ordner.isEmpty() ? programFolder : ordner; };

    ProgramPlaces orte;
    orte.installed = !privat.isEmpty() || !beschreibbar;
    orte.controlFolder = privat.isEmpty() ? programFolder : privat;
    if (!orte.installed) {
        orte.settingsFolder = programFolder;
        orte.logFallbackFolder = probe.userDataFolder;
        orte.registerControls = true;
        orte.browserFolder = programFolder;
    } else {
        // Nothing beside the program: the registry there is read as it is.
        orte.settingsFolder = oder(probe.userConfigFolder);
        orte.logFolder = probe.userDataFolder;
        orte.registerControls = false;
        orte.browserFolder = oder(probe.userDocumentsFolder);
    }
    return orte;
}

} // namespace kav::shell
