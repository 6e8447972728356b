// Members the dispatcher, the menus and the timers call for saving and
// opening record files and printing. Those workflows are not part of the
// window yet: each member below does nothing until its workflow is built
// into it.
#include "kav_main.h"

namespace kav::shell {

// Stored records and files.
void KAV_Main::DateiOeffnen() {}
void KAV_Main::GeraeteDatenSpeichern(int, const QString&) {}
void KAV_Main::OnlineDatenSpeichern(int) {}

// Printing.
void KAV_Main::Drucken() {}

} // namespace kav::shell
