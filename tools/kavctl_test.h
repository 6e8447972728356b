#pragma once
// kavctl test: the guided test run without prompts. The three measurements
// are measure's, the sequence, the verdicts and the run's folder are the
// test run's (verdict/test_run.h).
#include <ostream>

#include "kavctl_options.h"

namespace kav {
class ComUSB;
}

namespace kav::kavctl {

// Runs on an open link with the profile of `options.measure.profile`; with
// --out keeps the three record files and the protocol (written by
// `options.protocolWriter`). Prints one JSON object. Exit: 0 PASS, 1 FAIL or
// INCOMPLETE, 2 the link was lost, 3 the identity could not be read or a
// step failed ("ERROR", the step named), 73 the run's folder could not be
// written (nothing is left of it).
int runTest(const Options& options, ComUSB& link, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
