#include "encoder_model.h"

#include <algorithm>
#include <cmath>

namespace kav::sim {

namespace {
constexpr double kTwoPi = 6.283185307179586;

std::uint8_t signedPercent(int v) {
    return static_cast<std::uint8_t>(static_cast<std::int8_t>(std::clamp(v, -100, 100)));
}

std::int16_t clamp16(double v) { return static_cast<std::int16_t>(std::lround(std::clamp(v, -32768.0, 32767.0))); }

// A value as the device's signed 32-bit fields hold it: the drift may carry
// a speed near the limit past it, and a cast out of range is undefined.
std::int32_t saturate32(double v) {
    if (std::isnan(v))
        return 0;
    return static_cast<std::int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}
} // namespace

EncoderModel::EncoderModel(std::uint64_t seed, EncoderSettings settings)
    : random_(seed * 0x2545F4914F6CDD1Dull + 17), settings_(std::move(settings)) {
    amplitude1_ = random_.uniform(40.0, 80.0);
    amplitude2_ = random_.uniform(12.0, 30.0);
    amplitude7_ = random_.uniform(3.0, 8.0);
    phase1_ = random_.uniform(0.0, kTwoPi);
    phase2_ = random_.uniform(0.0, kTwoPi);
    phase7_ = random_.uniform(0.0, kTwoPi);
}

void EncoderModel::setNominalSpeed(double rpm) {
    settings_.nominalSpeedRpm = rpm;
    drift_ = 0.0;
}

double EncoderModel::nextSpeed() {
    if (settings_.nominalSpeedRpm == 0.0 || settings_.steady)
        return settings_.nominalSpeedRpm;
    // A mean-reverting random walk: a motor that wanders a little around its set speed.
    drift_ = 0.9 * drift_ + random_.normal(0.0, 0.6);
    return settings_.nominalSpeedRpm * (1.0 + drift_ / 1000.0) + random_.normal(0.0, 0.15);
}

MeasurementResult EncoderModel::base(ResultType type) {
    MeasurementResult r;
    r.type = type;
    r.encoderSerial = settings_.serial;
    r.pulsesPerRevolution = settings_.pulsesPerRevolution;
    const double rpm = nextSpeed();
    r.speedQ16 = saturate32(std::floor(rpm * 65536.0));
    r.frequencyHz = saturate32(std::round(r.speedRpm() * r.pulsesPerRevolution / 60.0));
    return r;
}

MeasurementResult EncoderModel::measureCurrent() {
    MeasurementResult r = base(ResultType::Current);
    // The symmetry and phase inputs stop working far above any usual output frequency.
    const bool tooFast = std::abs(r.frequencyHz) > 300000;
    auto percent = [&](double sigma) -> std::uint8_t {
        if (tooFast || random_.chance(0.02))
            return kCodeFrequencyTooHigh;
        if (random_.chance(0.03))
            return kCodeNotAvailable;
        return signedPercent(static_cast<int>(std::lround(random_.normal(0.0, sigma))));
    };
    r.symmetry0 = percent(1.2);
    r.symmetry90 = percent(1.2);
    r.phase = percent(1.8);
    r.trackError = random_.chance(0.05) ? static_cast<std::uint8_t>(random_.range(1, 3)) : 0;
    r.supplyRaw = clamp16(random_.normal(24.0, 0.04) * 256.0);
    r.currentMilliamps = clamp16(random_.normal(86.0, 1.5));
    return r;
}

MeasurementResult EncoderModel::measureBadPulses() {
    MeasurementResult r = base(ResultType::BadPulses);
    const std::int32_t ppr = std::max<std::int32_t>(1, r.pulsesPerRevolution);
    // Mostly a few deviations in one revolution, sometimes none.
    const int found = random_.chance(0.1) ? 0 : random_.range(1, 9);
    std::vector<std::pair<std::int32_t, int>> deviations; // position, percent
    for (int i = 0; i < found; ++i) {
        int v = random_.range(3, 25);
        if (random_.chance(0.5))
            v = -v;
        deviations.emplace_back(random_.range(0, ppr - 1), v);
    }
    r.deviationCount = found;
    auto maxIt = std::max_element(deviations.begin(), deviations.end(),
                                  [](const auto& a, const auto& b) { return a.second < b.second; });
    auto minIt = std::min_element(deviations.begin(), deviations.end(),
                                  [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<std::pair<std::int32_t, int>> further;
    for (auto it = deviations.begin(); it != deviations.end(); ++it) {
        if (it == maxIt && it->second > 0) {
            r.maxPositive = signedPercent(it->second);
            r.posMaxPositive = it->first;
        } else if (it == minIt && it->second < 0) {
            r.maxNegative = signedPercent(it->second);
            r.posMaxNegative = it->first;
        } else {
            further.push_back(*it);
        }
    }
    // Up to five further deviations, in the order they pass the reader.
    std::sort(further.begin(), further.end());
    if (further.size() > 5)
        further.resize(5);
    for (const auto& [pos, v] : further) {
        r.deviationPositions.push_back(pos);
        r.deviationValues.push_back(signedPercent(v));
    }
    return r;
}

MeasurementResult EncoderModel::measureOscillation(int revolutions, std::optional<int> samples) {
    MeasurementResult r = base(ResultType::Oscillation);
    revolutions = std::clamp(revolutions, 1, 255);
    r.revolutions = static_cast<std::uint8_t>(revolutions);
    const int perRevolution = kSamplesPerRevolution;
    int count = std::min(perRevolution * revolutions, kMaxSamples);
    if (samples)
        count = std::clamp(*samples, 0, kMaxSamples);
    r.samples.reserve(static_cast<std::size_t>(count));
    // Eccentricity once per revolution, ovality twice, a gear mesh seven times, plus noise.
    const double wobble = random_.uniform(0.9, 1.1);
    for (int i = 0; i < count; ++i) {
        const double angle = kTwoPi * i / perRevolution;
        const double v = wobble * amplitude1_ * std::sin(angle + phase1_) +
                         amplitude2_ * std::sin(2 * angle + phase2_) + amplitude7_ * std::sin(7 * angle + phase7_) +
                         random_.normal(0.0, 3.0);
        r.samples.push_back(clamp16(v));
    }
    if (!r.samples.empty()) {
        const auto [mn, mx] = std::minmax_element(r.samples.begin(), r.samples.end());
        r.minimum = *mn;
        r.maximum = *mx;
        r.peakToPeak = static_cast<std::int16_t>(std::min(32767, *mx - *mn));
    }
    return r;
}

} // namespace kav::sim
