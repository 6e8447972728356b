// The D2XX-compatible library, loaded at run time and driven through its C entry points.
#include <gtest/gtest.h>

#include <QLibrary>

#include "ft_api.h"
#include "sim_test_frames.h"

#if defined(_WIN32)
#define KAV_D2XX_CALL __stdcall
#else
#define KAV_D2XX_CALL
#endif

namespace kav::sim::test {
namespace {
using namespace kav::ft;

struct Entry {
    using ListDevices = FT_STATUS(KAV_D2XX_CALL*)(void*, void*, DWORD);
    using OpenEx = FT_STATUS(KAV_D2XX_CALL*)(void*, DWORD, FT_HANDLE*);
    using Close = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE);
    using SetBaudRate = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, ULONG);
    using SetDataCharacteristics = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, UCHAR, UCHAR, UCHAR);
    using SetTimeouts = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, ULONG, ULONG);
    using Write = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);
    using Read = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);
    using Configure = int(KAV_D2XX_CALL*)(const char*);
};

class SharedLibrary : public ::testing::Test {
protected:
    QLibrary lib{QStringLiteral(KAV100SIM_FTD2XX_PATH)};
    template <typename F>
    F fn(const char* name) {
        auto f = reinterpret_cast<F>(lib.resolve(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    void SetUp() override { ASSERT_TRUE(lib.load()) << lib.errorString().toStdString(); }
    void TearDown() override { fn<Entry::Configure>("kav100sim_configure")(""); }
};

TEST_F(SharedLibrary, ExportsTheElevenD2xxFunctions) {
    for (const char* name : {"FT_ListDevices", "FT_OpenEx", "FT_Close", "FT_SetBaudRate", "FT_SetRts",
                             "FT_SetDataCharacteristics", "FT_SetFlowControl", "FT_SetTimeouts", "FT_SetChars",
                             "FT_Write", "FT_Read"})
        EXPECT_NE(lib.resolve(name), nullptr) << name;
}

TEST_F(SharedLibrary, AnswersARequestThroughTheCEntryPoints) {
    ASSERT_EQ(fn<Entry::Configure>("kav100sim_configure")("--seed 3"), 0);
    char description[FT_LIST_BUFFER_SIZE] = {};
    ASSERT_EQ(fn<Entry::ListDevices>("FT_ListDevices")(nullptr, description, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION),
              FT_OK);
    FT_HANDLE h = nullptr;
    ASSERT_EQ(fn<Entry::OpenEx>("FT_OpenEx")(description, FT_OPEN_BY_DESCRIPTION, &h), FT_OK);
    ASSERT_EQ(fn<Entry::SetBaudRate>("FT_SetBaudRate")(h, 600000), FT_OK);
    ASSERT_EQ(fn<Entry::SetDataCharacteristics>("FT_SetDataCharacteristics")(h, 8, 0, 0), FT_OK);
    ASSERT_EQ(fn<Entry::SetTimeouts>("FT_SetTimeouts")(h, 1000, 0), FT_OK);
    Bytes req = request(0x01, {1, 0});
    DWORD n = 0;
    ASSERT_EQ(fn<Entry::Write>("FT_Write")(h, req.data(), static_cast<DWORD>(req.size()), &n), FT_OK);
    Bytes buf(300);
    ASSERT_EQ(fn<Entry::Read>("FT_Read")(h, buf.data(), 1, &n), FT_OK);
    ASSERT_EQ(n, 1u);
    DWORD rest = 0;
    ASSERT_EQ(fn<Entry::Read>("FT_Read")(h, buf.data() + 1, buf[0] + 3u, &rest), FT_OK);
    buf.resize(1 + rest);
    EXPECT_EQ(parse(buf).text(), "RD_InfoText");
    EXPECT_EQ(fn<Entry::Close>("FT_Close")(h), FT_OK);
}

TEST_F(SharedLibrary, ConfigureRejectsMalformedFlagsAndKeepsTheDevice) {
    EXPECT_EQ(fn<Entry::Configure>("kav100sim_configure")("--no-such-flag"), 1);
    ASSERT_EQ(fn<Entry::Configure>("kav100sim_configure")("--no-converter"), 0);
    DWORD count = 7;
    ASSERT_EQ(fn<Entry::ListDevices>("FT_ListDevices")(&count, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
    EXPECT_EQ(count, 0u);
}

} // namespace
} // namespace kav::sim::test
