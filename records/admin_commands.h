#pragma once
// The two administrator commands: writing the device's serial number
// ("WR_MaschNr", index 0) and formatting its record memory ("DO_FormatMem",
// index 1), with the measuring-mode check before either.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device_memory.h"

namespace kav {
class ComUSB;
}

namespace kav::records {

struct AdminAblauf {
    bool erfolg = false;
    // The measuring-mode message was due (shown before the result report).
    bool messmodus = false;
    // Index 0: the serial-number input was asked for (the dialog was shown).
    bool eingabeGefragt = false;
    // The user withdrew (no serial number entered, formatting not confirmed):
    // nothing was sent, and there is no result to report.
    bool abgebrochen = false;
    // After success: the serial number read back ("RD_Info" 3, "S"); nullopt
    // when the read-back failed (the identity box then keeps its text).
    std::optional<std::string> geraetSN;
    std::vector<LogZeile> log; // debug lines only
};

// `verbunden`: the window's connected flag. `eingabe` is asked only for index
// 0 and only once the device is known not to measure; it returns the serial
// number as typed (empty: nothing is sent). `bestaetigen` is asked the same
// way for index 1, as erasing every record cannot be undone; without it, or
// when it answers false, nothing is sent. The link may be null when not
// connected.
AdminAblauf AdminBefehl(ComUSB* link, int index, bool verbunden, const std::function<std::string()>& eingabe,
                        const std::function<bool()>& bestaetigen = {});

// The question before "DO_FormatMem" (Ja/Nein, default Nein) in a language.
Meldung formatierenFrage(std::string_view sprache);

// The result report (always German): "Erfolg" with the information icon or
// "Kein Erfolg" with the critical-stop icon.
Meldung adminErgebnisMeldung(bool erfolg);

} // namespace kav::records
