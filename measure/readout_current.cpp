// DateiTyp1Lesen: the current values.
#include "device_call.h"
#include "measurement_cycle.h"
#include "readout_numbers.h"

namespace kav::measure {

namespace {
constexpr const char* kRoutine = "DateiTyp1Lesen";

constexpr detail::WertEintrag kWerte[] = {
    {1, wert::Drehzahl, "Q"},
    {2, wert::Frequenz, "L"},
    {3, wert::Symmetrie0, "C"},
    {4, wert::Symmetrie90, "C"},
    {5, wert::Phasenlage, "B"},
    {6, wert::Spurfehler, "B"},
    {8, wert::Versorgungsspannung, "P"},
    {9, wert::Stromaufnahme, "I"},
};
} // namespace

Lesung MeasurementCycle::aktuellLesen(AktuellWerte& live, Quelle quelle) {
    Lesung l;
    std::string maske;
    if (!bereit(kRoutine, 1, 5, quelle, l, maske))
        return l;
    double zahl = 0;
    if (wert(kRoutine, wert::Impulszahl, "L", zahl))
        live.Impulszahl = detail::alsInt32(zahl);
    geberLesen(kRoutine, quelle, live.GeberSN, l);

    const bool vollstaendig = detail::maskeDurchlaufen(maske, kWerte, [&](const detail::WertEintrag& w) {
        if (!wert(kRoutine, w.nummer, w.typ, zahl))
            return true;
        switch (w.k) {
        case 1: live.Drehzahl = static_cast<float>(zahl); break;
        case 2: live.Frequenz = detail::alsInt32(zahl); break;
        case 3: live.Symmetrie0 = detail::alsByte(zahl); break;
        case 4: live.Symmetrie90 = detail::alsByte(zahl); break;
        case 5: live.Phasenlage = detail::alsByte(zahl); break;
        case 6: {
            live.Spurfehler = detail::alsByte(zahl);
            static constexpr const char* kSpur[] = {"", "Error on 0 and 90 line", "Error on 0 line",
                                                    "Error on 90 line"};
            if (live.Spurfehler >= 1 && live.Spurfehler <= 3)
                host_.fehlerLog(kSpur[live.Spurfehler]);
            break;
        }
        case 8: live.Versorgungsspannung = static_cast<float>(zahl); break;
        case 9: live.Stromaufnahme = detail::alsInt16(zahl); break;
        default: break;
        }
        return true;
    });
    if (vollstaendig) // without the speed the result is not complete
        l.stand = Lesestand::Fertig;
    return l;
}

} // namespace kav::measure
