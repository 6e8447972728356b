// The line: frames cut from a byte stream, every frame fault, the wire time.
#include <gtest/gtest.h>

#include "device_line.h"
#include "sim_test_frames.h"

namespace kav::sim::test {
namespace {
using namespace std::chrono_literals;

TEST(RequestAssembler, CutsFramesFromAStream) {
    RequestAssembler a;
    const Clock::time_point t{};
    const Bytes f1 = request(0x10, {3});
    const Bytes f2 = request(0x01, {1, 0});
    EXPECT_TRUE(a.feed(Bytes(f1.begin(), f1.begin() + 2), t).empty());
    auto frames = a.feed(Bytes(f1.begin() + 2, f1.end()), t + 1ms);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], f1);

    Bytes both = f1;
    both.insert(both.end(), f2.begin(), f2.end());
    frames = a.feed(both, t + 2ms);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1], f2);
    EXPECT_EQ(a.buffered(), 0u);
}

TEST(RequestAssembler, SkipsNoiseInFrontOfARequest) {
    RequestAssembler a;
    const Bytes f = request(0x10, {8});
    for (const Bytes& noise : {Bytes{0x00, 0x00}, Bytes{0x07, 0x41, 0x42}, Bytes{0xFF, 0x13, 0x99, 0x05},
                               Bytes{0x02, 0x10, 0x08, 0x00, 0x00}}) {
        Bytes stream = noise;
        stream.insert(stream.end(), f.begin(), f.end());
        const auto frames = a.feed(stream, Clock::time_point{});
        ASSERT_EQ(frames.size(), 1u) << "noise of " << noise.size() << " bytes";
        EXPECT_EQ(frames[0], f);
        a.clear();
    }
}

TEST(RequestAssembler, APauseEndsAHalfReceivedFrame) {
    RequestAssembler a;
    const Clock::time_point t{};
    EXPECT_TRUE(a.feed(Bytes{0x20, 0x10}, t).empty());
    const Bytes f = request(0x10, {3});
    const auto frames = a.feed(f, t + 50ms);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], f);
}

TEST(RequestAssembler, ALoneFrameWithAWrongCrcIsStillDelivered) {
    RequestAssembler a;
    Bytes f = request(0x10, {3});
    f.back() ^= 0xFF;
    const auto frames = a.feed(f, Clock::time_point{});
    ASSERT_EQ(frames.size(), 1u) << "the device answers it with a checksum error";
}

class Line : public ::testing::Test {
protected:
    ManualClock clock;
    Kav100Device device{clock};
    DeviceLine line{device, clock, WireTiming{}};

    Bytes exchange(const Bytes& req) {
        line.hostWrite(req);
        Bytes out(600);
        out.resize(line.read(out.data(), out.size(), clock.now() + 1h));
        return out;
    }
    Bytes infoRequest(int n) { return request(0x10, {static_cast<std::uint8_t>(n)}); }
    Scenario& scenario() { return device.scenario(); }
};

TEST_F(Line, SilentAlwaysAfterNFramesAndForOneCommand) {
    scenario().silentAfter(2);
    EXPECT_FALSE(exchange(infoRequest(0)).empty());
    EXPECT_FALSE(exchange(infoRequest(0)).empty());
    EXPECT_TRUE(exchange(infoRequest(0)).empty());
    EXPECT_TRUE(exchange(infoRequest(3)).empty());
    scenario().faults.clear();
    scenario().silentFor("rd_info");
    EXPECT_TRUE(exchange(infoRequest(3)).empty()) << "names match without regard to case";
    EXPECT_FALSE(exchange(request(0x01, {1, 0})).empty());
}

TEST_F(Line, SilentRequestsAreNotExecuted) {
    scenario().silentFor("DO_FormatMem");
    EXPECT_TRUE(exchange(request(0x43)).empty());
    EXPECT_EQ(device.records().count(), 6u);
}

TEST_F(Line, CorruptCrcFailureBitAndErrorReport) {
    scenario().add(FaultRule::make(FaultRule::Kind::CorruptCrc, "RD_Info"));
    EXPECT_FALSE(parse(exchange(infoRequest(3))).wellFormed);
    EXPECT_TRUE(parse(exchange(request(0x01, {1, 0}))).wellFormed);

    scenario().faults = {FaultRule::make(FaultRule::Kind::FailureBit)};
    const Reply f = parse(exchange(infoRequest(3)));
    EXPECT_TRUE(f.wellFormed);
    EXPECT_EQ(f.status, 0x82);

    FaultRule report = FaultRule::make(FaultRule::Kind::ErrorReport);
    report.errorMask = 0x9;
    scenario().faults = {report};
    const Reply e = parse(exchange(infoRequest(3)));
    EXPECT_EQ(e.status, 0x00);
    EXPECT_EQ(e.le32(), 0x9u);
}

TEST_F(Line, TruncatedBadLengthAndGarbage) {
    const Bytes whole = exchange(infoRequest(3));
    scenario().faults = {FaultRule::make(FaultRule::Kind::Truncated)};
    const Bytes cut = exchange(infoRequest(3));
    EXPECT_EQ(cut.size(), whole.size() / 2);
    EXPECT_TRUE(std::equal(cut.begin(), cut.end(), whole.begin()));

    scenario().faults = {FaultRule::make(FaultRule::Kind::BadLength)};
    const Bytes longer = exchange(infoRequest(3));
    EXPECT_EQ(longer[0], 0xFF);
    EXPECT_EQ(longer.size(), whole.size());

    scenario().faults = {FaultRule::make(FaultRule::Kind::Garbage)};
    const Bytes noise = exchange(infoRequest(3));
    EXPECT_EQ(noise.size(), 9u);
    EXPECT_NE(noise, Bytes(whole.begin(), whole.begin() + 9));
}

TEST_F(Line, SlowRepliesArriveLate) {
    FaultRule slow = FaultRule::make(FaultRule::Kind::Slow);
    slow.delay = 1500ms;
    slow.times = 1;
    scenario().add(slow);
    line.hostWrite(infoRequest(3));
    EXPECT_EQ(line.available(clock.now() + 1499ms), 0u);
    EXPECT_GT(line.available(clock.now() + 1500ms), 0u);
    EXPECT_EQ(line.timeWhenAvailable(1), clock.now() + 1500ms);
    Bytes sink(100);
    line.read(sink.data(), sink.size(), clock.now() + 2s);
    line.hostWrite(infoRequest(3));
    EXPECT_GT(line.available(clock.now()), 0u) << "only once";
}

TEST_F(Line, DropOffHalfwayThroughAReply) {
    FaultRule drop = FaultRule::make(FaultRule::Kind::DropOff);
    drop.afterFrames = 1;
    drop.times = 1;
    scenario().add(drop);
    const Bytes whole = exchange(infoRequest(3));
    EXPECT_TRUE(line.onBus(clock.now()));
    const Bytes half = exchange(infoRequest(3));
    EXPECT_EQ(half.size(), whole.size() / 2);
    EXPECT_FALSE(line.onBus(clock.now()));
    EXPECT_TRUE(exchange(infoRequest(3)).empty()) << "gone";
    line.reconnect();
    EXPECT_EQ(exchange(infoRequest(3)), whole);
}

TEST_F(Line, FailOneArrayBlock) {
    Bytes sink(600);
    device.handleFrame(request(0x32, {3})); // 600 samples
    clock.advance(10s);
    scenario().failArrayBlock(60, 240);
    auto block = [&](int from, int to) {
        return parse(
            exchange(request(0x14, {60, static_cast<std::uint8_t>(from >> 8), static_cast<std::uint8_t>(from & 0xFF),
                                    static_cast<std::uint8_t>(to >> 8), static_cast<std::uint8_t>(to & 0xFF)})));
    };
    EXPECT_TRUE(block(0, 119).isData());
    EXPECT_TRUE(block(120, 239).isData());
    EXPECT_TRUE(block(240, 359).isFailure());
    EXPECT_TRUE(block(360, 479).isData());
}

TEST_F(Line, FaultsCountTheirTimes) {
    FaultRule twice = FaultRule::make(FaultRule::Kind::FailureBit);
    twice.times = 2;
    scenario().add(twice);
    EXPECT_TRUE(parse(exchange(infoRequest(3))).isFailure());
    EXPECT_TRUE(parse(exchange(infoRequest(3))).isFailure());
    EXPECT_TRUE(parse(exchange(infoRequest(3))).isData());
    EXPECT_EQ(line.requestsReceived(), 3);
}

TEST_F(Line, RepliesKeepTheirOrderUnderWireTime) {
    line.timing() = WireTiming{true, 1000us};
    FaultRule slow = FaultRule::make(FaultRule::Kind::Slow);
    slow.delay = 100ms;
    slow.times = 1;
    scenario().add(slow);
    line.hostWrite(infoRequest(3));
    line.hostWrite(infoRequest(0));
    Bytes out(100);
    out.resize(line.read(out.data(), out.size(), clock.now() + 1s));
    const Reply first = parse(Bytes(out.begin(), out.begin() + out[0] + 4));
    EXPECT_EQ(first.text(), "070123") << "the late reply is not overtaken";
}

TEST(WireTiming, TenBitsPerByteAt600000Baud) {
    const WireTiming t{true};
    EXPECT_EQ(t.forBytes(60000), std::chrono::seconds(1));
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::nanoseconds>(t.forBytes(3)).count(), 50000);
}

} // namespace
} // namespace kav::sim::test
