#pragma once
// kavctl's record file commands: "export" (a record file as CSV or as the mth
// export, no device needed) and reading a record file for them.
#include <ostream>
#include <string>

#include "kavctl_exit.h"
#include "kavctl_options.h"
#include "record_file.h"

namespace kav::kavctl {

int exportFile(const Options& options, std::ostream& out, std::ostream& err);

// Reads and takes apart the record file `options.file`: 0, or 66 (cannot be
// read) / 65 (not a record file, cannot be taken apart) after the window's
// message on `err`.
int recordLesen(const Options& options, records::Leseergebnis& gelesen, std::ostream& err);

// The CSV of a read record: type 3 "sample,angle_deg,arcsec" (angle = 360 x
// sample / 200), types 1 and 2 "field,value" (arrays as AbwPos1..5, AbwWert1..5);
// another type gives the header row of types 1 and 2 only.
std::string csvText(const records::Leseergebnis& gelesen);
// A message for standard error: CR LF becomes a line feed.
std::string zeilen(const std::string& text);

} // namespace kav::kavctl
