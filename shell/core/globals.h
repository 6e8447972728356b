#pragma once
// Program-wide state from the command line and the settings.
#include <QString>

namespace kav::shell {

struct Global {
    QString Befehlszeile; // the arguments after the program name, joined by blanks
    bool DebugAn = false;
    bool SpracheAn = false;
    bool KommunAn = false;
    bool MathAn = false;
    bool AdminSchalter = false; // the administrator switch was given
    bool FehlerSpeichern = true;
    QString Sprache = QStringLiteral("E");
};

Global& global();

// The switches, found by a case-insensitive substring search in the command
// line, in the order "/debug", "/sprache", "/kommun", the administrator
// switch, "/math". Sets the flags of global().
void schalterLesen(const QString& befehlszeile);

inline constexpr char kAdminSchalter[] = "/usr:kilo7, pwd:roxa";

} // namespace kav::shell
