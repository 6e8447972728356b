// The kavctl program through the serial-port backend at 600000 baud against
// a pseudo-terminal answered by a stand-in device.
#include <gtest/gtest.h>

#include "kavctl_process.h"

#include "pty_device_posix.h"

using namespace kav::testkit;

namespace {

using Result = kav::test::KavctlResult;
using kav::test::runKavctl;

} // namespace

TEST(KavctlPty, InfoOverTheSerialPort) {
    PtyDevice pty;
    ASSERT_TRUE(pty.ok());
    pty.startResponder();
    const Result r = runKavctl({"--port", QString::fromStdString(pty.slavePath()), "info"});
    pty.stop();
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\"result\": 0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"serial\": \"KAV-4711\""), std::string::npos);
    EXPECT_NE(r.out.find("\"firmware\": \"1.07\""), std::string::npos);
    EXPECT_NE(r.out.find("{\"name\": \"Temperatur\", \"type\": \"F\", \"value\": \"25\"}"), std::string::npos);
    EXPECT_EQ(pty.device().lastVersion, "KA010000");
}

TEST(KavctlPty, ExecWithTrace) {
    PtyDevice pty;
    ASSERT_TRUE(pty.ok());
    pty.startResponder();
    const Result r = runKavctl(
        {"--port", QString::fromStdString(pty.slavePath()), "--trace", "exec", "RD_Info", "1", "--type", "I"});
    pty.stop();
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "300\n");
    EXPECT_NE(r.err.find("Schreiben -> 020301"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Lesen     -> 038149"), std::string::npos) << r.err;
}

TEST(KavctlPty, SilentDeviceAndMissingPort) {
    PtyDevice pty; // nobody answers
    ASSERT_TRUE(pty.ok());
    Result r = runKavctl({"--port", QString::fromStdString(pty.slavePath()), "exec", "RD_Info", "3"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("RD_InfoText$ nicht gesetzt"), std::string::npos) << r.err;

    r = runKavctl({"--port", "/dev/kav-no-such-port", "info"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.out.find("\"result\": 1,"), std::string::npos);
    EXPECT_NE(r.out.find("Open Failed"), std::string::npos);
}

TEST(KavctlPty, ArgumentsAreCheckedBeforeTheDeviceIsTouched) {
    PtyDevice pty;
    ASSERT_TRUE(pty.ok());
    pty.startResponder();
    const QString port = QString::fromStdString(pty.slavePath());
    Result r = runKavctl({"--port", port, "exec", "DO_Test", "1", "--type", "Z"});
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_EQ(r.err, "kavctl: unknown type letter Z (one of N M D B C I L F Q P S) (kavctl --help)\n");
    r = runKavctl({"--port", port, "exec", "DO_Test", "1e20|1"});
    pty.stop();
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_EQ(r.err, "kavctl: DO_Test: parameter 1 (1e20) cannot be encoded: beyond 32 bits\n");
    EXPECT_EQ(r.out, "");
    // Only the second run opened the link, and it never sent DO_Test.
    ASSERT_FALSE(pty.device().requests.empty());
    EXPECT_EQ(pty.device().requests.front(), "03010100");
    for (const std::string& request : pty.device().requests)
        EXPECT_NE(request.substr(2, 2), "06") << request;
}

TEST(KavctlPty, BadArguments) {
    Result r = runKavctl({"--frobnicate"});
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_EQ(r.err, "kavctl: unknown option --frobnicate (kavctl --help)\n");
    EXPECT_EQ(r.out, "");
    r = runKavctl({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("Usage: kavctl", 0), 0u);
}
