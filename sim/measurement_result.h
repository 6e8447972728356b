#pragma once
// One result of the device, in the encodings it answers with: what a
// measurement produced or what a stored record holds. Fields outside the
// result's type stay 0.
#include <cstdint>
#include <string>
#include <vector>

namespace kav::sim {

enum class ResultType : std::uint8_t { None = 0, Current = 1, BadPulses = 2, Oscillation = 3 };

// Percentage codes that replace a symmetry or phase value.
inline constexpr std::uint8_t kCodeFrequencyTooHigh = 110;
inline constexpr std::uint8_t kCodeNotAvailable = 120;

struct MeasurementResult {
    ResultType type = ResultType::None;
    std::string encoderSerial; // 8 characters

    std::int32_t pulsesPerRevolution = 0;
    std::int32_t speedQ16 = 0; // 1/min times 65536
    std::int32_t frequencyHz = 0;

    // Current values
    std::uint8_t symmetry0 = 0;  // signed percent, or a code
    std::uint8_t symmetry90 = 0; // signed percent, or a code
    std::uint8_t phase = 0;      // signed percent, or a code
    std::uint8_t trackError = 0; // 0 none, 1 both, 2 track 0, 3 track 90
    std::int16_t supplyRaw = 0;  // volts times 256
    std::int16_t currentMilliamps = 0;

    // Bad pulses
    std::uint8_t maxPositive = 0; // signed percent
    std::int32_t posMaxPositive = 0;
    std::uint8_t maxNegative = 0; // signed percent
    std::int32_t posMaxNegative = 0;
    std::vector<std::uint8_t> deviationValues;    // listed deviations, signed percent
    std::vector<std::int32_t> deviationPositions; // their pulse positions
    std::int32_t deviationCount = 0;              // all deviations found

    // Rotational oscillation
    std::uint8_t revolutions = 0;
    std::int16_t minimum = 0; // arc seconds
    std::int16_t maximum = 0;
    std::int16_t peakToPeak = 0;
    std::vector<std::int16_t> samples; // arc seconds

    double speedRpm() const { return speedQ16 / 65536.0; }
};

} // namespace kav::sim
