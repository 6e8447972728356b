// The kavctl program against the simulated device.
#include <gtest/gtest.h>

#include "kavctl_process.h"

namespace {

using Result = kav::test::KavctlResult;
using kav::test::runKavctl;

std::string field(const std::string& json, const std::string& key) {
    const std::string k = "\"" + key + "\": \"";
    const auto at = json.find(k);
    if (at == std::string::npos)
        return "<missing>";
    const auto start = at + k.size();
    return json.substr(start, json.find('"', start) - start);
}

} // namespace

TEST(KavctlSim, InfoReadsIdentityAndLists) {
    const Result r = runKavctl({"--sim", "info"});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\"result\": 0,"), std::string::npos);
    EXPECT_FALSE(field(r.out, "serial").empty());
    EXPECT_NE(field(r.out, "serial"), "<missing>");
    EXPECT_NE(field(r.out, "firmware"), "<missing>");
    EXPECT_NE(r.out.find("\"name\": \"RD_Info\""), std::string::npos);
    EXPECT_NE(r.out.find("\"name\": \"WR_PCVers\""), std::string::npos);
    EXPECT_NE(r.out.find("\"info\": [\n    {\"name\": "), std::string::npos);
}

TEST(KavctlSim, ExecAgreesWithInfo) {
    const Result info = runKavctl({"--sim", "info"});
    ASSERT_EQ(info.exitCode, 0);
    const Result serial = runKavctl({"--sim", "exec", "RD_Info", "3"});
    EXPECT_EQ(serial.exitCode, 0) << serial.err;
    EXPECT_EQ(serial.out, field(info.out, "serial") + "\n");
    const Result unknown = runKavctl({"--sim", "exec", "DO_GibtEsNicht"});
    EXPECT_EQ(unknown.exitCode, 3);
}

TEST(KavctlSim, ThroughTheD2xxBackendAndTheSimulatedLibrary) {
    const Result viaLibrary = runKavctl({"--d2xx=" KAV_SIM_D2XX_PATH, "info"});
    ASSERT_EQ(viaLibrary.exitCode, 0) << viaLibrary.out << viaLibrary.err;
    const Result inProcess = runKavctl({"--sim", "info"});
    ASSERT_EQ(inProcess.exitCode, 0);
    EXPECT_EQ(field(viaLibrary.out, "serial"), field(inProcess.out, "serial"));
    EXPECT_EQ(field(viaLibrary.out, "firmware"), field(inProcess.out, "firmware"));
}
