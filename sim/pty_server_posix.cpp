#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "device_line.h"
#include "kav100_device.h"
#include "simulated_converter.h"

namespace kav::sim {

namespace {
int signalPipe[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &c, 1);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, data, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                pollfd p{fd, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            return false;
        }
        data += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}
} // namespace

int runPtyServer(const SimOptions& options, std::FILE* out, std::FILE* err) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::fprintf(err, "kav100sim: no pseudo-terminal available\n");
        return 1;
    }
    const char* path = ::ptsname(master);
    if (!path) {
        std::fprintf(err, "kav100sim: no pseudo-terminal name\n");
        ::close(master);
        return 1;
    }
    // Hold the terminal's far side open, raw: the line discipline must neither
    // echo nor edit bytes, and a client that hangs up must not end the session.
    const int holder = ::open(path, O_RDWR | O_NOCTTY);
    if (holder >= 0) {
        termios t{};
        if (::tcgetattr(holder, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(holder, TCSANOW, &t);
        }
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    if (::pipe(signalPipe) != 0) {
        std::fprintf(err, "kav100sim: no pipe\n");
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::fprintf(out, "%s\n", path);
    std::fflush(out);

    Clock& clock = SystemClock::instance();
    Kav100Device device(clock, deviceSettingsFrom(options));
    DeviceLine line(device, clock, WireTiming{options.wireTime, options.usbLatency}, options.seed);

    int deviceFd = master;
    std::vector<std::uint8_t> buffer(4096);
    for (;;) {
        int timeoutMs = -1;
        if (deviceFd >= 0) {
            if (const auto next = line.timeWhenAvailable(1)) {
                const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - clock.now()).count();
                timeoutMs = static_cast<int>(std::clamp<long long>(wait, 0, 60000));
            }
        }
        pollfd fds[2] = {{signalPipe[0], POLLIN, 0}, {deviceFd, POLLIN, 0}};
        const int ready = ::poll(fds, deviceFd >= 0 ? 2 : 1, timeoutMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN)
            break;
        if (deviceFd < 0)
            continue;
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(deviceFd, buffer.data(), buffer.size());
            if (n > 0)
                line.hostWrite({buffer.data(), static_cast<std::size_t>(n)});
        }
        const auto now = clock.now();
        if (const std::size_t due = line.available(now); due > 0) {
            std::vector<std::uint8_t> reply(due);
            line.read(reply.data(), due, now);
            writeAll(deviceFd, reply.data(), reply.size());
        }
        if (!line.onBus(now)) {
            // Off the bus: the terminal goes away; a client sees it hang up.
            std::fprintf(err, "kav100sim: device dropped off the bus\n");
            if (holder >= 0)
                ::close(holder);
            ::close(deviceFd);
            deviceFd = -1;
        }
    }
    if (deviceFd >= 0) {
        ::close(deviceFd);
        if (holder >= 0)
            ::close(holder);
    }
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    return 0;
}

} // namespace kav::sim
