#pragma once
// Program-wide state from the command line and the settings.
#include <QString>

#include "command_line.h"

namespace kav::shell {

struct Global {
    QString Befehlszeile; // the arguments after the program name, joined by blanks
    CommandLine schalter; // the command line, parsed
    bool DebugAn = false;
    bool SpracheAn = false;
    bool KommunAn = false;
    bool MathAn = false;
    bool AdminSchalter = false; // the administrator switch was given
    bool FehlerSpeichern = true;
    QString Sprache = QStringLiteral("E");
};

Global& global();

// Parses the command line (parseCommandLine) and sets the flags of global().
void schalterLesen(const QString& befehlszeile);

} // namespace kav::shell
