#pragma once
// The one place the pages and the chart take their decimal separator from:
// the system locale (QLocale::system()), not the application's default
// locale. On Unix Qt reads it from LC_ALL, LC_NUMERIC or LANG once, when it
// is first asked; tests pin those variables before the application starts.
#include <string>

namespace kav::measure {

// UTF-8, e.g. "." or ",".
std::string systemDezimalTrenner();

} // namespace kav::measure
