#include "program_environment.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstring>

#include "kav_version.h"
#include "program_places.h"

namespace kav::shell {

bool printProgramInfo(int argc, const char* const* argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "%s %d.%d.%d\n", KAV_PROGRAM_TITLE, KAV_VERSION_MAJOR, KAV_VERSION_MINOR,
                         KAV_VERSION_REVISION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("Usage: KavStudio [/debug] [/sprache] [/kommun] [/math] [/sim[:FLAGS] | /port:PATH]\n"
                       "                 [/page:NAME]\n"
                       "       KavStudio --help | --version\n"
                       "\n"
                       "  /debug       failures of the device workflows to the daily log\n"
                       "  /sprache     English texts that are missing to the daily log\n"
                       "  /kommun      every frame sent and received to the communication log\n"
                       "  /math        oscillation records saved as the mth export; the chart's\n"
                       "               angle axis scaled by the pulse number\n"
                       "  /sim         the simulated KAV100 in the program\n"
                       "  /sim:FLAGS   the simulated KAV100 with kav100sim's flags (kav100sim --help)\n"
                       "  /port:PATH   the converter through this serial port (/dev/ttyUSB0, COM3)\n"
                       "  /page:NAME   after connecting, open the page current, badpulses or oscillation\n"
                       "\n"
                       "Switches may stand anywhere and in any case. Settings.ini and the logs lie\n"
                       "beside a copy run from a folder it may write to; an installed program keeps\n"
                       "them in the user's configuration and data folders.\n",
                       out);
            return true;
        }
    }
    return false;
}

void applyPlaces(ProgramEnvironment& umgebung, const ProgramPlaces& orte) {
    umgebung.controlFolder = orte.controlFolder;
    umgebung.registerControls = orte.registerControls;
    umgebung.settingsFolder = orte.settingsFolder;
    umgebung.logFolder = orte.logFolder;
    umgebung.logFallbackFolder = orte.logFallbackFolder;
    umgebung.browserFolder = orte.browserFolder;
}

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

    applyPlaces(u, choosePlaces(u.folder, systemPlaceProbe()));
    return u;
}

} // namespace kav::shell
