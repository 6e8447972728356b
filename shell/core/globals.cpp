#include "globals.h"

namespace kav::shell {

Global& global() {
    static Global g;
    return g;
}

void schalterLesen(const QString& befehlszeile) {
    Global& g = global();
    g.Befehlszeile = befehlszeile;
    g.schalter = parseCommandLine(befehlszeile);
    g.DebugAn = g.schalter.debug;
    g.SpracheAn = g.schalter.sprache;
    g.KommunAn = g.schalter.kommun;
    g.AdminSchalter = g.schalter.admin;
    g.MathAn = g.schalter.math;
}

} // namespace kav::shell
