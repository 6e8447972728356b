// The library's exported entry points: self-registration, the factory for
// "Brinda.ocxBadInc" and the unload check.
#include "control_entry_points.h"
#include "ocx_bad_inc.h"

KAV_CONTROL_LIBRARY("Brinda.ocxBadInc", kav::controls::ocxBadInc)
