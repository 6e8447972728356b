#pragma once
// A host that shows nothing and keeps only the messages and debug lines.
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
    bool seiteSichtbar(int) override { return true; }
    void geberSeriennummer(const std::string&) override {}
    void beschaeftigt(bool) override {}
    void druckenSperren() override {}
    void wartehinweis(bool) override {}
    std::string sprachText(const std::string& d) override { return d; }
};

} // namespace kav::measure::test
