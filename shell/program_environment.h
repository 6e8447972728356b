#pragma once
// What the running program knows about itself and the world, handed to the
// main window so tests can start it in a temporary folder, with their own
// "Settings.ini", a device of their choice and a clock of their own.
#include <QString>

#include <cstdio>

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
    // False: the registry beside the libraries is read as it is, never written
    // (an installed program).
    bool registerControls = true;

    // Where "Settings.ini" lives; empty: `folder`.
    QString settingsFolder;
    // The logs' folder, made at the start when missing; empty: the logs' folder
    // is left as it is (the working folder unless a test set one).
    QString logFolder;
    // Where a log entry goes that the logs' folder refuses; empty: none.
    QString logFallbackFolder;
    // The file browser's folder while none is stored; empty: `folder`.
    QString browserFolder;
};

// "--version" and "--help": answered on `out` before Qt starts, so without a
// display, a window or any file. True when the arguments asked for one.
bool printProgramInfo(int argc, const char* const* argv, std::FILE* out);

struct ProgramPlaces;
// Takes the places of the program's files into the environment.
void applyPlaces(ProgramEnvironment& umgebung, const ProgramPlaces& orte);

// The environment of the running executable (QCoreApplication must exist),
// its files placed as choosePlaces() decides for its folder.
ProgramEnvironment environmentFromApplication();

} // namespace kav::shell
