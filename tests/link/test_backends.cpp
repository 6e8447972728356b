// The vendor-library backend (against two stand-in libraries) and the
// backend that fails every call.
#include <gtest/gtest.h>

#include <QLibrary>

#include "com_usb.h"
#include "d2xx_library_ft_api.h"
#include "failing_ft_api.h"

using namespace kav;
using kav::ft::FT_OK;

TEST(FailingBackend, EveryCallFailsAndTheLinkGivesOne) {
    backends::FailingFtApi api;
    ft::DWORD count = 5;
    EXPECT_NE(api.FT_ListDevices(&count, nullptr, ft::FT_LIST_NUMBER_ONLY), FT_OK);
    EXPECT_EQ(count, 0u);
    std::uint8_t b = 0;
    ft::DWORD n = 9;
    EXPECT_NE(api.FT_Read(nullptr, &b, 1, &n), FT_OK);
    EXPECT_EQ(n, 0u);
    ComUSB link(api);
    std::string diagnose;
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 1);
    EXPECT_EQ(diagnose, "Fehler init USBD2XX\r\nListDevices failed\r\nListDevices failed\r\nOpen Failed\r\n"
                        "Close Failed\r\nClose Failed\r\n");
}

TEST(D2xxLibrary, PlatformNameAndMissingLibrary) {
#if defined(_WIN32)
    EXPECT_EQ(backends::defaultD2xxLibraryName(), "ftd2xx.dll");
#else
    EXPECT_EQ(backends::defaultD2xxLibraryName(), "libftd2xx.so");
#endif
    std::string error;
    EXPECT_EQ(backends::loadD2xxLibrary("/nonexistent/libftd2xx.so", error), nullptr);
    EXPECT_EQ(error.rfind("D2XX library /nonexistent/libftd2xx.so could not be loaded: ", 0), 0u) << error;
}

TEST(D2xxLibrary, LibraryLackingAFunctionIsRefused) {
    std::string error;
    EXPECT_EQ(backends::loadD2xxLibrary(KAV_INCOMPLETE_D2XX_PATH, error), nullptr);
    EXPECT_NE(error.find("lacks the function FT_Read"), std::string::npos) << error;
}

TEST(D2xxLibrary, CallsReachTheLibraryWithTheirArguments) {
    std::string error;
    auto api = backends::loadD2xxLibrary(KAV_FAKE_D2XX_PATH, error);
    ASSERT_NE(api, nullptr) << error;
    ComUSB link(*api);
    std::string diagnose;
    // The stand-in device lists nothing: the list is incomplete.
    EXPECT_EQ(link.COM_USBOeffnen(diagnose), 2);
    EXPECT_NE(diagnose.find("Device Description Fake D2XX\r\nSerial Number FD000001\r\n"), std::string::npos);

    QLibrary lib(KAV_FAKE_D2XX_PATH);
    auto logFn = reinterpret_cast<const char* (*)()>(lib.resolve("kavFakeLog"));
    ASSERT_NE(logFn, nullptr);
    const std::string log = logFn();
    const std::string expected = "FT_ListDevices 2147483648\n"
                                 "FT_ListDevices 1073741826\n"
                                 "FT_ListDevices 1073741825\n"
                                 "FT_OpenEx Fake D2XX 2\n"
                                 "FT_SetBaudRate 600000\n"
                                 "FT_SetRts\n"
                                 "FT_SetDataCharacteristics 8 0 0\n"
                                 "FT_SetFlowControl 0\n"
                                 "FT_SetTimeouts 1000 0\n"
                                 "FT_SetChars 126 1\n"
                                 "FT_Purge 1\n"
                                 "FT_Write 030101009FDD\n"
                                 "FT_Read 1\n"
                                 "FT_Read 13\n";
    EXPECT_EQ(log.substr(0, expected.size()), expected);
    EXPECT_EQ(log.substr(log.size() - 12), "FT_Close ok\n");
}
