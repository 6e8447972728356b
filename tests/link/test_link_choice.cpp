// The window's link switches and the backend each choice makes.
#include <gtest/gtest.h>

#include "com_usb.h"
#include "link_choice.h"

using namespace kav;
using Kind = LinkChoice::Kind;

TEST(LinkChoiceSwitches, FoundAnywhereIgnoringCase) {
    EXPECT_EQ(linkChoiceFromCommandLine("").kind, Kind::Automatic);
    EXPECT_EQ(linkChoiceFromCommandLine("/debug /kommun").kind, Kind::Automatic);
    EXPECT_EQ(linkChoiceFromCommandLine("/sim").kind, Kind::Simulated);
    EXPECT_EQ(linkChoiceFromCommandLine("/debug /SIM").kind, Kind::Simulated);
    const LinkChoice port = linkChoiceFromCommandLine("/debug /Port:/dev/ttyUSB1 /kommun");
    EXPECT_EQ(port.kind, Kind::SerialPort);
    EXPECT_EQ(port.port, "/dev/ttyUSB1");
    EXPECT_EQ(linkChoiceFromCommandLine("/port:COM3").port, "COM3");
}

TEST(LinkChoiceSwitches, PortPathsAreNotMistakenForTheSimSwitch) {
    const LinkChoice c = linkChoiceFromCommandLine("/port:/dev/simport0");
    EXPECT_EQ(c.kind, Kind::SerialPort);
    EXPECT_EQ(c.port, "/dev/simport0");
    // An empty path chooses nothing.
    EXPECT_EQ(linkChoiceFromCommandLine("/port: /debug").kind, Kind::Automatic);
    // Both: the simulated device.
    EXPECT_EQ(linkChoiceFromCommandLine("/port:COM3 /sim").kind, Kind::Simulated);
}

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
