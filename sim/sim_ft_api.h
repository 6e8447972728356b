#pragma once
// The simulated KAV100 as a D2XX function set: one converter with the device
// behind it, in this process.
#include <chrono>
#include <cstdint>
#include <memory>

#include "ft_api.h"
#include "scenario.h"

namespace kav {
class Clock;
}

namespace kav::sim {

struct SimOptions {
    // Delay each reply by the time its bytes need at 600000 baud 8N1 plus the USB latency.
    bool wireTime = false;
    std::chrono::microseconds usbLatency{1000};
    // nullptr: the system clock. Time-outs and measurement durations run on it.
    Clock* clock = nullptr;
    unsigned seed = 1;
    // Records in the device's memory at power-on (the three types in turn).
    int storedRecords = 6;
    // The encoder on the device's input.
    std::int32_t pulsesPerRevolution = 1024;
    double speedRpm = 1500.0;
    // The speed exactly as set, without the model's drift and noise.
    bool steadySpeed = false;
    // Faults and device conditions (see scenario.h).
    Scenario scenario;
};

std::unique_ptr<ft::FtApi> createSimulatedFtApi(const SimOptions& options = {});

} // namespace kav::sim
