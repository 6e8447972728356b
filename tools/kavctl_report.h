#pragma once
// kavctl report: a record file's printout as a PDF, through the printout of
// the window's "Drucken" (records/widgets). Needs no display: it starts Qt on
// its offscreen platform.
#include <ostream>

#include "kavctl_options.h"

namespace kav::kavctl {

// Exit codes: 0; 64 no --pdf; 65 not a record file, one that cannot be taken
// apart, or one without a printable page (no data, another record type):
// nothing is written; 66 the file cannot be read; 73 the PDF cannot be
// written. The PDF is written atomically.
int reportFile(int argc, char* argv[], const Options& options, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
