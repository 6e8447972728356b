#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <vector>

#include "device_line.h"
#include "kav100_device.h"
#include "simulated_converter.h"

namespace kav::sim {

namespace {
// Woken this much before a reply is due, the server waits the last stretch
// by the clock, which does it precisely.
constexpr std::chrono::microseconds kWakeEarly{300};

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

// The time one byte takes from the master through the terminal to its far
// side and back, with the wake-ups on both ends: what the terminal adds to
// every exchange. Measured on the holder's side before any client comes.
Clock::duration terminalRoundTrip(int master, int holder) {
    if (holder < 0)
        return {};
    std::vector<Clock::duration> samples;
    auto await = [](int fd) {
        pollfd p{fd, POLLIN, 0};
        std::uint8_t b = 0;
        return ::poll(&p, 1, 100) == 1 && ::read(fd, &b, 1) == 1;
    };
    const std::uint8_t probe = 0x55;
    for (int i = 0; i < 15; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (::write(master, &probe, 1) != 1 || !await(holder) || ::write(holder, &probe, 1) != 1 || !await(master))
            return {};
        samples.push_back(std::chrono::steady_clock::now() - start);
    }
    std::nth_element(samples.begin(), samples.begin() + 7, samples.end());
    return samples[7];
}

// When to hand a reply to the terminal so that it reaches the client at
// the modelled time. Ahead by what an exchange costs beyond the model: the
// way through the terminal both ways with the wake-ups on both ends, seen as
// the mean of the recent pauses between a reply and the next request (at
// first the terminal's own round trip, measured at start), so that a whole
// exchange takes the model's time on average; and by how late the server
// has been waking lately. Never ahead by more than the USB latency the model
// allows for the way to the host.
class ReplyPacer {
public:
    ReplyPacer(Clock::duration roundTrip, Clock::duration limit) : roundTrip_(roundTrip), limit_(limit) {}

    Clock::duration lead() const { return std::clamp(roundTrip_ + lateness_, Clock::duration::zero(), limit_); }
    // The server meant to send a reply at `planned` and did at `actual`.
    void sent(Clock::time_point planned, Clock::time_point actual) {
        lateness_ += (std::max(actual - planned, Clock::duration::zero()) - lateness_) / 8;
        lastSent_ = actual;
    }
    // Request bytes arrived at `t`.
    void requestArrived(Clock::time_point t) {
        if (!lastSent_)
            return;
        const Clock::duration pause = t - *lastSent_;
        lastSent_.reset();
        if (pause > kLongestRoundTrip)
            return; // the client paused between its requests
        pauses_[next_++ % pauses_.size()] = pause;
        filled_ = std::min(filled_ + 1, pauses_.size());
        Clock::duration sum{};
        for (std::size_t i = 0; i < filled_; ++i)
            sum += pauses_[i];
        roundTrip_ = sum / static_cast<Clock::duration::rep>(filled_);
    }

private:
    static constexpr std::chrono::milliseconds kLongestRoundTrip{20};

    Clock::duration roundTrip_;
    Clock::duration limit_;
    Clock::duration lateness_{};
    std::optional<Clock::time_point> lastSent_;
    std::array<Clock::duration, 16> pauses_{};
    std::size_t next_ = 0;
    std::size_t filled_ = 0;
};

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

    Clock& clock = SystemClock::instance();
    Kav100Device device(clock, deviceSettingsFrom(options));
    DeviceLine line(device, clock, WireTiming{options.wireTime, options.usbLatency}, options.seed);
    ReplyPacer pacer(options.wireTime ? terminalRoundTrip(master, holder) : Clock::duration{},
                     options.wireTime ? Clock::duration(options.usbLatency) : Clock::duration{});

    std::fprintf(out, "%s\n", path);
    std::fflush(out);

    int deviceFd = master;
    std::vector<std::uint8_t> buffer(4096);
    for (;;) {
        // Wait to the nanosecond for the next reply, or for the moment the
        // device drops off the bus: a wait rounded to whole milliseconds
        // would add most of one to every reply.
        timespec wait{};
        timespec* timeout = nullptr;
        std::optional<Clock::time_point> sendAt;
        std::optional<Clock::time_point> wakeAt;
        if (deviceFd >= 0) {
            if (const auto due = line.timeWhenAvailable(1))
                wakeAt = sendAt = *due - pacer.lead();
            if (const auto off = line.offBusAt(); off && (!wakeAt || *off < *wakeAt))
                wakeAt = *off;
            if (wakeAt) {
                const auto left = std::clamp<std::chrono::nanoseconds>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(*wakeAt - clock.now() - kWakeEarly),
                    std::chrono::nanoseconds::zero(), std::chrono::seconds(60));
                wait.tv_sec = static_cast<time_t>(left.count() / 1000000000);
                wait.tv_nsec = static_cast<long>(left.count() % 1000000000);
                timeout = &wait;
            }
        }
        pollfd fds[2] = {{signalPipe[0], POLLIN, 0}, {deviceFd, POLLIN, 0}};
        const int ready = ::ppoll(fds, deviceFd >= 0 ? 2 : 1, timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            break;
        if (fds[0].revents & POLLIN)
            break;
        if (deviceFd < 0)
            continue;
        if (ready == 0 && wakeAt)
            clock.sleepFor(*wakeAt - clock.now());
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(deviceFd, buffer.data(), buffer.size());
            if (n > 0) {
                pacer.requestArrived(clock.now());
                line.hostWrite({buffer.data(), static_cast<std::size_t>(n)});
            }
        }
        const auto now = clock.now();
        const auto horizon = now + pacer.lead();
        if (const std::size_t due = line.available(horizon); due > 0) {
            pacer.sent(sendAt.value_or(now), now);
            std::vector<std::uint8_t> reply(due);
            line.read(reply.data(), due, horizon);
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
