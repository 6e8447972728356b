#pragma once
// A trend as CSV: a header line, then one line per reading with the time
// first and one numeric column per value. The decimal point is "." whatever
// the locale; a percentage code (or a damaged float) is an empty cell. The
// same line serves a reading exported from the window and one printed by
// kavctl as it arrives.
#include <iosfwd>
#include <string>

#include "result_records.h"
#include "trend_store.h"

namespace kav::measure {

// "time_s,speed_rpm,frequency_hz,supply_voltage_v,current_ma,symmetry_0_percent,symmetry_90_percent,phase_percent"
std::string trendCsvKopf();
// One reading `sekunden` after the start (millisecond resolution), without the line end.
std::string trendCsvZeile(double sekunden, const AktuellWerte& w);
// The header and every reading of the store, each line ended by "\n".
void trendCsvSchreiben(std::ostream& aus, const TrendStore& store);

} // namespace kav::measure
