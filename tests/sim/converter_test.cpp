// The in-process converter: the D2XX calls as the link makes them, read time-outs on the manual clock.
#include <gtest/gtest.h>

#include <cstring>

#include "sim_ft_api.h"
#include "sim_test_frames.h"
#include "simulated_converter.h"

namespace kav::sim::test {
namespace {
using namespace std::chrono_literals;

class Converter : public ::testing::Test {
protected:
    ManualClock clock;
    std::unique_ptr<SimulatedConverter> ft;
    ft::FT_HANDLE handle = nullptr;

    void make(SimOptions o = {}) {
        o.clock = &clock;
        ft = std::make_unique<SimulatedConverter>(o);
    }
    void SetUp() override { make(); }

    // The open sequence of the link.
    ft::FT_STATUS open() {
        char description[ft::FT_LIST_BUFFER_SIZE] = {};
        ft::FT_STATUS s = ft->FT_ListDevices(reinterpret_cast<void*>(std::uintptr_t{0}), description,
                                             ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION);
        if (s != ft::FT_OK)
            return s;
        s = ft->FT_OpenEx(description, ft::FT_OPEN_BY_DESCRIPTION, &handle);
        if (s != ft::FT_OK)
            return s;
        EXPECT_EQ(ft->FT_SetBaudRate(handle, 600000), ft::FT_OK);
        EXPECT_EQ(ft->FT_SetRts(handle), ft::FT_OK);
        EXPECT_EQ(ft->FT_SetDataCharacteristics(handle, 8, 0, 0), ft::FT_OK);
        EXPECT_EQ(ft->FT_SetFlowControl(handle, 0, 0, 0), ft::FT_OK);
        EXPECT_EQ(ft->FT_SetTimeouts(handle, 1000, 0), ft::FT_OK);
        EXPECT_EQ(ft->FT_SetChars(handle, 0x7E, 1, 0, 0), ft::FT_OK);
        return ft::FT_OK;
    }
    void write(const Bytes& frame) {
        ft::DWORD written = 0;
        Bytes copy = frame;
        ASSERT_EQ(ft->FT_Write(handle, copy.data(), static_cast<ft::DWORD>(copy.size()), &written), ft::FT_OK);
        ASSERT_EQ(written, copy.size());
    }
    // The link's two reads: the length byte, then the announced rest.
    Bytes readReply(ft::FT_STATUS* lastStatus = nullptr) {
        Bytes buf(300, 0);
        ft::DWORD got = 0;
        ft::FT_STATUS s = ft->FT_Read(handle, buf.data(), 1, &got);
        Bytes out(buf.begin(), buf.begin() + got);
        if (got == 1) {
            ft::DWORD more = 0;
            s = ft->FT_Read(handle, buf.data(), buf[0] + 3u, &more);
            out.insert(out.end(), buf.begin(), buf.begin() + more);
        }
        if (lastStatus)
            *lastStatus = s;
        return out;
    }
};

TEST_F(Converter, ListsOneConverterAndOpensItByDescription) {
    ft::DWORD count = 99;
    ASSERT_EQ(ft->FT_ListDevices(&count, nullptr, ft::FT_LIST_NUMBER_ONLY), ft::FT_OK);
    EXPECT_EQ(count, 1u);
    char serial[ft::FT_LIST_BUFFER_SIZE] = {};
    ASSERT_EQ(ft->FT_ListDevices(nullptr, serial, ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_SERIAL_NUMBER), ft::FT_OK);
    EXPECT_STREQ(serial, kConverterSerial);
    char none[ft::FT_LIST_BUFFER_SIZE] = {};
    EXPECT_EQ(ft->FT_ListDevices(reinterpret_cast<void*>(std::uintptr_t{1}), none,
                                 ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION),
              ft::FT_DEVICE_NOT_FOUND);
    ASSERT_EQ(open(), ft::FT_OK);
    ft::FT_HANDLE second = nullptr;
    char description[] = "KAV100 (simuliert)";
    EXPECT_NE(ft->FT_OpenEx(description, ft::FT_OPEN_BY_DESCRIPTION, &second), ft::FT_OK) << "already open";
    EXPECT_EQ(ft->FT_Close(handle), ft::FT_OK);
    EXPECT_EQ(ft->FT_Close(handle), ft::FT_INVALID_HANDLE);
    char wrong[] = "Other device";
    EXPECT_EQ(ft->FT_OpenEx(wrong, ft::FT_OPEN_BY_DESCRIPTION, &second), ft::FT_DEVICE_NOT_FOUND);
}

TEST_F(Converter, SilentDeviceCostsExactlyTheReadTimeOutOnTheClock) {
    SimOptions o;
    o.scenario.silent();
    make(o);
    ASSERT_EQ(open(), ft::FT_OK);
    const auto before = clock.now();
    write(request(0x01, {0x01, 0x00}));
    ft::FT_STATUS s = 99;
    EXPECT_TRUE(readReply(&s).empty());
    EXPECT_EQ(s, ft::FT_OK) << "a time-out is no error";
    EXPECT_EQ(clock.now() - before, 1000ms);
}

TEST_F(Converter, WireTimeDelaysTheReplyByItsBytesAndTheLatency) {
    SimOptions o;
    o.wireTime = true;
    o.usbLatency = 1000us;
    make(o);
    ASSERT_EQ(open(), ft::FT_OK);
    const auto before = clock.now();
    const Bytes req = request(0x01, {0x01, 0x00});
    write(req);
    const Bytes reply = readReply();
    ASSERT_FALSE(reply.empty());
    // 10 bits per byte at 600000 baud, request and reply, plus 1 ms.
    const auto expected = std::chrono::nanoseconds((req.size() + reply.size()) * 10 * 1000000000LL / 600000) + 1ms;
    EXPECT_EQ(clock.now() - before, std::chrono::duration_cast<Clock::duration>(expected));
}

TEST_F(Converter, PurgeDropsWhatHasArrivedNotWhatIsOnItsWay) {
    SimOptions o;
    o.wireTime = true;
    make(o);
    ASSERT_EQ(open(), ft::FT_OK);
    write(request(0x01, {0x01, 0x00}));
    EXPECT_EQ(ft->FT_Purge(handle, ft::FT_PURGE_RX | ft::FT_PURGE_TX), ft::FT_OK);
    EXPECT_FALSE(readReply().empty()) << "still on the wire at the purge";
    write(request(0x01, {0x01, 0x00}));
    clock.advance(5ms);
    EXPECT_EQ(ft->FT_Purge(handle, ft::FT_PURGE_RX), ft::FT_OK);
    EXPECT_TRUE(readReply().empty()) << "arrived before the purge";
    EXPECT_EQ(ft->FT_Purge(handle, 4), ft::FT_INVALID_PARAMETER);
    EXPECT_EQ(ft->FT_Purge(nullptr, ft::FT_PURGE_RX), ft::FT_INVALID_HANDLE);
}

TEST_F(Converter, WrongLineSettingsLeaveTheDeviceDeaf) {
    ASSERT_EQ(open(), ft::FT_OK);
    ASSERT_EQ(ft->FT_SetBaudRate(handle, 115200), ft::FT_OK);
    write(request(0x01, {0x01, 0x00}));
    EXPECT_TRUE(readReply().empty());
}

TEST_F(Converter, NoConverterPluggedIn) {
    SimOptions o;
    o.scenario.noConverter = true;
    make(o);
    ft::DWORD count = 5;
    ASSERT_EQ(ft->FT_ListDevices(&count, nullptr, ft::FT_LIST_NUMBER_ONLY), ft::FT_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(open(), ft::FT_DEVICE_NOT_FOUND);
}

TEST(SimFactory, CreatesAWorkingConverter) {
    ManualClock clock;
    SimOptions o;
    o.clock = &clock;
    auto api = createSimulatedFtApi(o);
    ASSERT_NE(api, nullptr);
    ft::DWORD count = 0;
    EXPECT_EQ(api->FT_ListDevices(&count, nullptr, ft::FT_LIST_NUMBER_ONLY), ft::FT_OK);
    EXPECT_EQ(count, 1u);
}

} // namespace
} // namespace kav::sim::test
