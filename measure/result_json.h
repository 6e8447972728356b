#pragma once
// A result record as one line of JSON, for `kavctl measure` and any tool that
// shows a record:
//   {"type": 1|2|3, "encoder_serial": "…", "values": {…}, "texts": {…}}
// `values` holds every field of the record under its own name as a JSON
// number (byte fields as held, 0-255; AbwPos/AbwWert as arrays of 5; for the
// oscillation Messdaten as its hex text, AnzahlMesswerte, and `samples`, the
// signed samples Messdaten holds). `texts` holds what the result page shows
// for each field, in the translator's language and always with "." as the
// decimal separator, as on a freshly cleared page: a note label that would
// keep its state counts as hidden, a list entry left unchanged as "".
// The percentage fields add Symmetrie0_note, Symmetrie90_note and
// Phasenlage_note with the shown note's text or "".
#include <string>
#include <string_view>

#include "json_writer.h"
#include "measure_host.h"
#include "record_fields.h" // valuesObject: the `values` object alone
#include "result_records.h"

namespace kav::measure {

// `encoderSerial`: bytes as the device sent them (Windows-1252); written as UTF-8.
json::Json resultObject(const AktuellWerte& w, std::string_view encoderSerial, const Translator& t);
json::Json resultObject(const SchlechtimpulsWerte& w, std::string_view encoderSerial, const Translator& t);
json::Json resultObject(const DrehschwebungWerte& w, std::string_view encoderSerial, const Translator& t);
// The same as one line.
std::string resultJson(const AktuellWerte& w, std::string_view encoderSerial, const Translator& t);
std::string resultJson(const SchlechtimpulsWerte& w, std::string_view encoderSerial, const Translator& t);
std::string resultJson(const DrehschwebungWerte& w, std::string_view encoderSerial, const Translator& t);

} // namespace kav::measure
