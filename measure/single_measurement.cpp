#include "single_measurement.h"

#include <chrono>

#include "com_usb.h"

namespace kav::measure {

namespace {

template <class Werte>
Einzelmessung messen(MeasurementCycle& cycle, const ComUSB& link, int typ) {
    Einzelmessung m;
    m.start = typ == 1 ? cycle.DateiTyp1Live() : typ == 2 ? cycle.DateiTyp2Live() : cycle.DateiTyp3Live();
    if (m.start != Start::Gestartet) {
        if (link.linkLost())
            m.ende = Einzelmessung::Ende::LinkVerloren;
        return m;
    }
    Werte live;
    for (;;) {
        // A vanished converter ends the measurement now, not after the time-out.
        if (link.linkLost()) {
            m.ende = Einzelmessung::Ende::LinkVerloren;
            return m;
        }
        link.clock().sleepFor(std::chrono::milliseconds(kPollIntervalMs));
        const PollResult tick = cycle.pollTick(live);
        if (tick.geberGelesen)
            m.geber = live.GeberSN;
        m.grund = tick.grund;
        switch (tick.ergebnis) {
        case PollOutcome::Again: continue;
        case PollOutcome::Finished:
            m.ende = Einzelmessung::Ende::Ergebnis;
            m.ergebnis = live;
            return m;
        case PollOutcome::Failed:
        case PollOutcome::TimedOut:
        case PollOutcome::Dropped: return m;
        }
    }
}

} // namespace

Einzelmessung einmalMessen(MeasurementCycle& cycle, const ComUSB& link, int typ) {
    switch (typ) {
    case 1: return messen<AktuellWerte>(cycle, link, 1);
    case 2: return messen<SchlechtimpulsWerte>(cycle, link, 2);
    case 3: return messen<DrehschwebungWerte>(cycle, link, 3);
    default: return {};
    }
}

} // namespace kav::measure
