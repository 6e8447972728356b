#pragma once
// A pseudo-terminal whose master side is answered by a FakeKav in a thread
// of its own: the slave path is the "serial port" a backend opens.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "fake_kav.h"

namespace kav::testkit {

class PtyDevice {
public:
    explicit PtyDevice(FakeKav device = FakeKav::standard());
    ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    bool ok() const { return master_ >= 0; }
    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }

    // Answer frames until stop(); without it the master side stays passive.
    void startResponder();
    void stop();

    // The device, once the responder has stopped.
    FakeKav& device() { return device_; }

private:
    void run();

    FakeKav device_;
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the master from hanging up between users
    std::string slavePath_;
    std::atomic<bool> running_{false};
    std::thread thread_;
};

} // namespace kav::testkit
