// DateiTyp2Lesen: the bad pulses, with the two short lists read as arrays.
#include <algorithm>

#include "array_descriptor.h"
#include "com_usb.h"
#include "device_call.h"
#include "measurement_cycle.h"
#include "readout_numbers.h"
#include "typed_values.h"

namespace kav::measure {

namespace {
constexpr const char* kRoutine = "DateiTyp2Lesen";

constexpr detail::WertEintrag kWerte[] = {
    {1, wert::Drehzahl, "Q"},       {2, wert::Frequenz, "L"},     {9, wert::MaxPositiv, "B"},
    {10, wert::PosMaxPositiv, "L"}, {11, wert::MaxNegativ, "B"},  {12, wert::PosMaxNegativ, "L"},
    {13, wert::AbwWertArray, "S"},  {14, wert::AbwPosArray, "S"}, {15, wert::AnzahlAbweichungen, "L"},
};

void speichern(std::uint8_t& ziel, double zahl) { ziel = detail::alsByte(zahl); }
void speichern(std::int32_t& ziel, double zahl) { ziel = detail::alsInt32(zahl); }
} // namespace

Lesung MeasurementCycle::schlechtimpulsLesen(SchlechtimpulsWerte& live, Quelle quelle) {
    Lesung l;
    std::string maske;
    if (!bereit(kRoutine, 2, 9, quelle, l, maske))
        return l;
    if (maske[1] != '1')
        return l; // the speed is not reported yet
    double zahl = 0;
    if (wert(kRoutine, wert::Impulszahl, "L", zahl))
        live.Impulszahl = detail::alsInt32(zahl);
    geberLesen(kRoutine, quelle, live.GeberSN, l);

    const bool vollstaendig = detail::maskeDurchlaufen(maske, kWerte, [&](const detail::WertEintrag& w) {
        if (w.k == 13 || w.k == 14) {
            std::string deskriptor;
            if (!wertText(kRoutine, w.nummer, deskriptor))
                return true;
            if (w.k == 13)
                abweichungsListe(deskriptor, w.nummer, live.AbwWert);
            else
                abweichungsListe(deskriptor, w.nummer, live.AbwPos);
            return true;
        }
        if (!wert(kRoutine, w.nummer, w.typ, zahl))
            return true;
        switch (w.k) {
        case 1: live.Drehzahl = static_cast<float>(zahl); break;
        case 2: live.Frequenz = detail::alsInt32(zahl); break;
        case 9: live.MaxPositiv = detail::alsByte(zahl); break;
        case 10: live.PosMaxPositiv = detail::alsInt32(zahl); break;
        case 11: live.MaxNegativ = detail::alsByte(zahl); break;
        case 12: live.PosMaxNegativ = detail::alsInt32(zahl); break;
        case 15: live.AnzahlAbweichungen = detail::alsInt32(zahl); break;
        default: break;
        }
        return true;
    });
    if (vollstaendig)
        l.stand = Lesestand::Fertig;
    return l;
}

// Each block writes list entries 1 up to the block length, so the list holds
// the elements of the last block read (at most 5).
template <class T>
void MeasurementCycle::abweichungsListe(const std::string& deskriptorText, int wertNummer, std::array<T, 5>& liste) {
    const bool werte = wertNummer == wert::AbwWertArray;
    const std::size_t breite = werte ? 2 : 8; // hex digits per element
    const ArrayDescriptor d = arrayDescriptor(deskriptorText);
    const int block = std::min(d.block, 5);
    if (block - 1 < 1) {
        host_.meldung(text({"Die Größe des Arrays ist '000'."}));
        return;
    }
    const std::string struktur = link_.COM_GetStruktur("RD_InfoArray");
    if (struktur.empty()) {
        nichtGelesen(kRoutine, werte ? "'RD_InfoArray' (AbwV)" : "'RD_InfoArray' (AbwP)", "ausgelesen werden.", true);
        return;
    }
    int von = 0;
    int bis = block - 1;
    // An empty array is not asked for at all.
    while (von < d.anzahl) {
        const kav::Aufruf a = strukturAufruf(
            link_, struktur, std::to_string(d.nummer) + "|" + std::to_string(von) + "|" + std::to_string(bis), "S");
        host_.debugLog(std::string(kRoutine) + " -> " + a.roh);
        if (!a.ok())
            return; // a failed block ends the list; what was read stays
        for (int i = 0; i < block; ++i) {
            if (von + i >= d.anzahl)
                return;
            const std::size_t at = static_cast<std::size_t>(i) * breite;
            if (a.roh.size() < at + breite)
                return; // a reply shorter than its block: keep what came
            speichern(liste[static_cast<std::size_t>(i)], COM_WertLesen(a.roh.substr(at, breite), d.typ).toNumber());
        }
        von = bis + 1;
        bis += block;
    }
}

} // namespace kav::measure
