// Members the dispatcher, the menus and the timers call for the stored
// records, printing, the administrator commands and the About window. Those
// workflows are not part of the window yet: each member below does nothing
// until its workflow is built into it.
#include "kav_main.h"

namespace kav::shell {

// Stored records and files.
void KAV_Main::DatenVomG() {}
void KAV_Main::LaufwerkSetzen() {}
void KAV_Main::DateiOeffnen() {}
void KAV_Main::GeraeteDatenSpeichern(int, const QString&) {}
void KAV_Main::OnlineDatenSpeichern(int) {}

// Printing, administrator commands, About window.
void KAV_Main::Drucken() {}
void KAV_Main::AdminBefehl(int) {}
void KAV_Main::InfoZeigen() {}

} // namespace kav::shell
