#include "pty_device_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

namespace kav::testkit {

PtyDevice::PtyDevice(FakeKav device) : device_(std::move(device)) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        ::close(master_);
        master_ = -1;
        return;
    }
    const char* name = ptsname(master_);
    slavePath_ = name ? name : "";
    slaveKeeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
}

PtyDevice::~PtyDevice() {
    stop();
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    if (master_ >= 0)
        ::close(master_);
}

void PtyDevice::startResponder() {
    running_ = true;
    thread_ = std::thread([this] { run(); });
}

void PtyDevice::stop() {
    running_ = false;
    if (thread_.joinable())
        thread_.join();
}

void PtyDevice::run() {
    std::vector<std::uint8_t> pending;
    while (running_) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
            continue;
        std::uint8_t buf[512];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0)
            continue;
        pending.insert(pending.end(), buf, buf + n);
        // Whole frames: L, L bytes, two CRC bytes.
        while (!pending.empty() && pending.size() >= static_cast<std::size_t>(pending[0]) + 3) {
            const std::size_t size = static_cast<std::size_t>(pending[0]) + 3;
            const Bytes frame(pending.begin(), pending.begin() + static_cast<long>(size));
            pending.erase(pending.begin(), pending.begin() + static_cast<long>(size));
            if (auto reply = device_.reply(frame)) {
                std::size_t written = 0;
                while (written < reply->size()) {
                    const ssize_t w = ::write(master_, reply->data() + written, reply->size() - written);
                    if (w <= 0)
                        break;
                    written += static_cast<std::size_t>(w);
                }
            }
        }
    }
}

} // namespace kav::testkit
