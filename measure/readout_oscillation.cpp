// DateiTyp3Lesen: the rotational oscillation and its sample series.
#include <algorithm>

#include "array_descriptor.h"
#include "com_usb.h"
#include "device_call.h"
#include "measurement_cycle.h"
#include "readout_numbers.h"

namespace kav::measure {

namespace {
constexpr const char* kRoutine = "DateiTyp3Lesen";

constexpr detail::WertEintrag kWerte[] = {
    {1, wert::Drehzahl, "Q"},
    {2, wert::Frequenz, "L"},
    {8, wert::Umdrehungen, "C"},
    {9, wert::MinWert, "I"},
    {10, wert::MaxWert, "I"},
    {11, wert::SpitzeSpitze, "I"},
    {12, wert::DrehschwebungArray, "S"},
};

constexpr std::size_t kZiffernJeMesswert = 4;
} // namespace

Lesung MeasurementCycle::drehschwebungLesen(DrehschwebungWerte& live, Quelle quelle) {
    Lesung l;
    std::string maske;
    if (!bereit(kRoutine, 3, 8, quelle, l, maske))
        return l;
    double zahl = 0;
    if (!wert(kRoutine, wert::Impulszahl, "L", zahl)) {
        // Without a pulse number there is no curve; the message has been given.
        return {Lesestand::Fehler, Grund::ImpulszahlFehlt, false};
    }
    live.Impulszahl = detail::alsInt32(zahl);
    if (live.Impulszahl < 200) {
        host_.meldung(text({"Impulszahl zu niedrig.", "Messung nicht möglich!"}));
        return {Lesestand::Fehler, Grund::ImpulszahlZuNiedrig, false};
    }
    geberLesen(kRoutine, quelle, live.GeberSN, l);

    // Kept until the array descriptor arrives.
    std::int32_t frequenz = 0;
    std::uint8_t umdrehungen = 0;
    std::int16_t minimum = 0;
    std::int16_t maximum = 0;
    bool arrayGelesen = false;
    const bool weiter = detail::maskeDurchlaufen(maske, kWerte, [&](const detail::WertEintrag& w) {
        if (w.k == 12) {
            std::string deskriptor;
            if (!wertText(kRoutine, w.nummer, deskriptor))
                return true;
            live.Frequenz = frequenz;
            live.Umdrehungen = umdrehungen;
            live.MinWert = minimum;
            live.MaxWert = maximum;
            messdatenLesen(deskriptor, live);
            arrayGelesen = true;
            return true;
        }
        if (!wert(kRoutine, w.nummer, w.typ, zahl))
            return true;
        switch (w.k) {
        case 1:
            live.Drehzahl = static_cast<float>(zahl);
            if (live.Drehzahl > 0 && live.Drehzahl < 100) {
                host_.meldung(text({"Drehzahl zu niedrig.", "Messung nicht möglich!"}));
                l.stand = Lesestand::Fehler;
                l.grund = Grund::DrehzahlZuNiedrig;
                return false;
            }
            break;
        case 2: frequenz = detail::alsInt32(zahl); break;
        case 8: umdrehungen = detail::alsByte(zahl); break;
        case 9: minimum = detail::alsInt16(zahl); break;
        case 10: maximum = detail::alsInt16(zahl); break;
        default: break; // 11: the peak-to-peak value is read and not used
        }
        return true;
    });
    if (weiter && arrayGelesen)
        l.stand = Lesestand::Fertig;
    return l;
}

// The samples in blocks of the descriptor's length, the last block clamped to
// the element count. Messdaten only ever grows by whole samples at their own
// place, and AnzahlMesswerte never counts more samples than Messdaten holds,
// so a display or a save never reads past the text.
void MeasurementCycle::messdatenLesen(const std::string& deskriptorText, DrehschwebungWerte& live) {
    const ArrayDescriptor d = arrayDescriptor(deskriptorText);
    // Four digits cannot say 10000: the device announces the full series as 9999.
    const int anzahl = d.anzahl == 9999 ? 10000 : d.anzahl;
    live.Messdaten.clear();
    live.AnzahlMesswerte = 0;
    // A block size the descriptor cannot mean, or a device without
    // "RD_InfoArray": one message, and the result still finishes, with the
    // values read so far and no samples (an empty chart), not as a failed
    // measurement: the values read before the samples are sound.
    if (d.block - 1 < 1) {
        host_.meldung(text({"Die Größe des Arrays ist '000'."}));
        return;
    }
    const std::string struktur = link_.COM_GetStruktur("RD_InfoArray");
    if (struktur.empty()) {
        nichtGelesen(kRoutine, "'RD_InfoArray'", "ausgelesen werden.", true);
        return;
    }
    live.Messdaten.reserve(static_cast<std::size_t>(anzahl) * kZiffernJeMesswert);
    int von = 0;
    int bis = d.block - 1;
    while (von < anzahl) {
        if (bis > anzahl - 1) {
            host_.debugLog("Groesse " + std::to_string(anzahl) + "| Von " + std::to_string(von) + "| Bis " +
                           std::to_string(bis));
            bis = anzahl - 1;
            host_.debugLog("Bis (neu) " + std::to_string(bis));
        }
        const kav::Aufruf a = strukturAufruf(
            link_, struktur, std::to_string(d.nummer) + "|" + std::to_string(von) + "|" + std::to_string(bis), "S");
        host_.debugLog(std::string(kRoutine) + " -> " + a.roh);
        if (!a.ok())
            break; // a failed block ends the series; the samples so far are shown
        const std::size_t erwartet = static_cast<std::size_t>(bis - von + 1) * kZiffernJeMesswert;
        const std::size_t ganz = std::min(a.roh.size(), erwartet) / kZiffernJeMesswert * kZiffernJeMesswert;
        live.Messdaten.append(a.roh, 0, ganz);
        if (ganz < erwartet)
            break; // a reply shorter than its block: later blocks would land in the wrong places
        von = bis + 1;
        bis += d.block;
    }
    live.AnzahlMesswerte = static_cast<std::int16_t>(
        std::min<std::size_t>(static_cast<std::size_t>(anzahl), live.Messdaten.size() / kZiffernJeMesswert));
}

} // namespace kav::measure
