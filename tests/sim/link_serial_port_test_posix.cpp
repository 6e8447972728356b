// kav100sim --pty through the link's serial-port backend, as `kavctl --port`
// and the window's serial backend reach it.
#include <gtest/gtest.h>

#include <QProcess>

#include <chrono>
#include <thread>

#include "com_value.h"
#include "kav100_device.h"
#include "core_application.h"
#include "serial_port_ft_api.h"
#include "sim_test_program.h"

namespace kav::sim::test {
namespace {

class SerialPortFace : public ::testing::Test {
protected:
    static void SetUpTestSuite() { kav::test::testCoreApplication(); }

    QProcess server;
    std::string path;
    std::unique_ptr<backends::SerialPortFtApi> api;
    std::unique_ptr<ComUSB> link;
    std::unique_ptr<Program> program;
    std::string diagnose;

    void start(const QStringList& flags) {
        server.start(QStringLiteral(KAV100SIM_PATH), QStringList{"--pty"} + flags);
        ASSERT_TRUE(server.waitForStarted(10000));
        ASSERT_TRUE(server.waitForReadyRead(10000));
        path = server.readLine().trimmed().toStdString();
        ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;
        api = std::make_unique<backends::SerialPortFtApi>(path);
        link = std::make_unique<ComUSB>(*api);
        program = std::make_unique<Program>(*link);
    }
    // Polls as the program does, for at most its ten seconds, until a started measurement is ready.
    bool waitForResult() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            const std::string u = program->raw("RD_InfoUpdate");
            if ((Program::byteOf(u, 2) & 1) && !(static_cast<int>(program->info(8, "B")) & 4))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    void TearDown() override {
        if (link && link->isOpen())
            link->COM_USBSchliessen();
        program.reset();
        link.reset();
        api.reset();
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished(5000);
        }
    }
};

TEST_F(SerialPortFace, OpensReadsTheListsAndTheIdentityWithWireTime) {
    start({});
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_EQ(link->commandCount(), 45);
    EXPECT_EQ(link->infoCount(), kInfoListLength);
    EXPECT_EQ(link->infoListe()[3].Wert, "070123");
    EXPECT_EQ(program->text("RD_Info", "3"), "070123");
    EXPECT_EQ(program->text("RD_Info", "0"), "V2.13");
    EXPECT_EQ(link->COM_USBSchliessen(), 0);
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
    EXPECT_EQ(server.exitCode(), 0);
}

TEST_F(SerialPortFace, AMeasurementAndItsArrayOverTheTerminal) {
    start({"--no-wire-time"});
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    ASSERT_EQ(program->text("DO_MesDrehschwebung", "1"), "OK");
    ASSERT_TRUE(waitForResult());
    const std::string block = program->raw("RD_InfoArray", "60|0|119");
    EXPECT_EQ(block.size(), 480u);
}

TEST_F(SerialPortFace, RefusedVersionAndAWrongCrc) {
    start({"--no-wire-time", "--refuse-version"});
    EXPECT_EQ(link->COM_USBOeffnen(diagnose), 3);
    server.terminate();
    server.waitForFinished(5000);
    start({"--no-wire-time", "--bad-crc=RD_Info@100"});
    diagnose.clear();
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_EQ(program->text("RD_Info", "3"), "ERROR_CHK");
}

// A reply later than its read time-out reaches the terminal while the link
// has moved on: the link drops it, so the next command reads its own reply.
TEST_F(SerialPortFace, ALateReplyIsDroppedNotReadByTheNextCommand) {
    // Every serial-number read after the connection's 150 requests comes 1.1 s late.
    start({"--no-wire-time", "--slow", "1100:RD_Info/03@150"});
    ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
    EXPECT_EQ(program->text("RD_Info", "3"), "ERROR");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(program->text("RD_Info", "0"), "V2.13");
    EXPECT_EQ(program->number("RD_FramDataNum", "", "B"), 6);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

// The stand-in killed as a converter is pulled out, while the link is idle or
// in the middle of a 10000-sample readout: the next requests fail at once,
// without waiting for time-outs, and the link is closed.
TEST_F(SerialPortFace, AConverterPulledOutEndsTheLinkAtOnce) {
    for (const int blocksBefore : {0, 10}) {
        SCOPED_TRACE(blocksBefore);
        start({"--no-wire-time", "--samples", "10000"});
        diagnose.clear();
        ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
        const auto block = [](int b) {
            return "60|" + std::to_string(120 * b) + "|" + std::to_string(120 * b + 119);
        };
        if (blocksBefore > 0) {
            ASSERT_EQ(program->text("DO_MesDrehschwebung", "1"), "OK");
            ASSERT_TRUE(waitForResult());
            for (int b = 0; b < blocksBefore; ++b)
                ASSERT_EQ(program->raw("RD_InfoArray", block(b)).size(), 480u);
        }
        server.kill();
        ASSERT_TRUE(server.waitForFinished(5000));
        const auto start = std::chrono::steady_clock::now();
        for (int b = blocksBefore; b < blocksBefore + 3; ++b)
            EXPECT_TRUE(istFehlerwert(program->text("RD_InfoArray", block(b))));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_TRUE(link->linkLost());
        EXPECT_FALSE(link->isOpen());
    }
}

} // namespace
} // namespace kav::sim::test
