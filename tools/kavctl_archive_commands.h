#pragma once
// kavctl archive list / show / export / import / stats: the archive of
// results without a device.
#include <ostream>

#include "kavctl_options.h"

namespace kav::kavctl {

bool isArchiveCommand(Options::Command command);

// Needs a QCoreApplication (Qt loads its SQL drivers through it). Exit
// codes: 0 (import: the walk completed, bad files named on `err`); 64 bad
// arguments or archive URL; 65 an id the archive does not hold; 69 the
// archive is unreachable or failing; 73 an export file cannot be written.
int archiveCommand(const Options& options, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
