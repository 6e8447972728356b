#pragma once
// kavctl measure: one live measurement (or several in a row) with the same
// cycle and readouts as the window, one JSON object per result and line.
#include <optional>
#include <ostream>
#include <string>

#include "kavctl_console.h"
#include "measurement_cycle.h"
#include "profile.h"
#include "record_file.h"

namespace kav {
class ComUSB;
}

namespace kav::kavctl {

struct MeasureOptions {
    int typ = 0;    // 1 current, 2 badpulses, 3 oscillation
    int repeat = 1; // results in a row, each with its own start
    std::string sprache = "E";
    std::string save; // --save FILE.kav
    std::string archive; // --archive URL: every result goes into it; empty: none
    bool csv = false;    // current values as CSV lines (a header first) instead of JSON
    std::optional<verdict::Profile> profile; // --profile: each result gets its "verdict"
};

// One live measurement on an open link, as `measure` makes it, without
// printing: the start command, a poll every 500 ms on the link's clock, the
// readout. Messages go to `err` (`letzteMeldung` keeps the last one).
class Messplatz {
public:
    Messplatz(ComUSB& link, std::ostream& err, bool trace, const std::string& sprache);

    struct Messung {
        int code = 3;                // 0, 2 the link was lost, 3 the measurement failed
        records::Datensatz ergebnis; // with 0: the result
        std::string geber;           // the encoder serial the readout reported (Windows-1252)
    };
    Messung messen(int typ);

    ConsoleHost& host() { return host_; }

private:
    ComUSB& link_;
    ConsoleHost host_;
    measure::MeasurementCycle cycle_;
};

// Runs on an open link; waits on the link's clock. Texts and messages are in
// `sprache` ("D" or "E"); messages go to `err` (with `trace` also the
// readout's debug lines). Returns the exit code: 0, or
// 3 when a measurement failed (start refused, device error, not in PC mode,
// time-out, pulse number or speed too low); 69 when a result could not be
// archived (the results are printed all the same); with a profile 1 when a
// result's verdict is FAIL or INCOMPLETE.
int runMeasure(const MeasureOptions& options, const std::string& sprache, ComUSB& link, std::ostream& out,
               std::ostream& err, bool trace);

} // namespace kav::kavctl
