// The serial-port backend on a pseudo-terminal: listing, opening,
// configuration at 600000 baud, exact read time-outs, and a whole link.
#include <gtest/gtest.h>


#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <memory>

#include "com_usb.h"
#include "device_call.h"
#include "pty_device_posix.h"
#include "core_application.h"
#include "serial_port_ft_api.h"

using namespace kav;
using namespace kav::testkit;
using kav::backends::SerialPortFtApi;
using kav::ft::FT_OK;
using Steady = std::chrono::steady_clock;

namespace {

struct SerialPort : ::testing::Test {
    static void SetUpTestSuite() { kav::test::testCoreApplication(); }

    PtyDevice pty;
    std::unique_ptr<SerialPortFtApi> api;
    ft::FT_HANDLE handle = nullptr;

    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        api = std::make_unique<SerialPortFtApi>(pty.slavePath());
    }
    void openPort() {
        std::string path = pty.slavePath();
        ASSERT_EQ(api->FT_OpenEx(path.data(), ft::FT_OPEN_BY_DESCRIPTION, &handle), FT_OK) << api->lastOpenError();
        ASSERT_EQ(api->FT_SetBaudRate(handle, 600000), FT_OK);
        ASSERT_EQ(api->FT_SetDataCharacteristics(handle, 8, 0, 0), FT_OK);
        ASSERT_EQ(api->FT_SetFlowControl(handle, 0, 0, 0), FT_OK);
    }
    std::string readMaster(std::size_t n) {
        std::string out;
        while (out.size() < n) {
            pollfd p{pty.masterFd(), POLLIN, 0};
            if (::poll(&p, 1, 2000) <= 0)
                break;
            char buf[256];
            const ssize_t got = ::read(pty.masterFd(), buf, sizeof buf);
            if (got <= 0)
                break;
            out.append(buf, static_cast<std::size_t>(got));
        }
        return out;
    }
};

long long msSince(Steady::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - t).count();
}

} // namespace

TEST_F(SerialPort, NamedPortIsTheOnlyListedConverter) {
    ft::DWORD count = 7;
    EXPECT_EQ(api->FT_ListDevices(&count, nullptr, ft::FT_LIST_NUMBER_ONLY), FT_OK);
    EXPECT_EQ(count, 1u);
    char buffer[ft::FT_LIST_BUFFER_SIZE] = {};
    EXPECT_EQ(api->FT_ListDevices(nullptr, buffer, ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION), FT_OK);
    EXPECT_EQ(std::string(buffer), pty.slavePath());
    EXPECT_EQ(api->FT_ListDevices(reinterpret_cast<void*>(std::uintptr_t{1}), buffer,
                                  ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION),
              ft::FT_DEVICE_NOT_FOUND);
    std::string other = "something else";
    EXPECT_EQ(api->FT_OpenEx(other.data(), ft::FT_OPEN_BY_DESCRIPTION, &handle), ft::FT_DEVICE_NOT_FOUND);
}

TEST_F(SerialPort, ConfiguresAndWritesWholeFrames) {
    openPort();
    EXPECT_EQ(api->FT_SetTimeouts(handle, 1000, 0), FT_OK);
    EXPECT_EQ(api->FT_SetChars(handle, 0x7E, 1, 0, 0), FT_OK);
    EXPECT_EQ(api->FT_SetDataCharacteristics(handle, 9, 0, 0), ft::FT_INVALID_PARAMETER);
    EXPECT_EQ(api->FT_SetFlowControl(handle, ft::FT_FLOW_DTR_DSR, 0, 0), ft::FT_INVALID_PARAMETER);
    std::uint8_t frame[] = {0x03, 0x01, 0x01, 0x00, 0x9F, 0xDD, 0x7E, 0x0A, 0x0D};
    ft::DWORD written = 0;
    EXPECT_EQ(api->FT_Write(handle, frame, sizeof frame, &written), FT_OK);
    EXPECT_EQ(written, sizeof frame);
    // Raw line: no character is translated or swallowed.
    EXPECT_EQ(readMaster(sizeof frame), std::string(reinterpret_cast<char*>(frame), sizeof frame));
}

TEST_F(SerialPort, ReadWaitsExactlyTheTimeOut) {
    openPort();
    ASSERT_EQ(api->FT_SetTimeouts(handle, 150, 0), FT_OK);
    std::uint8_t buffer[8] = {};
    ft::DWORD got = 99;
    auto start = Steady::now();
    EXPECT_EQ(api->FT_Read(handle, buffer, 5, &got), FT_OK);
    EXPECT_EQ(got, 0u);
    EXPECT_GE(msSince(start), 150);

    // Part of the count: what arrived, after the time-out.
    ASSERT_EQ(::write(pty.masterFd(), "\x11\x22", 2), 2);
    start = Steady::now();
    EXPECT_EQ(api->FT_Read(handle, buffer, 5, &got), FT_OK);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(buffer[1], 0x22);
    EXPECT_GE(msSince(start), 150);
}

TEST_F(SerialPort, ReadReturnsAsSoonAsTheCountIsThere) {
    openPort();
    ASSERT_EQ(api->FT_SetTimeouts(handle, 5000, 0), FT_OK);
    ASSERT_EQ(::write(pty.masterFd(), "ABCDEFG", 7), 7);
    std::uint8_t buffer[8] = {};
    ft::DWORD got = 0;
    const auto start = Steady::now();
    EXPECT_EQ(api->FT_Read(handle, buffer, 1, &got), FT_OK);
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(api->FT_Read(handle, buffer, 6, &got), FT_OK);
    EXPECT_EQ(got, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 6), "BCDEFG");
    EXPECT_LT(msSince(start), 4000); // never waited for the time-out
}

TEST_F(SerialPort, PurgeDropsWhatIsQueued) {
    openPort();
    ASSERT_EQ(api->FT_SetTimeouts(handle, 1000, 0), FT_OK);
    ASSERT_EQ(::write(pty.masterFd(), "ABCDEFG", 7), 7);
    std::uint8_t buffer[8] = {};
    ft::DWORD got = 0;
    ASSERT_EQ(api->FT_Read(handle, buffer, 1, &got), FT_OK);
    ASSERT_EQ(got, 1u);
    EXPECT_EQ(api->FT_Purge(handle, ft::FT_PURGE_RX), FT_OK);
    ASSERT_EQ(api->FT_SetTimeouts(handle, 50, 0), FT_OK);
    EXPECT_EQ(api->FT_Read(handle, buffer, 6, &got), FT_OK);
    EXPECT_EQ(got, 0u) << "the rest was dropped";
    ASSERT_EQ(::write(pty.masterFd(), "H", 1), 1);
    ASSERT_EQ(api->FT_SetTimeouts(handle, 1000, 0), FT_OK);
    EXPECT_EQ(api->FT_Read(handle, buffer, 1, &got), FT_OK);
    EXPECT_EQ(got, 1u) << "what comes after the purge is read";
    EXPECT_EQ(buffer[0], 'H');
    EXPECT_EQ(api->FT_Purge(handle, 8), ft::FT_INVALID_PARAMETER);
    EXPECT_EQ(api->FT_Purge(nullptr, ft::FT_PURGE_RX), ft::FT_INVALID_HANDLE);
}

TEST_F(SerialPort, HandlesAreCheckedAndClosedOnce) {
    openPort();
    EXPECT_EQ(api->FT_Close(handle), FT_OK);
    EXPECT_EQ(api->FT_Close(handle), ft::FT_INVALID_HANDLE);
    std::uint8_t b = 0;
    ft::DWORD n = 5;
    EXPECT_EQ(api->FT_Read(handle, &b, 1, &n), ft::FT_INVALID_HANDLE);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(api->FT_SetBaudRate(nullptr, 600000), ft::FT_INVALID_HANDLE);
}

TEST_F(SerialPort, MissingPortFailsToOpenThreeTimes) {
    SerialPortFtApi missing("/dev/kav-no-such-port");
    ComUSB link(missing);
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 1);
    EXPECT_EQ(diagnose, "NumDevices 1\r\nDevice Description /dev/kav-no-such-port\r\nSerial Number \r\n"
                        "Open Failed\r\nClose Failed\r\nClose Failed\r\n");
}

TEST_F(SerialPort, WholeLinkOverThePseudoTerminal) {
    pty.startResponder();
    ComUSB link(*api);
    std::string diagnose;
    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_EQ(link.commandCount(), 5);
    EXPECT_EQ(link.infoCount(), 4);
    EXPECT_EQ(link.infoListe()[3].Wert, "KAV-4711");
    EXPECT_EQ(geraetAufruf(link, "RD_Info", "2", "F").wert.toText(), "25");
    EXPECT_EQ(link.COM_USBSchliessen(), 0);
    pty.stop();
    EXPECT_EQ(pty.device().lastVersion, "KA010000");
}
