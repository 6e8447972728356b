// Measurements: timing on the clock, the change report, values, arrays, the encoder model.
#include <cmath>
#include <cstdio>
#include <set>

#include "sim_test_device.h"

namespace kav::sim::test {
namespace {
using namespace std::chrono_literals;

using DeviceMeasurement = DeviceFixture;

TEST_F(DeviceMeasurement, NothingIsReadyBeforeTheFirstMeasurement) {
    const Bytes u = update();
    ASSERT_EQ(u.size(), 10u);
    EXPECT_EQ(u[1] & 0x01, 0);
    EXPECT_EQ(u[3], 0);
    EXPECT_EQ(run("RD_InfoUpdate").letter, 'B') << "not S: a trailing 0 must survive";
}

TEST_F(DeviceMeasurement, CurrentValuesFinishAfterAFewHundredMilliseconds) {
    ASSERT_TRUE(run("DO_MesAktuell").isAck());
    EXPECT_EQ(state() & 0x04, 0x04) << "busy";
    EXPECT_EQ(update()[1] & 0x01, 0);
    wait(250ms);
    EXPECT_EQ(update()[1] & 0x01, 0) << "still measuring";
    wait(250ms);
    const Bytes u = update();
    EXPECT_EQ(u[0], 1);
    EXPECT_EQ(u[1] & 0x03, 0x01);
    // Values 25-30 at mask positions 2-7, 32 and 33 at positions 9 and 10.
    EXPECT_EQ(u[3], 0x7E);
    EXPECT_EQ(u[4], 0x03);
    EXPECT_EQ(u[7], 0);
    EXPECT_EQ(u[8], 0);
    EXPECT_EQ(state(), 0x02);
}

TEST_F(DeviceMeasurement, CurrentValuesCarryTheirTypeLettersAndAgree) {
    measure("DO_MesAktuell");
    const struct {
        int number;
        char letter;
        std::size_t size;
    } expected[] = {{24, 'L', 4}, {25, 'Q', 4}, {26, 'L', 4}, {27, 'C', 1}, {28, 'C', 1},
                    {29, 'B', 1}, {30, 'B', 1}, {32, 'P', 2}, {33, 'I', 2}, {18, 'S', 9}};
    for (const auto& e : expected) {
        const Reply r = info(e.number);
        EXPECT_EQ(r.letter, e.letter) << e.number;
        EXPECT_EQ(r.payload.size(), e.size) << e.number;
    }
    const auto pulses = static_cast<std::int32_t>(info(24).le32());
    const double rpm = static_cast<std::int32_t>(info(25).le32()) / 65536.0;
    const auto hz = static_cast<std::int32_t>(info(26).le32());
    EXPECT_EQ(pulses, 1024);
    EXPECT_NEAR(rpm, 1500.0, 15.0);
    EXPECT_NEAR(hz, pulses * rpm / 60.0, 1.0);
    EXPECT_NEAR(info(32).le16() / 256.0, 24.0, 0.5);
    EXPECT_NEAR(info(33).le16(), 86, 10);
}

TEST_F(DeviceMeasurement, TheEncoderModelVariesBelievably) {
    std::set<std::int32_t> speeds;
    int codes110 = 0, codes120 = 0, trackErrors = 0, results = 0;
    for (int i = 0; i < 200; ++i) {
        measure("DO_MesAktuell");
        ++results;
        speeds.insert(static_cast<std::int32_t>(info(25).le32()));
        EXPECT_NEAR(static_cast<std::int32_t>(info(25).le32()) / 65536.0, 1500.0, 15.0);
        for (int n : {27, 28, 29}) {
            const std::uint8_t b = info(n).payload[0];
            codes110 += b == 110;
            codes120 += b == 120;
            if (b != 110 && b != 120) {
                EXPECT_LE(std::abs(static_cast<std::int8_t>(b)), 15) << "near nominal";
            }
        }
        const std::uint8_t track = info(30).payload[0];
        EXPECT_LE(track, 3);
        trackErrors += track != 0;
    }
    EXPECT_GT(speeds.size(), 150u) << "the speed drifts";
    EXPECT_GT(codes110, 0);
    EXPECT_GT(codes120, 0);
    EXPECT_GT(trackErrors, 0);
    EXPECT_LT(trackErrors, results / 4) << "now and then, not always";
}

TEST_F(DeviceMeasurement, SameSeedSameResults) {
    DeviceSettings s;
    s.seed = 42;
    ManualClock otherClock;
    Kav100Device other(otherClock, s);
    remake(s);
    for (int i = 0; i < 5; ++i) {
        measure("DO_MesSchlechtimpuls");
        other.handleFrame(request(codeOf("DO_MesSchlechtimpuls")));
        otherClock.advance(20s);
        for (int n : {25, 26, 65, 66, 67, 68, 71})
            EXPECT_EQ(info(n).payload,
                      parse(other.handleFrame(request(codeOf("RD_Info"), {static_cast<std::uint8_t>(n)}))).payload)
                << n;
    }
    s.seed = 43;
    remake(s);
    measure("DO_MesAktuell");
    ManualClock c2;
    DeviceSettings s42;
    s42.seed = 42;
    Kav100Device seed42(c2, s42);
    seed42.handleFrame(request(codeOf("DO_MesAktuell")));
    c2.advance(20s);
    EXPECT_NE(info(25).payload, parse(seed42.handleFrame(request(codeOf("RD_Info"), {25}))).payload);
}

TEST_F(DeviceMeasurement, BadPulsesReportFirstValuesWhileStillBusy) {
    ASSERT_TRUE(run("DO_MesSchlechtimpuls").isAck());
    wait(500ms);
    EXPECT_EQ(update()[1] & 0x01, 0);
    wait(600ms);
    EXPECT_EQ(update()[1] & 0x03, 0x03) << "new result reported, measurement still running";
    EXPECT_EQ(state() & 0x04, 0x04);
    wait(1000ms);
    const Bytes u = update();
    EXPECT_EQ(u[1] & 0x03, 0x01);
    EXPECT_EQ(state() & 0x04, 0);
    EXPECT_EQ(u[0], 2);
    // Values 25 and 26, then 65-71 at positions 10-16 of bytes 4 and 9.
    EXPECT_EQ(u[3], 0x06);
    EXPECT_EQ(u[8], 0xFE);
    EXPECT_EQ(u[4], 0);
    EXPECT_EQ(u[7], 0);
}

TEST_F(DeviceMeasurement, BadPulseArraysMatchTheirDescriptors) {
    for (int round = 0; round < 30; ++round) {
        measure("DO_MesSchlechtimpuls");
        const std::string values = info(69).text();
        const std::string positions = info(70).text();
        ASSERT_EQ(values.size(), 14u);
        ASSERT_EQ(values.substr(0, 6), "069 B ");
        ASSERT_EQ(positions.substr(0, 6), "070 L ");
        ASSERT_EQ(values.substr(10), " 005");
        const int count = std::stoi(values.substr(6, 4));
        EXPECT_EQ(count, std::stoi(positions.substr(6, 4)));
        EXPECT_LE(count, 5);
        const auto found = static_cast<std::int32_t>(info(71).le32());
        EXPECT_GE(found, count);
        const auto maxPos = static_cast<std::int8_t>(info(65).payload[0]);
        const auto maxNeg = static_cast<std::int8_t>(info(67).payload[0]);
        EXPECT_GE(maxPos, 0);
        EXPECT_LE(maxNeg, 0);
        EXPECT_LT(static_cast<std::int32_t>(info(66).le32()), 1024);
        EXPECT_LT(static_cast<std::int32_t>(info(68).le32()), 1024);
        if (count == 0) {
            EXPECT_TRUE(array(69, 0, 4).isFailure());
            continue;
        }
        const Reply v = array(69, 0, 4);
        const Reply p = array(70, 0, 4);
        ASSERT_TRUE(v.isData());
        EXPECT_EQ(v.letter, 'B');
        EXPECT_EQ(p.letter, 'L');
        ASSERT_EQ(v.payload.size(), static_cast<std::size_t>(count))
            << "a block past the end stops at the last element";
        ASSERT_EQ(p.payload.size(), static_cast<std::size_t>(count) * 4);
        for (int i = 0; i < count; ++i) {
            const auto dev = static_cast<std::int8_t>(v.payload[static_cast<std::size_t>(i)]);
            EXPECT_LE(dev, maxPos);
            EXPECT_GE(dev, maxNeg);
            const std::int32_t pos = p.payload[4 * i] | (p.payload[4 * i + 1] << 8) | (p.payload[4 * i + 2] << 16) |
                                     (p.payload[4 * i + 3] << 24);
            EXPECT_GE(pos, 0);
            EXPECT_LT(pos, 1024) << "within one revolution";
        }
    }
}

TEST_F(DeviceMeasurement, OscillationOverOneRevolutionIsReadInBlocks) {
    measure("DO_MesDrehschwebung", {1});
    const Bytes u = update();
    EXPECT_EQ(u[0], 3);
    EXPECT_EQ(u[3], 0x06);
    EXPECT_EQ(u[7], 0x1F) << "values 56-60 at positions 9-13";
    EXPECT_EQ(u[8], 0);
    EXPECT_EQ(info(56).letter, 'C');
    EXPECT_EQ(info(56).payload, Bytes{1});
    EXPECT_EQ(info(60).text(), "060 I 0200 120") << "200 samples per revolution, whatever the pulses";

    std::vector<std::int16_t> samples;
    for (int from = 0; from < 200; from += 120) {
        const int to = std::min(from + 119, 199);
        const Reply r = array(60, from, to);
        ASSERT_TRUE(r.isData()) << from;
        EXPECT_EQ(r.letter, 'I');
        ASSERT_EQ(r.payload.size(), static_cast<std::size_t>(to - from + 1) * 2);
        for (std::size_t i = 0; i < r.payload.size(); i += 2)
            samples.push_back(static_cast<std::int16_t>(r.payload[i] | (r.payload[i + 1] << 8)));
    }
    ASSERT_EQ(samples.size(), 200u);
    const auto [mn, mx] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_EQ(info(57).le16(), *mn);
    EXPECT_EQ(info(58).le16(), *mx);
    EXPECT_EQ(info(59).le16(), *mx - *mn);
    EXPECT_GT(*mx - *mn, 40) << "a visible curve";
    EXPECT_LT(*mx - *mn, 500) << "in arc seconds";
}

TEST_F(DeviceMeasurement, OscillationPeakScalesTheCurve) {
    for (int peak : {0, 700, 25000}) {
        device->scenario().overrides.oscillationPeak = peak;
        measure("DO_MesDrehschwebung", {1});
        const int mn = info(57).le16();
        const int mx = info(58).le16();
        EXPECT_EQ(std::max(std::abs(mn), std::abs(mx)), peak);
        EXPECT_EQ(info(59).le16(), std::min(32767, mx - mn)); // peak to peak, held in 16 bits
    }
}

TEST_F(DeviceMeasurement, OscillationArrayLimits) {
    device->scenario().overrides.samples = 10000;
    measure("DO_MesDrehschwebung", {10});
    EXPECT_EQ(info(56).payload, Bytes{10});
    EXPECT_EQ(info(60).text(), "060 I 9999 120") << "10000 samples show as 9999";
    const Reply last = array(60, 9999, 9999);
    ASSERT_TRUE(last.isData()) << "the 10000th sample exists";
    EXPECT_EQ(last.payload.size(), 2u);
    EXPECT_TRUE(array(60, 10000, 10119).isFailure());
    EXPECT_TRUE(array(60, 50, 10).isFailure());
    EXPECT_TRUE(array(61, 0, 4).isFailure());
    const Reply tooBig = array(60, 0, 299);
    EXPECT_TRUE(tooBig.isErrorReport()) << "300 samples do not fit one reply";
    EXPECT_EQ(tooBig.le32(), 0x80u);
    EXPECT_TRUE(array(60, 0, 126).isData()) << "254 bytes is the most one reply holds";
    EXPECT_TRUE(run("DO_MesDrehschwebung", {0}).isFailure());
    // The count follows the revolutions, not the pulses; a count the flags set stays as set.
    EncoderModel odd(1, EncoderSettings{9999, 1500.0, "G0000001"});
    EXPECT_EQ(odd.measureOscillation(3).samples.size(), 600u);
    EXPECT_EQ(odd.measureOscillation(1, 1024).samples.size(), 1024u);
    EXPECT_TRUE(run("DO_MesDrehschwebung", {11}).isFailure());
}

TEST_F(DeviceMeasurement, ANewStartClearsTheReadyBitAndStopEndsIt) {
    measure("DO_MesAktuell");
    ASSERT_TRUE(run("DO_MesAktuell").isAck());
    EXPECT_EQ(update()[1] & 0x01, 0);
    ASSERT_TRUE(run("DO_MesStop").isAck());
    EXPECT_EQ(state() & 0x04, 0);
    wait(5s);
    EXPECT_EQ(update()[1] & 0x01, 0) << "a stopped measurement delivers nothing";
}

TEST_F(DeviceMeasurement, DeviceConditionsShowInTheStateByte) {
    Scenario& s = device->scenario();
    s.deviceError = true;
    EXPECT_EQ(state(), 0x03);
    s.deviceError = false;
    s.notPcMode = true;
    EXPECT_EQ(state(), 0x00);
    s.notPcMode = false;
    s.ownMeasuringMode = true;
    EXPECT_EQ(state(), 0x08) << "own measuring mode, not PC mode";
    s.ownMeasuringMode = false;
    s.busyForever = true;
    EXPECT_EQ(state(), 0x06);
}

TEST_F(DeviceMeasurement, ResultsStillArriveOutsidePcModeSoTheReaderSeesTheState) {
    device->scenario().notPcMode = true;
    measure("DO_MesAktuell");
    EXPECT_EQ(state() & 0x02, 0);
}

TEST_F(DeviceMeasurement, BusyForeverNeverFinishes) {
    device->scenario().busyForever = true;
    ASSERT_TRUE(run("DO_MesAktuell").isAck());
    wait(60s);
    EXPECT_EQ(update()[1] & 0x01, 0);
    ASSERT_TRUE(run("DO_MesDrehschwebung", {1}).isAck());
    wait(60s);
    EXPECT_EQ(update()[1] & 0x01, 0x01) << "first values reported";
    EXPECT_EQ(state() & 0x04, 0x04) << "but busy for ever";
}

TEST_F(DeviceMeasurement, PulsesAndSpeedCanBeSet) {
    DeviceSettings s;
    s.encoder.pulsesPerRevolution = 199;
    s.encoder.nominalSpeedRpm = 50;
    remake(s);
    measure("DO_MesDrehschwebung", {1});
    EXPECT_EQ(info(24).le32(), 199u);
    EXPECT_NEAR(static_cast<std::int32_t>(info(25).le32()) / 65536.0, 50.0, 1.0);
    EXPECT_EQ(info(60).text(), "060 I 0200 120") << "200 samples per revolution, whatever the pulse number";
    ASSERT_TRUE(run("WR_Impulszahl", {0x01, 0xF4}).isAck());
    measure("DO_MesAktuell");
    EXPECT_EQ(info(24).le32(), 500u);
}

} // namespace
} // namespace kav::sim::test
