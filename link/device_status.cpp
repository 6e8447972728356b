#include "device_status.h"

namespace kav {

Identitaet identitaetLesen(ComUSB& link) {
    Identitaet id;
    id.seriennummer = wertLesen(link, wert::GeraetSN, "S");
    id.firmware = wertLesen(link, wert::Firmware, "S");
    return id;
}

Geraetestatus statusLesen(ComUSB& link) {
    Geraetestatus g;
    g.status = wertLesen(link, wert::Geraetestatus, "B");
    if (g.status.ok())
        g.messmodus = (static_cast<long long>(g.status.wert.toNumber()) >> 3) & 1;
    return g;
}

} // namespace kav
