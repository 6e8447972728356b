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
    // Bytes read past the last frame.
    Bytes pending;

    // Appends what arrives within `ms`; false when nothing came or the terminal hung up.
    bool more(int ms) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0)
            return false;
        std::uint8_t buf[512];
        const ssize_t r = ::read(fd, buf, sizeof buf);
        if (r <= 0)
            return false;
        pending.insert(pending.end(), buf, buf + r);
        return true;
    }
    // One reply frame as its length byte announces it, or what came of it
    // before the line fell silent: never waits once the frame is complete.
    Bytes readFrame(int ms = 3000) {
        if (pending.empty() && !more(ms))
            return {};
        const std::size_t size = pending[0] + 4u;
        while (pending.size() < size && more(ms)) {
        }
        const std::size_t n = std::min(size, pending.size());
        Bytes frame(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n));
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n));
        return frame;
    }
    Reply exchange(const Bytes& req) {
        EXPECT_EQ(::write(fd, req.data(), req.size()), static_cast<ssize_t>(req.size()));
        return parse(readFrame());
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
    // With wire time: the terminal hangs up when the device drops off, also when its last reply went ahead.
    start({"--wire-time", "--drop-after", "1"});
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
