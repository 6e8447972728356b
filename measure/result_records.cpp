#include "result_records.h"

namespace kav::measure {

bool hatDaten(const AktuellWerte& w) { return w.Impulszahl >= 1; }
bool hatDaten(const SchlechtimpulsWerte& w) { return w.AnzahlAbweichungen >= 1; }
bool hatDaten(const DrehschwebungWerte& w) { return w.AnzahlMesswerte >= 1; }

} // namespace kav::measure
