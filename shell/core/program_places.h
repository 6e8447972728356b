#pragma once
// Where a running KavStudio keeps its files. A copy run from a folder it may
// write to (the build folder, a USB stick) keeps "Settings.ini" and the
// control registry beside the program and its logs in the working folder. An
// installed program (its private library folder lies beside the program's
// folder, or the program's folder cannot be written) keeps "Settings.ini" in
// the user's configuration folder and its logs in the user's data folder, and
// writes nothing beside the program.
#include <QString>

#include <functional>

namespace kav::shell {

struct ProgramPlaces {
    bool installed = false;
    QString settingsFolder;       // where "Settings.ini" lives
    QString logFolder;            // the three logs; empty: the working folder
    QString logFallbackFolder;    // where an entry goes that the log folder refuses
    QString controlFolder;        // the display-control libraries and their registry
    bool registerControls = true; // keep the control registry beside the libraries up to date
    QString browserFolder;        // the file browser's folder when none is stored
};

// What the choice looks at. The system's answers come from systemPlaceProbe();
// tests put in their own, since a superuser may write everywhere.
struct PlaceProbe {
    std::function<bool(const QString& folder)> writable;
    // The private library folder of an installed program, relative to the
    // program's folder ("../lib/x86_64-linux-gnu/kavstudio"); empty: none.
    QString privateLibraryFolder;
    QString userConfigFolder;
    QString userDataFolder;
    QString userDocumentsFolder;
};

// The running system's probe (QCoreApplication must exist for the user folders).
PlaceProbe systemPlaceProbe();

ProgramPlaces choosePlaces(const QString& programFolder, const PlaceProbe& probe);

// True when the current user may create files in the folder (a read-only
// file system included). Creates nothing.
bool folderWritable(const QString& folder);

} // namespace kav::shell
