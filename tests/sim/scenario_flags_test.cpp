// kav100sim's flags (also the library's KAV100SIM_FLAGS).
#include <gtest/gtest.h>

#include "encoder_model.h"
#include "scenario_flags.h"

namespace kav::sim::test {
namespace {

SimOptions parsed(const std::string& text, bool expectOk = true) {
    SimOptions o;
    std::string error;
    EXPECT_EQ(applySimFlags(splitFlags(text), o, error), expectOk) << text << ": " << error;
    return o;
}

TEST(ScenarioFlags, DeviceAndEncoderSettings) {
    const SimOptions o = parsed("--seed 7 --records=0 --pulses 2048 --speed=3000 --wire-time --latency-us 250");
    EXPECT_EQ(o.seed, 7u);
    EXPECT_EQ(o.storedRecords, 0);
    EXPECT_EQ(o.pulsesPerRevolution, 2048);
    EXPECT_EQ(o.speedRpm, 3000.0);
    EXPECT_TRUE(o.wireTime);
    EXPECT_EQ(o.usbLatency.count(), 250);
    EXPECT_FALSE(parsed("--wire-time --no-wire-time").wireTime);
}

TEST(ScenarioFlags, Conditions) {
    const Scenario s = parsed("--refuse-version --omit RD_InfoArray --omit=WR_MaschNr --beyond-40 DO_FormatMem "
                              "--device-error --not-pc-mode --measuring-mode --busy-forever --no-converter")
                           .scenario;
    EXPECT_TRUE(s.refuseVersion && s.deviceError && s.notPcMode && s.ownMeasuringMode && s.busyForever &&
                s.noConverter);
    EXPECT_EQ(s.omittedCommands, (std::vector<std::string>{"RD_InfoArray", "WR_MaschNr"}));
    EXPECT_EQ(s.commandsBeyond40, (std::vector<std::string>{"DO_FormatMem"}));
}

TEST(ScenarioFlags, FaultsWithTargets) {
    const auto f = parsed("--silent --bad-crc=RD_Info@3 --error-report 0x9:WR_PCVers --slow=1500 "
                          "--fail-array-block 60:240 --drop-after 12 --silent-after 5 --garbage=@2 "
                          "--failure-bit=RD_Info/03@1")
                       .scenario.faults;
    ASSERT_EQ(f.size(), 9u);
    EXPECT_EQ(f[0].kind, FaultRule::Kind::Silent);
    EXPECT_TRUE(f[0].command.empty());
    EXPECT_EQ(f[1].kind, FaultRule::Kind::CorruptCrc);
    EXPECT_EQ(f[1].command, "RD_Info");
    EXPECT_EQ(f[1].afterFrames, 3);
    EXPECT_EQ(f[2].errorMask, 0x9u);
    EXPECT_EQ(f[2].command, "WR_PCVers");
    EXPECT_EQ(f[3].delay.count(), 1500);
    EXPECT_EQ(f[4].parameterPrefix, (std::vector<std::uint8_t>{60, 0, 240}));
    EXPECT_EQ(f[5].kind, FaultRule::Kind::DropOff);
    EXPECT_EQ(f[5].afterFrames, 12);
    EXPECT_EQ(f[5].times, 1);
    EXPECT_EQ(f[6].afterFrames, 5);
    EXPECT_EQ(f[7].kind, FaultRule::Kind::Garbage);
    EXPECT_EQ(f[7].afterFrames, 2);
    EXPECT_EQ(f[8].command, "RD_Info");
    EXPECT_EQ(f[8].parameterPrefix, (std::vector<std::uint8_t>{3}));
    EXPECT_EQ(f[8].afterFrames, 1);
}

// Each numeric flag at the edges of what the device can report.
TEST(ScenarioFlags, NumbersOnlyWithinWhatTheDeviceCanReport) {
    const struct {
        const char* flags;
        bool ok;
    } cases[] = {
        {"--speed 32767.9", true},
        {"--speed -32767.9", true},
        {"--speed 0", true},
        {"--speed 1500.5", true},
        {"--speed 32768", false},
        {"--speed -32768", false},
        {"--speed 1e12", false},
        {"--speed nan", false},
        {"--speed inf", false},
        {"--speed 15x", false},
        {"--pulses 1", true},
        {"--pulses 65535", true},
        {"--pulses 0", false},
        {"--pulses 65536", false},
        {"--pulses -5", false},
        {"--records 254", true},
        {"--records 255", false},
        {"--seed 4294967295", true},
        {"--seed 4294967296", false},
        {"--latency-us 10000000", true},
        {"--latency-us 10000001", false},
        {"--silent-after 2147483647", true},
        {"--silent-after 2147483648", false},
        {"--drop-after 2147483648", false},
        {"--bad-crc=@2147483647", true},
        {"--bad-crc=@2147483648", false},
        {"--error-report 0xFFFFFFFF", true},
        {"--error-report 0x100000000", false},
        {"--slow 600000", true},
        {"--slow 600001", false},
        {"--slow=-1", false},
        {"--fail-array-block 255:65535", true},
        {"--fail-array-block 0:65536", false},
    };
    for (const auto& c : cases) {
        SimOptions o;
        std::string error;
        EXPECT_EQ(applySimFlags(splitFlags(c.flags), o, error), c.ok) << c.flags;
        EXPECT_EQ(error.empty(), c.ok) << c.flags << ": " << error;
    }
    EXPECT_EQ(parsed("--speed -1500.5").speedRpm, -1500.5);
}

// At the fastest speed the device can report, its drift must not carry the
// 16.16 value past its range: the speed keeps its sign and the frequency fits.
TEST(ScenarioFlags, TheFastestSpeedsStayWithinTheirValues) {
    for (const char* flags : {"--speed 32767.9 --pulses 65535", "--speed -32767.9 --pulses 65535"}) {
        const SimOptions o = parsed(flags);
        EncoderModel model(o.seed, EncoderSettings{o.pulsesPerRevolution, o.speedRpm, "G1"});
        for (int i = 0; i < 200; ++i) {
            const MeasurementResult r = model.measureCurrent();
            EXPECT_GT(r.speedRpm() * o.speedRpm, 32000.0 * 32000.0) << flags;
            EXPECT_NEAR(r.frequencyHz, r.speedRpm() * o.pulsesPerRevolution / 60.0, 1.0) << flags;
        }
    }
}

TEST(ScenarioFlags, ChosenResults) {
    const SimOptions o =
        parsed("--speed -7000 --steady --never-ready --symmetry0 200 --symmetry90=110 --phase 127 "
               "--track-error 2 --current 2001 --deviations 7 --deviation-value 250 --samples 9999 "
               "--samples-block 0 --deviation-block 7 --short-array-block 60:120 --oscillation-peak 4000");
    EXPECT_EQ(o.speedRpm, -7000.0);
    EXPECT_TRUE(o.steadySpeed);
    EXPECT_TRUE(o.scenario.neverReady);
    const ResultOverrides& r = o.scenario.overrides;
    EXPECT_EQ(r.symmetry0, 200);
    EXPECT_EQ(r.symmetry90, 110);
    EXPECT_EQ(r.phase, 127);
    EXPECT_EQ(r.trackError, 2);
    EXPECT_EQ(r.currentMilliamps, 2001);
    EXPECT_EQ(r.deviations, 7);
    EXPECT_EQ(r.deviationValue, 250);
    EXPECT_EQ(r.samples, 9999);
    EXPECT_EQ(r.oscillationBlock, 0);
    EXPECT_EQ(r.deviationBlock, 7);
    EXPECT_EQ(r.oscillationPeak, 4000);
    EXPECT_EQ(o.scenario.shortArrayBlocks, (std::vector<ArrayBlock>{{60, 120}}));
    for (const char* bad : {"--symmetry0 256", "--phase -1", "--current 40000", "--samples 10001", "--deviations x",
                            "--samples-block 1000", "--oscillation-peak 32768", "--short-array-block 60",
                            "--short-array-block 300:0", "--never-ready=1"})
        parsed(bad, false);
}

TEST(ScenarioFlags, MistakesAreReported) {
    for (const char* bad : {"--unknown", "--seed", "--seed=x", "--records -1", "--refuse-version=1", "plain",
                            "--fail-array-block 60", "--fail-array-block 300:0", "--bad-crc=RD_Info@x",
                            "--error-report zz", "--bad-crc=RD_Info/3", "--bad-crc=/03", "--bad-crc=RD_Info/XY"}) {
        SimOptions o;
        std::string error;
        EXPECT_FALSE(applySimFlags(splitFlags(bad), o, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

} // namespace
} // namespace kav::sim::test
