#include "kavctl_console.h"

#include "kavctl_files.h"
#include "language_table.h"

namespace kav::kavctl {

ConsoleHost::ConsoleHost(std::ostream& err, bool trace, std::string sprache)
    : err_(err), trace_(trace), sprache_(std::move(sprache)) {}

void ConsoleHost::meldung(const std::string& text) {
    ++meldungen;
    letzteMeldung = zeilen(text);
    for (char& c : letzteMeldung)
        if (c == '\n')
            c = ' ';
    err_ << "kavctl: " << zeilen(text) << '\n' << std::flush;
}

void ConsoleHost::debugLog(const std::string& zeile) {
    if (trace_)
        err_ << zeilen(zeile) << '\n' << std::flush;
}

void ConsoleHost::tagesLog(const std::string& zeile) { err_ << "kavctl: " << zeilen(zeile) << '\n' << std::flush; }

std::string ConsoleHost::sprachText(const std::string& deutsch) { return texts::sprachText(deutsch, sprache_); }

} // namespace kav::kavctl
