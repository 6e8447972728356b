#pragma once
// What the program asks the device about itself: its identity (serial number
// and firmware) once a link is open, and its status byte before stored records
// are read or an administrator command runs. The window and kavctl both ask
// here and decide for themselves what a failure means to them.
#include "device_call.h"

namespace kav {

// "RD_Info" 3 and "RD_Info" 0, in this order, decoded as text. Each call
// result is whole: a caller judges failure by `ok()`, never by the text.
struct Identitaet {
    Aufruf seriennummer;
    Aufruf firmware;
};
Identitaet identitaetLesen(ComUSB& link);

// The status byte ("RD_Info" 8, "B") and its bit 3, the device's own
// measuring mode (`StatusBits`, least significant bit first). `messmodus` is
// meaningful only when the read succeeded.
struct Geraetestatus {
    Aufruf status;
    bool messmodus = false;

    bool ok() const { return status.ok(); }
};
Geraetestatus statusLesen(ComUSB& link);

} // namespace kav
