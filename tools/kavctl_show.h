#pragma once
// kavctl show: a record file as JSON, no device needed; and the record header
// object that `records get` adds to its result.
#include <ostream>
#include <string>

#include "json_writer.h"
#include "kavctl_options.h"
#include "record_file.h"

namespace kav::kavctl {

// {"firmware", "encoder_serial", "device_serial", "name", "date"}: the texts are
// Windows-1252 bytes (written as UTF-8), `datum` as "07.03.2008 - 09:05:00".
json::Json headerObject(const records::KopfTexte& texte, const std::string& datum);

// {"header": {…}, "type": n, "values": {…}} of a file read without failure;
// `values` as in `kavctl measure`, empty for a type other than 1-3.
json::Json recordObject(const records::Leseergebnis& gelesen);

// Exit codes as for export: 0; 65 not a record file or one that cannot be
// taken apart; 66 the file cannot be read. With a profile (options.measure.profile)
// "verdict" is added and the exit code is 1 for FAIL or INCOMPLETE.
int showFile(const Options& options, std::ostream& out, std::ostream& err);

} // namespace kav::kavctl
