#include "globals.h"

namespace kav::shell {

Global& global() {
    static Global g;
    return g;
}

void schalterLesen(const QString& befehlszeile) {
    Global& g = global();
    g.Befehlszeile = befehlszeile;
    // A substring search: switches may stand in any order, be combined, and
    // carry text around them ("/debugger" still sets DebugAn).
    const auto hat = [&](QLatin1StringView schalter) { return befehlszeile.contains(schalter, Qt::CaseInsensitive); };
    g.DebugAn = hat(QLatin1StringView("/debug"));
    g.SpracheAn = hat(QLatin1StringView("/sprache"));
    g.KommunAn = hat(QLatin1StringView("/kommun"));
    g.AdminSchalter = hat(QLatin1StringView(kAdminSchalter));
    g.MathAn = hat(QLatin1StringView("/math"));
}

} // namespace kav::shell
