#pragma once
// One live measurement from its start to its result: the start command, a
// poll every kPollIntervalMs on the link's clock, the readout. kavctl's
// `measure` and the window's guided test run take this one way; the window's
// own pages keep their timer-driven cycle.
#include <string>
#include <variant>

#include "measurement_cycle.h"
#include "result_records.h"

namespace kav {
class ComUSB;
}

namespace kav::measure {

using Messergebnis = std::variant<std::monostate, AktuellWerte, SchlechtimpulsWerte, DrehschwebungWerte>;

struct Einzelmessung {
    enum class Ende {
        Ergebnis,       // `ergebnis` holds the result
        LinkVerloren,   // the converter vanished
        Fehlgeschlagen, // start refused or not listed, device error, time-out …: its message was given
    };
    Ende ende = Ende::Fehlgeschlagen;
    Start start = Start::Gestartet;
    Grund grund = Grund::Keiner;
    Messergebnis ergebnis;
    std::string geber; // the encoder serial the readout reported (Windows-1252)
};

// Runs type 1 to 3 on `cycle`; waits on the link's clock between the polls.
Einzelmessung einmalMessen(MeasurementCycle& cycle, const ComUSB& link, int typ);

} // namespace kav::measure
