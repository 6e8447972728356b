#pragma once
// kavctl measure: one live measurement (or several in a row) with the same
// cycle and readouts as the window, one JSON object per result and line.
#include <ostream>
#include <string>

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
};

// Runs on an open link; waits on the link's clock. Texts and messages are in
// `sprache` ("D" or "E"); messages go to `err` (with `trace` also the
// readout's debug lines). Returns the exit code: 0, or
// 3 when a measurement failed (start refused, device error, not in PC mode,
// time-out, pulse number or speed too low); 69 when a result could not be
// archived (the results are printed all the same).
int runMeasure(const MeasureOptions& options, const std::string& sprache, ComUSB& link, std::ostream& out,
               std::ostream& err, bool trace);

} // namespace kav::kavctl
