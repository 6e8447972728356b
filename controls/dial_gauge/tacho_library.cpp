// The library's exported entry points: self-registration, the factory for
// "Tacho.ocxTacho" and the unload check.
#include "control_entry_points.h"
#include "ocx_tacho.h"

KAV_CONTROL_LIBRARY("Tacho.ocxTacho", kav::controls::ocxTacho)
