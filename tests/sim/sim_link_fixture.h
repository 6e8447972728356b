#pragma once
// A link over a fresh in-process simulated device on a manual clock, with the
// program's calling convention on top: the set-up the link tests share.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "sim_test_program.h"
#include "simulated_converter.h"

namespace kav::sim::test {

class SimLinkTest : public ::testing::Test {
protected:
    ManualClock clock;
    std::unique_ptr<SimulatedConverter> ft;
    std::unique_ptr<ComUSB> link;
    std::unique_ptr<Program> program;
    std::string diagnose;

    void make(SimOptions o = {}) {
        o.clock = &clock;
        ft = std::make_unique<SimulatedConverter>(o);
        LinkHooks hooks;
        hooks.clock = &clock;
        link = std::make_unique<ComUSB>(*ft, hooks);
        program = std::make_unique<Program>(*link);
    }
    void SetUp() override { make(); }
    std::uint8_t open() { return link->COM_USBOeffnen(diagnose); }
    Kav100Device& device() { return ft->device(); }
    Scenario& scenario() { return ft->scenario(); }
};

} // namespace kav::sim::test
