// Members the dispatcher, the menus and the timers call for the live
// measurements, the stored records, printing, the administrator commands and
// the About window. Those workflows are not part of the window yet: each
// member below does nothing until its workflow is built into it.
#include "kav_main.h"

namespace kav::shell {

// Live measurements.
void KAV_Main::DateiTyp1Live() {}
void KAV_Main::DateiTyp2Live() {}
void KAV_Main::DateiTyp3Live() {}
void KAV_Main::DateiTyp1Loeschen() {}
void KAV_Main::DateiTyp2Loeschen() {}
void KAV_Main::DateiTyp3Loeschen() {}
void KAV_Main::chkAlle_Click(int) {}
void KAV_Main::tmrDateiTyp1_Timer() { tmrDateiTyp1.stop(); }
void KAV_Main::tmrDateiTyp2_Timer() { tmrDateiTyp2.stop(); }
void KAV_Main::tmrDateiTyp3_Timer() { tmrDateiTyp3.stop(); }
// No result is kept yet, so no save button finds anything to save.
int KAV_Main::gespeicherteAnzahl(int) const { return 0; }

// Stored records and files.
void KAV_Main::DateVomGAuslesen() {}
void KAV_Main::DateiOeffnen() {}
void KAV_Main::GeraeteDatenSpeichern(int, const QString&) {}
void KAV_Main::OnlineDatenSpeichern(int) {}

// Printing.
void KAV_Main::Drucken() {}

} // namespace kav::shell
