#pragma once
// kavctl records list and records get: the records in the device's memory,
// through the same listing and loading as the window's page "Daten vom Gerät".
#include <ostream>

#include "kavctl_options.h"

namespace kav {
class ComUSB;
}

namespace kav::kavctl {

// The link is open. Prints the array and returns 0, or prints the window's
// message on standard error and returns 3.
int recordsList(ComUSB& link, const Options& options, std::ostream& out, std::ostream& err);

// The link is open. Lists the records, loads record `options.index` as a
// double-click does, checks the device's state and reads the record's values
// in stored-record mode (a bad-pulse record is asked again every 500 ms, up to
// the measurement's time-out). Prints the `kavctl measure` object with
// "header" added (firmware from the device) and, with `options.save`, writes
// the record as "Speichern" does. Returns 0; 3 for a listing, loading, state
// or readout failure (message on `err`); 73 when the file cannot be written.
int recordsGet(ComUSB& link, const Options& options, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
