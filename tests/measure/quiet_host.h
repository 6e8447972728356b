#pragma once
// A host that shows nothing and keeps only the messages and debug lines
// (tests and benchmarks of the measurement logic).
#include <string>
#include <vector>

#include "measure_host.h"

namespace kav::measure::test {

class QuietHost final : public MeasureHost {
public:
    std::vector<std::string> meldungen, debug;
    void meldung(const std::string& t) override { meldungen.push_back(t); }
    void debugLog(const std::string& z) override { debug.push_back(z); }
    void tagesLog(const std::string&) override {}
    void fehlerLog(const std::string&) override {}
    void beschaeftigt(bool) override {}
    std::string sprachText(const std::string& d) override { return d; }
};

} // namespace kav::measure::test
