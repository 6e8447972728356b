#pragma once
// The encoder on the device's input: produces believable, slowly varying
// results for the three measurements. Deterministic for a seed and the order
// of measurements (the speed drifts per measurement, not per wall-clock time).
#include <cstdint>
#include <optional>
#include <string>

#include "measurement_result.h"
#include "sim_random.h"

namespace kav::sim {

struct EncoderSettings {
    std::int32_t pulsesPerRevolution = 1024;
    double nominalSpeedRpm = 1500.0;
    std::string serial = "G4711023";
    // The speed exactly as set: no drift, no noise.
    bool steady = false;
};

class EncoderModel {
public:
    explicit EncoderModel(std::uint64_t seed, EncoderSettings settings = {});

    MeasurementResult measureCurrent();
    MeasurementResult measureBadPulses();
    // Samples: kSamplesPerRevolution per revolution, at most 10000; or exactly `samples`.
    MeasurementResult measureOscillation(int revolutions, std::optional<int> samples = std::nullopt);

    const EncoderSettings& settings() const { return settings_; }
    void setPulsesPerRevolution(std::int32_t pulses) { settings_.pulsesPerRevolution = pulses; }
    void setNominalSpeed(double rpm);
    void setSerial(std::string serial) { settings_.serial = std::move(serial); }

    static constexpr int kMaxSamples = 10000;
    // The window's chart without "/math" shows 200 samples as one revolution,
    // so the stand-in samples each revolution 200 times, whatever its pulses.
    static constexpr int kSamplesPerRevolution = 200;

private:
    MeasurementResult base(ResultType type);
    double nextSpeed();

    SimRandom random_;
    EncoderSettings settings_;
    double drift_ = 0.0;
    // Shape of the oscillation curve, fixed for this encoder.
    double amplitude1_, amplitude2_, amplitude7_, phase1_, phase2_, phase7_;
};

} // namespace kav::sim
