// kavctl records get in process, against the simulated device on a manual
// clock: the bad-pulse record asked again every 500 ms, and the time-out.
#include <gtest/gtest.h>

#include <sstream>

#include "com_usb.h"
#include "kavctl_records.h"
#include "sim_ft_api.h"

namespace {

using namespace kav;

struct Ablauf {
    int code = -1;
    std::string out, err;
    Clock::duration gewartet{};
};

// Record 1 (bad pulses) read while the change report fails `mal` times (-1: always).
Ablauf badPulseRecord(int mal) {
    ManualClock uhr;
    sim::SimOptions o;
    o.clock = &uhr;
    sim::FaultRule r = sim::FaultRule::make(sim::FaultRule::Kind::FailureBit, "RD_InfoUpdate");
    r.times = mal;
    o.scenario.add(r);
    auto ft = sim::createSimulatedFtApi(o);
    LinkHooks hooks;
    hooks.clock = &uhr;
    ComUSB link(*ft, hooks);
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 0) << diagnose;
    kavctl::Options opt;
    opt.index = 1;
    std::ostringstream out, err;
    Ablauf a;
    const auto start = uhr.now();
    a.code = kavctl::recordsGet(link, opt, out, err);
    a.gewartet = uhr.now() - start;
    a.out = out.str();
    a.err = err.str();
    link.COM_USBSchliessen();
    return a;
}

std::size_t anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
        ++n;
    return n;
}

const std::string kZeile = "DateiTyp2Lesen -> 'RD_InfoUpdate' konnte nicht";

TEST(KavctlRecordsGetRetry, BadPulsesAreAskedAgainEvery500ms) {
    const Ablauf a = badPulseRecord(3);
    ASSERT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(anzahl(a.err, kZeile), 3u) << a.err;
    EXPECT_NE(a.out.find("\"type\": 2, "), std::string::npos);
    // Three waits, and the exchanges' own time on the manual clock.
    EXPECT_GE(a.gewartet, std::chrono::milliseconds(1500));
    EXPECT_LT(a.gewartet, std::chrono::milliseconds(2000));
}

TEST(KavctlRecordsGetRetry, GivesUpAfterTheMeasurementsTimeOut) {
    const Ablauf a = badPulseRecord(-1);
    EXPECT_EQ(a.code, 3);
    EXPECT_EQ(a.out, "");
    EXPECT_EQ(anzahl(a.err, kZeile), 20u);
    EXPECT_EQ(a.err.substr(a.err.size() - 42), "kavctl: Measurement impossible.\nTime out.\n");
}

} // namespace
