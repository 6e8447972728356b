#include "program_environment.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "kav_version.h"

namespace kav::shell {

ProgramEnvironment environmentFromApplication() {
    ProgramEnvironment u;
    u.folder = QCoreApplication::applicationDirPath();
    u.executableName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    u.title = QStringLiteral(KAV_PROGRAM_TITLE);
    u.versionMajor = KAV_VERSION_MAJOR;
    u.versionMinor = KAV_VERSION_MINOR;
    u.versionRevision = KAV_VERSION_REVISION;
    QStringList argumente = QCoreApplication::arguments();
    if (!argumente.isEmpty())
        argumente.removeFirst();
    u.commandLine = argumente.join(QLatin1Char(' '));
    return u;
}

} // namespace kav::shell
