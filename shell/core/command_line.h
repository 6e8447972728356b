#pragma once
// The window's command line, parsed in this one place: the five program
// switches and the developer switches that choose the device link.
#include <QString>

namespace kav::shell {

inline constexpr char kAdminSchalter[] = "/usr:kilo7, pwd:roxa";

struct CommandLine {
    // Program switches: a case-insensitive search anywhere in the line, so they
    // may stand in any order, be combined and carry text around them.
    bool debug = false;   // "/debug"
    bool sprache = false; // "/sprache"
    bool kommun = false;  // "/kommun"
    bool admin = false;   // the administrator switch, as one whole sequence
    bool math = false;    // "/math"

    // "/sim" or "/sim:FLAGS": the simulated device instead of a converter.
    bool sim = false;
    // The simulated device's own flags (those of kav100sim) from "/sim:FLAGS",
    // with the short names "slow", "silent", "nodevice", "noversion" and
    // "supply" written out as flags. Empty for a plain "/sim".
    QString simFlags;
    // "/port:PATH": the serial port to use; empty when not given.
    QString port;
};

// Values: "/port:PATH" runs to the next blank. "/sim:FLAGS" runs to the next
// word that begins with "/" (so "/sim:--speed 3000 --pulses 199 /debug" works
// as the arguments arrive joined), or stands in double quotes
// ("/sim:\"--not-pc-mode\""). Both values are cut out of the line before the
// program switches are searched, so a port path or a flag never sets one.
CommandLine parseCommandLine(const QString& befehlszeile);

// The flags a short scenario name stands for, or the text itself when it is
// no short name.
QString expandSimAlias(const QString& wert);

} // namespace kav::shell
