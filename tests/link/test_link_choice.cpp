// The backend each link choice makes. The window's switches that choose it are
// parsed in shell/core (tests/shell_core/test_command_line.cpp).
#include <gtest/gtest.h>

#include "com_usb.h"
#include "device_call.h"
#include "link_choice.h"

using namespace kav;
using Kind = LinkChoice::Kind;

TEST(LinkBackend, UnusableChoicesGiveAFailingBackendAndALine) {
    std::string diagnose;
    LinkChoice d2xx{Kind::D2xx, {}, "/nonexistent/libftd2xx.so"};
    auto api = createLinkBackend(d2xx, diagnose);
    ASSERT_NE(api, nullptr);
    EXPECT_EQ(diagnose.rfind("D2XX library /nonexistent/libftd2xx.so could not be loaded: ", 0), 0u);
    EXPECT_EQ(diagnose.substr(diagnose.size() - 2), "\r\n");
    ComUSB link(*api);
    std::string open;
    EXPECT_EQ(link.COM_USBOeffnen(open), 1);
    EXPECT_EQ(open.rfind("Fehler init USBD2XX\r\n", 0), 0u);

    diagnose.clear();
    auto none = createLinkBackend(LinkChoice{Kind::SerialPort, {}, {}}, diagnose);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(diagnose, "No serial port named\r\n");
}

TEST(LinkBackend, AutomaticPrefersTheLibraryElseSerialPorts) {
    std::string diagnose;
    auto withLibrary = createLinkBackend(LinkChoice{Kind::Automatic, {}, KAV_FAKE_D2XX_PATH}, diagnose);
    ASSERT_NE(withLibrary, nullptr);
    EXPECT_EQ(diagnose, "");
    char description[ft::FT_LIST_BUFFER_SIZE] = {};
    EXPECT_EQ(withLibrary->FT_ListDevices(nullptr, description, ft::FT_LIST_BY_INDEX | ft::FT_OPEN_BY_DESCRIPTION),
              ft::FT_OK);
    EXPECT_STREQ(description, "Fake D2XX");

    auto withoutLibrary = createLinkBackend(LinkChoice{Kind::Automatic, {}, "/nonexistent/libftd2xx.so"}, diagnose);
    ASSERT_NE(withoutLibrary, nullptr);
    EXPECT_NE(diagnose.find("; using the first FTDI serial port\r\n"), std::string::npos);
}

TEST(LinkBackend, SimulatedDeviceOpensTheLink) {
    std::string diagnose;
    auto api = createLinkBackend(LinkChoice{Kind::Simulated, {}, {}}, diagnose);
    ASSERT_NE(api, nullptr);
    EXPECT_EQ(diagnose, "");
    ComUSB link(*api);
    std::string open;
    ASSERT_EQ(link.COM_USBOeffnen(open), 0) << open;
    EXPECT_FALSE(link.COM_GetStruktur("RD_Info").empty());
    EXPECT_GT(link.infoCount(), 0);
    EXPECT_EQ(link.COM_USBSchliessen(), 0);
}

TEST(LinkBackend, TheSimulatedDeviceTakesTheFlagsOfKav100sim) {
    std::string diagnose;
    LinkChoice choice{Kind::Simulated, {}, {}, "--not-pc-mode --speed 3000"};
    auto api = createLinkBackend(choice, diagnose);
    EXPECT_EQ(diagnose, "");
    ComUSB link(*api);
    std::string open;
    ASSERT_EQ(link.COM_USBOeffnen(open), 0) << open;
    const Aufruf status = wertLesen(link, wert::Geraetestatus, "B");
    ASSERT_TRUE(status.ok());
    EXPECT_EQ(static_cast<int>(status.wert.toNumber()) & 2, 0) << "state bit 1: not in PC measurement mode";
    link.COM_USBSchliessen();

    // A flag the device does not know is no silent default: the backend fails and says why.
    for (const char* flags : {"--bogus", "not-a-flag", "--speed"}) {
        SCOPED_TRACE(flags);
        diagnose.clear();
        auto failing = createLinkBackend(LinkChoice{Kind::Simulated, {}, {}, flags}, diagnose);
        EXPECT_EQ(diagnose.rfind("Simulated device: ", 0), 0u) << diagnose;
        ComUSB failed(*failing);
        EXPECT_EQ(failed.COM_USBOeffnen(open), 1);
    }
}
