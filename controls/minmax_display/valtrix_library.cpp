// The library's exported entry points: self-registration, the factory for
// "Valtrix.ocxMinMaxWert" and the unload check.
#include "control_entry_points.h"
#include "ocx_minmax_wert.h"

KAV_CONTROL_LIBRARY("Valtrix.ocxMinMaxWert", ocxMinMaxWert)
