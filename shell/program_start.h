#pragma once
// The program's start, before any window exists: the single-instance check
// comes first, so a refused second start builds no window, loads no control
// library and touches no file; only then is the window built and loaded.
#include <QString>
#include <memory>

#include "link_choice.h"
#include "program_environment.h"

namespace kav::shell {

struct CommandLine;
class KAV_Main;

// The single-instance check, then the window, built and loaded (Form_Load).
// nullptr when a previous instance runs: it has then said so through the
// dialogs ("<exe> wird bereits ausgeführt.", always in German, the language is
// not read yet) and the caller ends the process.
std::unique_ptr<KAV_Main> programmStarten(const ProgramEnvironment& umgebung);

// What the lock of the single instance belongs to: the executable's full path.
QString instanzSchluessel(const ProgramEnvironment& umgebung);

// The link backend the command line chooses: "/sim" (with the simulated
// device's flags of "/sim:FLAGS"), "/port:PATH", or automatic.
LinkChoice linkChoiceFor(const CommandLine& schalter);

} // namespace kav::shell
