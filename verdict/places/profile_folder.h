#pragma once
// Where the user's tolerance profiles live: "profiles" beside Settings.ini.
// A copy run from a folder it may write to keeps them beside itself; an
// installed program (its private library folder lies beside the program's
// folder) or one on a read-only medium keeps them in KavStudio's folder of
// the user's configuration, whichever program asks (the window or kavctl).
#include <filesystem>

namespace kav::verdict {

// Needs a QCoreApplication.
std::filesystem::path userProfileFolder();

} // namespace kav::verdict
