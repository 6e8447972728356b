#pragma once
// kavctl records list: the records in the device's memory as a JSON array,
// through the same listing as the window's page "Daten vom Gerät".
#include <ostream>

#include "kavctl_options.h"

namespace kav {
class ComUSB;
}

namespace kav::kavctl {

// The link is open. Prints the array and returns 0, or prints the window's
// message on standard error and returns 3.
int recordsList(ComUSB& link, const Options& options, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
