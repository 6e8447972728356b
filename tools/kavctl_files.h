#pragma once
// kavctl's record commands: their options, "export" (a record file as CSV or
// as the mth export, no device needed) and the exit codes of file work.
#include <ostream>
#include <string>
#include <vector>

#include "kavctl_options.h"
#include "record_file.h"

namespace kav::kavctl {

inline constexpr int kExitDataErr = 65;    // not a record file, or one that cannot be taken apart
inline constexpr int kExitNoInput = 66;    // the file cannot be read
inline constexpr int kExitCantCreate = 73; // the output file cannot be written

// The options of the record commands at args[i] ("--lang", "--csv", "--mth"):
// 1 taken (i moved past its value), 0 not one of them, -1 bad (error set).
int fileOption(const std::vector<std::string>& args, std::size_t& i, Options& options, std::string& error);
// "records list" and "export FILE": checks the positional arguments.
bool fileCommand(const std::vector<std::string>& positional, bool typeGiven, Options& options, std::string& error);

int exportFile(const Options& options, std::ostream& out, std::ostream& err);

// The CSV of a read record: type 3 "sample,angle_deg,arcsec" (angle = 360 x
// sample / 200), types 1 and 2 "field,value" (arrays as AbwPos1..5, AbwWert1..5);
// another type gives the header row of types 1 and 2 only.
std::string csvText(const records::Leseergebnis& gelesen);

// A UTF-8 text as a JSON string literal, quotes included.
std::string jsonText(const std::string& utf8);
// A message for standard error: CR LF becomes a line feed.
std::string zeilen(const std::string& text);

} // namespace kav::kavctl
