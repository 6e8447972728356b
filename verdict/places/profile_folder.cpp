#include "profile_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kav::verdict {

namespace {

std::filesystem::path pathOf(const QString& folder) { return std::filesystem::path(folder.toStdU16String()); }

} // namespace

std::filesystem::path userProfileFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    bool installed = !QFileInfo(program).isWritable();
#ifdef KAV_PRIVATE_LIBDIR_FROM_BINDIR
    const QString privat = QDir(program).absoluteFilePath(QStringLiteral(KAV_PRIVATE_LIBDIR_FROM_BINDIR));
    installed = installed || QFileInfo(privat).isDir();
#endif
    if (!installed)
        return pathOf(program) / "profiles";
    // The window's name, not the asking program's: both share one folder.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("KavStudio"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QCoreApplication::setApplicationName(name);
    return pathOf(config) / "profiles";
}

} // namespace kav::verdict
