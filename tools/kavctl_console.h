#pragma once
// The measurement logic's messages and failures on standard error. `kavctl measure` and `kavctl records get`
// run their readouts with it.
#include <ostream>
#include <string>

#include "measure_host.h"

namespace kav::kavctl {

class ConsoleHost final : public measure::MeasureHost {
public:
    ConsoleHost(std::ostream& err, bool trace, std::string sprache);

    int meldungen = 0;         // messages shown so far
    std::string letzteMeldung; // the last one, UTF-8 on one line

    std::ostream& err() { return err_; }

    void meldung(const std::string& text) override;
    void debugLog(const std::string& zeile) override;
    void tagesLog(const std::string& zeile) override;
    void fehlerLog(const std::string&) override {} // the JSON carries the track error
    void beschaeftigt(bool) override {}
    std::string sprachText(const std::string& deutsch) override;

private:
    std::ostream& err_;
    bool trace_;
    std::string sprache_;
};

} // namespace kav::kavctl
