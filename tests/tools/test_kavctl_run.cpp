// kavctl's work against a scripted converter: JSON, values, exit codes,
// trace lines, and the link closed on every way out.
#include <gtest/gtest.h>

#include <sstream>

#include "fake_kav.h"
#include "kav100_device.h"
#include "kavctl_run.h"
#include "simulated_converter.h"

using namespace kav;
using namespace kav::kavctl;
using namespace kav::testkit;

namespace {

struct KavctlRun : ::testing::Test {
    FakeKav kav = FakeKav::standard();
    ScriptedFtApi ft;
    std::ostringstream out;
    std::ostringstream err;

    void SetUp() override {
        // RD_Info 3 is the serial number here; the info list shows it at entry 3.
        ft.responder = [this](const Bytes& frame) { return kav.reply(frame); };
    }
    int runWith(std::vector<std::string> args, const std::string& backendDiagnose = {}) {
        Options o;
        std::string error;
        EXPECT_TRUE(parseOptions(args, o, error)) << error;
        return run(o, ft, backendDiagnose, out, err);
    }
};

} // namespace

TEST_F(KavctlRun, InfoPrintsOneJsonObject) {
    EXPECT_EQ(runWith({"info"}), kExitOk);
    const std::string json = out.str();
    EXPECT_EQ(json.rfind("{\n  \"result\": 0,\n  \"diagnostic\": \"NumDevices 1\\r\\nDevice Description KAV100 USB"
                         "\\r\\nSerial Number KV000001\\r\\n\",\n  \"serial\": \"KAV-4711\",\n  \"firmware\": "
                         "\"1.07\",\n  \"commands\": [\n    {\"index\": 1, \"name\": \"RD_InfoText\", "
                         "\"structure\": \"03 02 N N \"},",
                         0),
              0u)
        << json;
    EXPECT_NE(json.find("{\"index\": 5, \"name\": \"DO_Test\", \"structure\": \"04 06 N I \"}\n  ],"),
              std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"Betriebsstunden\", \"type\": \"I\", \"value\": \"300\"},"), std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"Seriennummer\", \"type\": \"S\", \"value\": \"KAV-4711\"}\n  ]\n}\n"),
              std::string::npos);
    EXPECT_EQ(ft.count("FT_Close"), 1);
    EXPECT_EQ(ft.calls.back().name, "FT_Close");
    EXPECT_EQ(err.str(), "");
}

TEST_F(KavctlRun, InfoWithoutLinkStillPrintsResultAndDiagnostic) {
    ft.failNext("FT_OpenEx", ft::FT_DEVICE_NOT_FOUND, 3);
    EXPECT_EQ(runWith({"info"}, "D2XX library x could not be loaded: y\r\n"), kExitNoLink);
    const std::string json = out.str();
    EXPECT_NE(json.find("\"result\": 1,"), std::string::npos);
    EXPECT_NE(json.find("\"diagnostic\": \"D2XX library x could not be loaded: y\\r\\nNumDevices 1"),
              std::string::npos);
    EXPECT_NE(json.find("Open Failed\\r\\nClose Failed\\r\\n\""), std::string::npos);
    EXPECT_NE(json.find("\"commands\": [],\n  \"info\": []\n}"), std::string::npos);

    out.str("");
    ft.clearCalls();
    kav.acceptVersion = false;
    EXPECT_EQ(runWith({"info"}), kExitNoLink);
    EXPECT_NE(out.str().find("\"result\": 3,"), std::string::npos);
    EXPECT_EQ(ft.calls.back().name, "FT_Close");
}

TEST_F(KavctlRun, FailedIdentityGivesThree) {
    kav.infos.resize(3); // RD_Info 3 is answered with a device error
    EXPECT_EQ(runWith({"info"}), kExitFailed);
    EXPECT_NE(out.str().find("\"serial\": \",RS232-CmdFault\""), std::string::npos);
    EXPECT_EQ(ft.calls.back().name, "FT_Close");
}

TEST_F(KavctlRun, ExecPrintsTheValue) {
    EXPECT_EQ(runWith({"exec", "rd_info", "2", "--type", "F"}), kExitOk);
    EXPECT_EQ(out.str(), "25\n");
    EXPECT_EQ(ft.calls.back().name, "FT_Close");
}

TEST_F(KavctlRun, ExecFailures) {
    EXPECT_EQ(runWith({"exec", "DO_Nichts", "1"}), kExitFailed);
    EXPECT_EQ(out.str(), "\n");
    EXPECT_EQ(err.str(), "kavctl: the device does not list the command DO_Nichts\n");

    out.str("");
    EXPECT_EQ(runWith({"exec", "RD_Info", "9"}), kExitFailed);
    EXPECT_EQ(out.str(), ",RS232-CmdFault\n");

    out.str("");
    kav.handlers[0x05] = [](const Bytes&) { return std::optional<Bytes>(replyFrame(0x82, 'S', {})); };
    EXPECT_EQ(runWith({"exec", "RD_InfoUpdate"}), kExitFailed);
    EXPECT_EQ(out.str(), "ERROR\n");
    EXPECT_EQ(ft.count("FT_Close"), 3);
}

TEST_F(KavctlRun, ParameterThatCannotBeEncodedIsNeverSent) {
    // DO_Test has an N and an I place: each takes at most 32 bits.
    for (const char* p : {"1e20|1", "1|-4294967296", "1|1e999"}) {
        out.str("");
        err.str("");
        kav.requests.clear();
        EXPECT_EQ(runWith({"exec", "DO_Test", p}), kExitUsage) << p;
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().rfind("kavctl: DO_Test: parameter ", 0), 0u) << err.str();
        EXPECT_NE(err.str().find(" cannot be encoded: beyond 32 bits\n"), std::string::npos) << err.str();
        for (const std::string& r : kav.requests)
            EXPECT_NE(r.substr(2, 2), "06") << "DO_Test was sent: " << r;
        EXPECT_EQ(ft.calls.back().name, "FT_Close");
    }
    // A request with a place left unfilled is not sent either.
    err.str("");
    EXPECT_EQ(runWith({"exec", "DO_Test"}), kExitUsage);
    EXPECT_EQ(err.str(), "kavctl: DO_Test: no frame can be made of the request 0406NI\n");
}

TEST_F(KavctlRun, UnknownTypeLetterOpensNoLink) {
    Options o;
    o.command = Options::Command::Exec;
    o.name = "DO_FormatMem";
    o.type = "Z";
    EXPECT_EQ(run(o, ft, {}, out, err), kExitUsage);
    EXPECT_TRUE(ft.calls.empty());
    EXPECT_EQ(err.str(), "kavctl: unknown type letter Z (one of N M D B C I L F Q P S)\n");
}

TEST(KavctlRunSim, RefusedArgumentsLeaveTheDeviceUntouched) {
    ManualClock clock;
    sim::SimOptions options;
    options.clock = &clock;
    sim::SimulatedConverter device(options);
    std::ostringstream out;
    std::ostringstream err;
    const auto exec = [&](std::vector<std::string> args) {
        Options o;
        std::string error;
        if (!parseOptions(args, o, error))
            return kExitUsage;
        return run(o, device, {}, out, err);
    };
    EXPECT_EQ(exec({"exec", "DO_FormatMem", "--type", "Z"}), kExitUsage);
    EXPECT_EQ(device.calls().openEx, 0) << "no link opened";
    EXPECT_EQ(exec({"exec", "DO_FramDataDelete", "1e20"}), kExitUsage);
    EXPECT_FALSE(device.isOpen()) << "closed again";
    EXPECT_EQ(device.device().records().count(), 6u) << "no record deleted";
    EXPECT_EQ(exec({"exec", "DO_FramDataDelete", "1"}), kExitOk) << err.str();
    EXPECT_EQ(device.device().records().count(), 5u);
}

TEST_F(KavctlRun, ExecWithoutLink) {
    kav.commands.clear();
    EXPECT_EQ(runWith({"exec", "RD_Info", "3"}), kExitNoLink);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("kavctl: the link did not open (result 2)\n", 0), 0u);
    EXPECT_NE(err.str().find("RD_InfoText$ nicht gesetzt"), std::string::npos);
}

TEST_F(KavctlRun, TraceWritesTheCommunicationLog) {
    EXPECT_EQ(runWith({"--trace", "exec", "RD_Info", "0"}), kExitOk);
    const std::string trace = err.str();
    EXPECT_EQ(trace.rfind("Schreiben -> 030101009FDD\nLesen     -> ", 0), 0u);
    EXPECT_NE(trace.find("Schreiben -> 020300"), std::string::npos);
    EXPECT_EQ(out.str(), "1.07\n");
}

TEST(KavctlRunSim, DeviceTextsAreWindows1252) {
    // Bytes 0x80-0x9F are the code page's characters, not C1 controls.
    ManualClock clock;
    sim::SimOptions options;
    options.clock = &clock;
    sim::SimulatedConverter device(options);
    device.device().identity().serial = "07\x80\x9F"
                                        "12";
    std::ostringstream out;
    std::ostringstream err;
    Options o;
    std::string error;
    ASSERT_TRUE(parseOptions({"info"}, o, error));
    EXPECT_EQ(run(o, device, {}, out, err), kExitOk) << err.str();
    EXPECT_NE(out.str().find("\"serial\": \"07€Ÿ12\",\n"), std::string::npos) << out.str();
    out.str("");
    ASSERT_TRUE(parseOptions({"exec", "RD_Info", "3"}, o, error));
    EXPECT_EQ(run(o, device, {}, out, err), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "07€Ÿ12\n");
}
