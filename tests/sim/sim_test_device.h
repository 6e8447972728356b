#pragma once
// A device on a manual clock, driven by command names as the program drives it.
#include <gtest/gtest.h>

#include <string>

#include "kav100_device.h"
#include "sim_test_frames.h"

namespace kav::sim::test {

class DeviceFixture : public ::testing::Test {
protected:
    ManualClock clock;
    std::unique_ptr<Kav100Device> device = std::make_unique<Kav100Device>(clock);

    void remake(DeviceSettings settings) { device = std::make_unique<Kav100Device>(clock, std::move(settings)); }

    std::uint8_t codeOf(const std::string& name) const {
        for (const auto& e : device->commandList())
            if (e.name == name)
                return e.code;
        ADD_FAILURE() << name << " not listed";
        return 0;
    }
    Reply run(const std::string& name, const Bytes& params = {}) {
        return parse(device->handleFrame(request(codeOf(name), params)));
    }
    Reply info(int number) { return run("RD_Info", {static_cast<std::uint8_t>(number)}); }
    Bytes update() { return run("RD_InfoUpdate").payload; }
    Reply array(int number, int from, int to) {
        return run("RD_InfoArray", {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(from >> 8),
                                    static_cast<std::uint8_t>(from & 0xFF), static_cast<std::uint8_t>(to >> 8),
                                    static_cast<std::uint8_t>(to & 0xFF)});
    }
    void wait(std::chrono::milliseconds ms) { clock.advance(ms); }
    // Runs a measurement to its end.
    void measure(const std::string& command, const Bytes& params = {}) {
        ASSERT_TRUE(run(command, params).isAck()) << command;
        wait(std::chrono::milliseconds(20000));
        ASSERT_EQ(update()[1] & 0x03, 0x01) << "ready and no longer measuring";
    }
    std::uint8_t state() { return info(8).payload.at(0); }
};

} // namespace kav::sim::test
