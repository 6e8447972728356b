#pragma once
// What the running program knows about itself and the world, handed to the
// main window so tests can start it in a temporary folder, with their own
// "Settings.ini", a device of their choice and a clock of their own.
#include <QString>

namespace kav {
class Clock;
namespace ft {
class FtApi;
}
} // namespace kav

namespace kav::shell {

struct ProgramEnvironment {
    QString folder;         // the executable's folder (where "Settings.ini" lives)
    QString executableName; // without folder, e.g. "KavStudio"
    QString title = QStringLiteral("KavStudio");
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    QString commandLine; // the arguments after the program name, joined by blanks

    // The device to talk to instead of the backend chosen from the command line
    // (not owned; must outlive the window). nullptr: the command line decides.
    ft::FtApi* ftApi = nullptr;
    // The link's clock (time-outs). nullptr: the system clock.
    Clock* clock = nullptr;

    // Where the single-instance lock lives; empty: the system's temporary folder.
    QString lockFolder;
    // Where the display-control libraries and their registry lie; empty: `folder`.
    QString controlFolder;
};

// The environment of the running executable (QCoreApplication must exist).
ProgramEnvironment environmentFromApplication();

} // namespace kav::shell
