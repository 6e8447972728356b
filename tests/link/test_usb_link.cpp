// Finding, opening, configuring and closing the converter.
#include <gtest/gtest.h>

#include "com_usb.h"
#include "fake_kav.h"

using namespace kav;
using namespace kav::testkit;
using kav::ft::FT_OK;

namespace {

struct UsbLink : ::testing::Test {
    FakeKav kav = FakeKav::standard();
    ScriptedFtApi ft;
    std::vector<std::string> events;
    ComUSB link{ft,
                LinkHooks{[this] { events.push_back("pump@" + std::to_string(ft.calls.size())); }, {}, {}, nullptr, {}}};

    void SetUp() override {
        ft.responder = [this](const Bytes& frame) { return kav.reply(frame); };
    }
    // The calls before the first transaction.
    std::vector<std::string> openCalls() const {
        std::vector<std::string> out;
        for (const auto& c : ft.calls) {
            if (c.name == "FT_Purge" || c.name == "FT_Write")
                break;
            out.push_back(c.text());
        }
        return out;
    }
};

const std::vector<std::string> kListing = {"FT_ListDevices(0x80000000)", "FT_ListDevices(0,0x40000002)",
                                           "FT_ListDevices(0,0x40000001)"};

} // namespace

TEST_F(UsbLink, OpenSequenceAndConstants) {
    std::string diagnose;
    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0);
    std::vector<std::string> expected = kListing;
    expected.insert(expected.end(), {"FT_OpenEx(KAV100 USB,2)", "FT_SetBaudRate(600000)", "FT_SetRts()",
                                     "FT_SetDataCharacteristics(8,0,0)", "FT_SetFlowControl(0,0,0)",
                                     "FT_SetTimeouts(1000,0)", "FT_SetChars(126,1,0,0)"});
    EXPECT_EQ(openCalls(), expected);
    EXPECT_EQ(diagnose, "NumDevices 1\r\nDevice Description KAV100 USB\r\nSerial Number KV000001\r\n");
    EXPECT_EQ(link.USBHandle, ScriptedFtApi::kHandle);
    for (const auto& c : ft.calls)
        if (c.name != "FT_ListDevices" && c.name != "FT_OpenEx") {
            EXPECT_EQ(c.handle, ScriptedFtApi::kHandle) << c.text();
        }
    // The message pump runs once between the listing and the open.
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "pump@3");
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(link.infoCount(), 4);
    EXPECT_EQ(ft.count("FT_Close"), 0);
}

TEST_F(UsbLink, NoConverterMeansThreeOpenAttempts) {
    ft.deviceCount = 0;
    ft.failNext("FT_ListDevices", FT_OK);
    ft.failNext("FT_ListDevices", ft::FT_DEVICE_NOT_FOUND, 2);
    ft.failNext("FT_ListDevices", FT_OK);
    ft.failNext("FT_ListDevices", ft::FT_DEVICE_NOT_FOUND, 2);
    ft.failNext("FT_ListDevices", FT_OK);
    ft.failNext("FT_ListDevices", ft::FT_DEVICE_NOT_FOUND, 2);
    ft.failNext("FT_OpenEx", ft::FT_DEVICE_NOT_FOUND, 3);
    ft.failNext("FT_Close", ft::FT_INVALID_HANDLE, 3);
    std::string diagnose = "vorher\r\n";
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 1);
    EXPECT_EQ(ft.count("FT_OpenEx"), 3);
    EXPECT_EQ(ft.count("FT_ListDevices"), 9);
    EXPECT_EQ(ft.count("FT_Write"), 0);
    // Only the last attempt's lines remain, after what the caller had.
    EXPECT_EQ(diagnose, "vorher\r\nNumDevices 0\r\nListDevices failed\r\nListDevices failed\r\nOpen Failed\r\n"
                        "Close Failed\r\nClose Failed\r\n");
    EXPECT_FALSE(link.isOpen());
    // The handle a failed open left is closed each time; nothing else is.
    EXPECT_EQ(ft.count("FT_Close"), 3);
    for (const auto& c : ft.calls)
        if (c.name == "FT_Close") {
            EXPECT_EQ(c.handle, nullptr);
        }
}

TEST_F(UsbLink, LibraryFailingEverywhere) {
    ft.statuses["FT_ListDevices"] = std::deque<ft::FT_STATUS>(9, ft::FT_OTHER_ERROR);
    ft.failNext("FT_OpenEx", ft::FT_DEVICE_NOT_FOUND, 3);
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 1);
    EXPECT_EQ(diagnose, "Fehler init USBD2XX\r\nListDevices failed\r\nListDevices failed\r\nOpen Failed\r\n"
                        "Close Failed\r\n");
    // The open was attempted with an empty description.
    EXPECT_EQ(ft.calls[3].text(), "FT_OpenEx(,2)");
}

TEST_F(UsbLink, SecondAttemptSucceeds) {
    ft.failNext("FT_OpenEx", ft::FT_DEVICE_NOT_FOUND, 1);
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 0);
    EXPECT_EQ(ft.count("FT_OpenEx"), 2);
    EXPECT_EQ(diagnose, "NumDevices 1\r\nDevice Description KAV100 USB\r\nSerial Number KV000001\r\n");
}

TEST_F(UsbLink, ConfigurationFailureClosesTheLink) {
    const std::vector<std::pair<std::string, std::string>> steps = {
        {"FT_SetBaudRate", "SetBaudRate Failed\r\n"},
        {"FT_SetDataCharacteristics", "SetDataCharacteristics Failed\r\n"},
        {"FT_SetFlowControl", "SetFlowControl Failed\r\n"},
        {"FT_SetTimeouts", ""},
        {"FT_SetChars", ""}};
    for (const auto& [function, line] : steps) {
        ScriptedFtApi fresh;
        fresh.failNext(function);
        ComUSB l(fresh);
        std::string diagnose;
        EXPECT_EQ(l.COM_USBOeffnen(diagnose), 1) << function;
        EXPECT_EQ(fresh.calls.back().text(), "FT_Close()") << function;
        EXPECT_EQ(fresh.calls.back().handle, ScriptedFtApi::kHandle);
        EXPECT_EQ(fresh.count("FT_Write"), 0);
        EXPECT_EQ(diagnose.substr(diagnose.size() - line.size()), line) << function;
        EXPECT_FALSE(l.isOpen());
    }
}

TEST_F(UsbLink, RtsStatusIsNotExamined) {
    ft.failNext("FT_SetRts");
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 0);
}

TEST_F(UsbLink, ListingFailureAfterGoodOpenStillClosesTheLink) {
    ft.failNext("FT_ListDevices", FT_OK);
    ft.failNext("FT_ListDevices", FT_OK);
    ft.failNext("FT_ListDevices", ft::FT_OTHER_ERROR); // serial number query
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 1);
    EXPECT_NE(diagnose.find("ListDevices failed\r\n"), std::string::npos);
    EXPECT_EQ(ft.calls.back().text(), "FT_Close()");
    EXPECT_FALSE(link.isOpen());
}

TEST_F(UsbLink, IncompleteListAndRefusedVersionMapToTwoAndThree) {
    kav.commands.erase(kav.commands.begin());
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 2);
    EXPECT_NE(diagnose.find("Interner Fehler: COM_READBefehlsliste -> RD_InfoText$ nicht gesetzt\r\n"),
              std::string::npos);
    EXPECT_EQ(ft.calls.back().text(), "FT_Close()");
    EXPECT_FALSE(link.isOpen());

    kav = FakeKav::standard();
    kav.acceptVersion = false;
    diagnose.clear();
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 3);
    EXPECT_NE(diagnose.find("'WR_PCVers' = nichts."), std::string::npos);
    EXPECT_EQ(ft.calls.back().text(), "FT_Close()");
}

TEST_F(UsbLink, CloseReportsTheLibraryStatusAndNeverClosesTwice) {
    std::string diagnose;
    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0);
    EXPECT_EQ(link.COM_USBSchliessen(), 0);
    EXPECT_EQ(ft.count("FT_Close"), 1);
    // The handle value stays; a second close does not reach the library.
    EXPECT_EQ(link.USBHandle, ScriptedFtApi::kHandle);
    EXPECT_EQ(link.COM_USBSchliessen(), 0);
    EXPECT_EQ(ft.count("FT_Close"), 1);

    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0);
    ft.failNext("FT_Close", ft::FT_INVALID_HANDLE);
    EXPECT_EQ(link.COM_USBSchliessen(), 1);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(UsbLink, OpeningAgainClosesTheOpenLinkFirst) {
    std::string diagnose;
    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0);
    ft.clearCalls();
    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0);
    EXPECT_EQ(ft.calls.front().text(), "FT_Close()");
}

TEST_F(UsbLink, TwoConvertersOpenIndexZero) {
    ft.deviceCount = 2;
    std::string diagnose;
    ASSERT_EQ(link.COM_USBOeffnen(diagnose), 0);
    EXPECT_EQ(ft.calls[1].args[0], "0");
    EXPECT_EQ(ft.calls[2].args[0], "0");
    EXPECT_NE(diagnose.find("NumDevices 2\r\n"), std::string::npos);
}

TEST_F(UsbLink, ResultFollowsTheLastAttemptOnly) {
    // Attempt 1: the listing and the open fail; attempt 2 succeeds fully.
    ft.failNext("FT_ListDevices", ft::FT_OTHER_ERROR, 3);
    ft.failNext("FT_OpenEx", ft::FT_DEVICE_NOT_FOUND);
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 0);
    EXPECT_EQ(diagnose, "NumDevices 1\r\nDevice Description KAV100 USB\r\nSerial Number KV000001\r\n");
    EXPECT_TRUE(link.isOpen());
}
