// The link's D2XX backend loading the simulated device's shared library by
// path, exactly as it loads the vendor library.
#include <gtest/gtest.h>

#include <QLibrary>

#include <chrono>

#include "d2xx_library_ft_api.h"
#include "ft_forwarding.h"
#include "kav100_device.h"
#include "sim_test_program.h"

#if defined(_WIN32)
#define KAV_D2XX_CALL __stdcall
#else
#define KAV_D2XX_CALL
#endif

namespace kav::sim::test {
namespace {

class D2xxLibrary : public ::testing::Test {
protected:
    // The same file, so the same loaded library: this handle reaches its configuration entry.
    QLibrary control{QStringLiteral(KAV100SIM_FTD2XX_PATH)};
    std::unique_ptr<ft::FtApi> api;
    std::unique_ptr<ComUSB> link;
    std::unique_ptr<Program> program;
    std::string diagnose;

    int tryConfigure(const char* flags) {
        using Configure = int(KAV_D2XX_CALL*)(const char*);
        auto fn = reinterpret_cast<Configure>(control.resolve("kav100sim_configure"));
        return fn ? fn(flags) : -1;
    }
    void configure(const char* flags) { ASSERT_EQ(tryConfigure(flags), 0) << flags; }
    void SetUp() override {
        ASSERT_TRUE(control.load()) << control.errorString().toStdString();
        configure("");
        std::string error;
        api = backends::loadD2xxLibrary(KAV100SIM_FTD2XX_PATH, error);
        ASSERT_NE(api, nullptr) << error;
        link = std::make_unique<ComUSB>(*api);
        program = std::make_unique<Program>(*link);
    }
    void TearDown() override {
        link.reset();
        api.reset();
        configure("");
    }
};

TEST_F(D2xxLibrary, ExportsTheTwelveD2xxFunctions) {
    for (const char* name :
         {"FT_ListDevices", "FT_OpenEx", "FT_Close", "FT_SetBaudRate", "FT_SetRts", "FT_SetDataCharacteristics",
          "FT_SetFlowControl", "FT_SetTimeouts", "FT_SetChars", "FT_Write", "FT_Read", "FT_Purge"})
        EXPECT_NE(control.resolve(name), nullptr) << name;
}

TEST_F(D2xxLibrary, OpensReadsTheListsAndTheIdentity) {
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_NE(diagnose.find("Device Description KAV100 (simuliert)"), std::string::npos) << diagnose;
    EXPECT_EQ(link->befehlsliste()[1].Name, "RD_InfoText");
    EXPECT_EQ(link->commandCount(), 45);
    EXPECT_EQ(link->infoCount(), kInfoListLength);
    EXPECT_EQ(program->text("RD_Info", "3"), "070123");
    EXPECT_EQ(program->text("RD_Info", "0"), "V2.13");
    EXPECT_EQ(link->COM_USBSchliessen(), 0);
}

TEST_F(D2xxLibrary, ScenarioFlagsReachTheLoadedLibrary) {
    configure("--refuse-version");
    EXPECT_EQ(link->COM_USBOeffnen(diagnose), 3);
    EXPECT_EQ(tryConfigure("--no-such-flag"), 1);
    diagnose.clear();
    EXPECT_EQ(link->COM_USBOeffnen(diagnose), 3) << "a malformed configuration keeps the device as it was";
    configure("--no-converter");
    diagnose.clear();
    EXPECT_EQ(link->COM_USBOeffnen(diagnose), 1);
    EXPECT_NE(diagnose.find("Open Failed"), std::string::npos);
    configure("--bad-crc=RD_Info@100 --error-report 0x10:RD_FramDataNum");
    diagnose.clear();
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_EQ(program->text("RD_Info", "3"), "ERROR_CHK");
    EXPECT_EQ(program->text("RD_FramDataNum"), ",RS232-CmdFault");
}

// The simulated library's drop-off flag, as a converter pulled out: the
// library reports an I/O error and the backend closes its handle at once.
TEST_F(D2xxLibrary, AConverterThatDropsOffEndsTheLinkAtOnce) {
    struct Counting final : ft::ForwardingFtApi {
        using ForwardingFtApi::ForwardingFtApi;
        int writes = 0;
        void written(const std::uint8_t*, ft::DWORD) override { ++writes; }
    } counting(*api);
    link = std::make_unique<ComUSB>(counting);
    program = std::make_unique<Program>(*link);
    // The connection takes 150 requests; the device drops off in a reply soon after.
    configure("--drop-after 152");
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    const auto start = std::chrono::steady_clock::now();
    int calls = 0;
    while (!link->linkLost() && calls < 10) {
        program->text("RD_Info", "3");
        ++calls;
    }
    EXPECT_TRUE(link->linkLost());
    EXPECT_FALSE(link->isOpen());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    const int writes = counting.writes;
    EXPECT_EQ(program->text("RD_Info", "3"), "ERROR");
    EXPECT_EQ(counting.writes, writes) << "the lost converter is not polled";
    EXPECT_EQ(link->COM_USBSchliessen(), 0);
    configure(""); // plugged in again
    diagnose.clear();
    EXPECT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_FALSE(link->linkLost());
    link->COM_USBSchliessen();
    program.reset();
    link.reset(); // before the counting converter it uses
}

} // namespace
} // namespace kav::sim::test
