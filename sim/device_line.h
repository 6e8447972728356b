#pragma once
// The serial line between the converter and the device: request bytes in,
// reply bytes out with the time at which the host can read them. Applies the
// scenario's frame faults and, optionally, the time the bytes need on the
// wire at 600000 baud 8N1 plus the USB latency.
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "clock.h"
#include "kav100_device.h"
#include "request_assembler.h"
#include "sim_random.h"

namespace kav::sim {

struct WireTiming {
    bool enabled = false;
    std::chrono::microseconds usbLatency{1000};
    int baud = 600000;
    // Ten bits per byte: start, eight data, stop.
    Clock::duration forBytes(std::size_t n) const;
};

class DeviceLine {
public:
    DeviceLine(Kav100Device& device, Clock& clock, WireTiming timing, std::uint64_t seed = 1);

    // Bytes the host writes, at the clock's present time.
    void hostWrite(std::span<const std::uint8_t> bytes);
    // Bytes the host could read at `t`.
    std::size_t available(Clock::time_point t) const;
    // When the n-th pending byte can be read; nothing when it never will.
    std::optional<Clock::time_point> timeWhenAvailable(std::size_t n) const;
    // Takes up to `max` bytes readable at `t`.
    std::size_t read(std::uint8_t* out, std::size_t max, Clock::time_point t);
    // Drops everything in flight, both ways (a new session on the converter).
    void purge();
    // The converter's receive buffer emptied at `t`: what the host could read
    // then is dropped; replies still on their way arrive as modelled.
    void discardReceived(Clock::time_point t);

    // Whether the device is still on the bus at `t`; once it dropped off it
    // stays off until reconnect().
    bool onBus(Clock::time_point t) const { return !offBusAt_ || t < *offBusAt_; }
    std::optional<Clock::time_point> offBusAt() const { return offBusAt_; }
    void reconnect();
    // A line with wrong settings (baud rate, frame format) carries only noise
    // to the device, which then answers nothing.
    void setLineUsable(bool usable) { lineUsable_ = usable; }

    int requestsReceived() const { return requests_; }
    int repliesSent() const { return replies_; }
    // Bytes over the wire each way, for timing against the physical limit.
    std::size_t bytesFromHost() const { return bytesIn_; }
    std::size_t bytesToHost() const { return bytesOut_; }
    WireTiming& timing() { return timing_; }
    Kav100Device& device() { return device_; }

private:
    struct Chunk {
        Clock::time_point at;
        std::vector<std::uint8_t> bytes;
    };
    void handleRequest(const std::vector<std::uint8_t>& frame, Clock::time_point arrived);
    FaultRule* matchingFault(const std::vector<std::uint8_t>& frame, int index);

    Kav100Device& device_;
    Clock& clock_;
    WireTiming timing_;
    SimRandom noise_;
    RequestAssembler assembler_;
    std::deque<Chunk> outgoing_;
    std::optional<Clock::time_point> offBusAt_;
    bool lineUsable_ = true;
    int requests_ = 0;
    int replies_ = 0;
    std::size_t bytesIn_ = 0;
    std::size_t bytesOut_ = 0;
};

} // namespace kav::sim
