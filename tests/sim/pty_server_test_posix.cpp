// kav100sim --pty: the first output line is the terminal, frames go through it, SIGTERM ends it cleanly.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QProcess>

#include "sim_test_frames.h"

namespace kav::sim::test {
namespace {

class PtyServer : public ::testing::Test {
protected:
    QProcess server;
    int fd = -1;

    void start(const QStringList& flags) {
        server.start(QStringLiteral(KAV100SIM_PATH), QStringList{"--pty", "--no-wire-time"} + flags);
        ASSERT_TRUE(server.waitForStarted(10000));
        ASSERT_TRUE(server.waitForReadyRead(10000));
        const QByteArray line = server.readLine().trimmed();
        ASSERT_TRUE(line.startsWith("/dev/")) << line.toStdString();
        fd = ::open(line.constData(), O_RDWR | O_NOCTTY);
        ASSERT_GE(fd, 0);
        termios t{};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    void TearDown() override {
        if (fd >= 0)
            ::close(fd);
        if (server.state() != QProcess::NotRunning) {
            server.kill();
            server.waitForFinished(5000);
        }
    }
    // Reads until `n` bytes came or nothing more comes within `ms`.
    Bytes readSome(std::size_t n, int ms = 3000) {
        Bytes out;
        while (out.size() < n) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, ms) <= 0)
                break;
            std::uint8_t buf[512];
            const ssize_t r = ::read(fd, buf, sizeof buf);
            if (r <= 0)
                break;
            out.insert(out.end(), buf, buf + r);
        }
        return out;
    }
    Reply exchange(const Bytes& req) {
        EXPECT_EQ(::write(fd, req.data(), req.size()), static_cast<ssize_t>(req.size()));
        Bytes head = readSome(1);
        if (head.empty())
            return {};
        Bytes rest = readSome(head[0] + 3u);
        head.insert(head.end(), rest.begin(), rest.end());
        return parse(head);
    }
};

TEST_F(PtyServer, ServesTheDeviceAndSurvivesNoise) {
    start({});
    EXPECT_EQ(exchange(request(0x01, {1, 0})).text(), "RD_InfoText");
    Bytes noisy{0x07, 'n', 'o', 'i', 's', 'e'};
    const Bytes req = request(0x10, {3});
    noisy.insert(noisy.end(), req.begin(), req.end());
    const Reply r = exchange(noisy);
    EXPECT_TRUE(r.wellFormed);
    EXPECT_EQ(r.text(), "070123");
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(5000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
}

TEST_F(PtyServer, ScenarioFlagsApply) {
    start({"--refuse-version", "--bad-crc=RD_Info"});
    EXPECT_TRUE(exchange(request(0x12, textParam("KA010000"))).isErrorReport());
    EXPECT_FALSE(exchange(request(0x10, {3})).wellFormed);
}

TEST_F(PtyServer, DroppingOffHangsUpTheTerminal) {
    start({"--drop-after", "1"});
    EXPECT_TRUE(exchange(request(0x10, {3})).wellFormed);
    const Reply half = exchange(request(0x10, {3}));
    EXPECT_FALSE(half.wellFormed);
    pollfd p{fd, POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 3000), 1);
    EXPECT_TRUE(p.revents & (POLLHUP | POLLERR)) << "the terminal is gone";
}

TEST(PtyServerCommandLine, BadFlagsAndMissingPtyAreUsageErrors) {
    QProcess p;
    p.start(QStringLiteral(KAV100SIM_PATH), {"--pty", "--no-such-flag"});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 64);
    p.start(QStringLiteral(KAV100SIM_PATH), QStringList{});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 64);
}

} // namespace
} // namespace kav::sim::test
