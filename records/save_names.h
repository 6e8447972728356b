#pragma once
// The names a save starts from: the save dialog's default name and the record
// name an online result is saved with.
#include <string>

#include "clock.h"

namespace kav::records {

// "2008.03.07-09.05.00" (no extension): year, then month, day, hours, minutes
// and seconds with two digits each.
std::string standardDateiname(const LocalTime& zeit);

// The record name of an online result: the chosen file's name without its
// folder ("/" or "\") and without its last four characters (the extension),
// right-aligned in 10 ("Motorpruefstand" -> "pruefstand", "M1" -> 8 blanks + "M1").
std::string onlineDatensatzname(const std::string& dateiname);

} // namespace kav::records
