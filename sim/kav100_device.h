#pragma once
// The KAV100 as the PC sees it: one complete request frame in, one reply
// frame out. Measurements run on the injected clock; they finish when the
// clock has passed their duration, checked at every request.
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "clock.h"
#include "command_table.h"
#include "encoder_model.h"
#include "measurement_result.h"
#include "record_memory.h"
#include "reply_frames.h"
#include "scenario.h"

namespace kav::sim {

struct DeviceIdentity {
    std::string firmware = "V2.13";
    std::string hardware = "HW 1.2";
    std::string bootloader = "BL 1.04";
    std::string serial = "070123"; // 6 characters
    std::string manufactured = "14.03.2007";
    std::string calibrated = "02.09.2024";
};

struct MeasurementDurations {
    std::chrono::milliseconds current{350};
    std::chrono::milliseconds badPulses{1800};
    // Plus the time the revolutions take at the encoder's speed.
    std::chrono::milliseconds oscillationProcessing{1000};
};

struct DeviceSettings {
    std::uint64_t seed = 1;
    int storedRecords = 6;
    EncoderSettings encoder;
    DeviceIdentity identity;
    MeasurementDurations durations;
    Scenario scenario;
};

// Value numbers the program reads.
namespace value {
inline constexpr int Firmware = 0, DeviceSerial = 3, DeviceState = 8, EncoderSerial = 18;
inline constexpr int Pulses = 24, Speed = 25, Frequency = 26, Symmetry0 = 27, Symmetry90 = 28, Phase = 29,
                     TrackError = 30, Supply = 32, Current = 33;
inline constexpr int Revolutions = 56, Minimum = 57, Maximum = 58, PeakToPeak = 59, OscillationArray = 60;
inline constexpr int MaxPositive = 65, PosMaxPositive = 66, MaxNegative = 67, PosMaxNegative = 68, DeviationValues = 69,
                     DeviationPositions = 70, DeviationCount = 71;
} // namespace value

// Elements per RD_InfoArray block as the array descriptors announce them.
inline constexpr int kOscillationBlock = 120; // 240 payload bytes: what fits one reply
inline constexpr int kDeviationBlock = 5;
// How many info entries the info list has before "EndofTab".
inline constexpr int kInfoListLength = 19;

class Kav100Device {
public:
    explicit Kav100Device(Clock& clock, DeviceSettings settings = {});

    // A complete request frame: length byte, command code, parameters, CRC.
    // Returns the reply frame.
    Bytes handleFrame(std::span<const std::uint8_t> frame);

    // The name under which the present command list offers the frame's
    // command code; empty when the frame is too short or the code unlisted.
    std::string commandNameOf(std::span<const std::uint8_t> frame) const;
    // The present command list (entry 0 is the list query).
    const std::vector<CommandEntry>& commandList() const;

    // Everything a test may look at or change.
    Scenario& scenario() { return settings_.scenario; }
    const Scenario& scenario() const { return settings_.scenario; }
    RecordMemory& records() { return records_; }
    EncoderModel& encoder() { return encoder_; }
    DeviceIdentity& identity() { return settings_.identity; }
    MeasurementDurations& durations() { return settings_.durations; }
    const MeasurementResult& currentResult() const { return current_; }
    bool resultReady() const { return ready_; }
    bool measurementRunning() const { return running_.has_value(); }
    bool versionAccepted() const { return versionAccepted_; }
    std::uint8_t stateByte() const;
    std::uint32_t errorMemory() const { return errorMemory_; }
    // Brings the measurement up to the clock's present time.
    void update();

    // The typed value of a value number: type letter and payload bytes.
    struct TypedValue {
        char letter;
        Bytes bytes;
    };
    std::optional<TypedValue> valueOf(int number);
    // Name and type letter of an info entry or value number.
    std::optional<std::pair<std::string, char>> infoTextOf(int number) const;
    // The 10 bytes of RD_InfoUpdate.
    Bytes infoUpdatePayload() const;
    // An array descriptor text, e.g. "069 B 0003 005"; empty for an unknown array.
    std::string arrayDescriptor(int arrayNumber) const;

private:
    Bytes dispatch(const CommandEntry& entry, std::span<const std::uint8_t> p);
    Bytes listQuery(std::span<const std::uint8_t> p);
    Bytes infoText(std::span<const std::uint8_t> p);
    Bytes info(std::span<const std::uint8_t> p);
    Bytes infoArray(std::span<const std::uint8_t> p);
    Bytes pcVersion(std::span<const std::uint8_t> p);
    Bytes startMeasurement(ResultType type, int revolutions);
    Bytes recordCommand(CommandId id, std::span<const std::uint8_t> p);
    Bytes writeSerial(std::span<const std::uint8_t> p, std::size_t length, bool device);
    Bytes reportError(std::uint32_t mask);
    void seedRecords(int count);

    struct Running {
        ResultType type;
        Clock::time_point start;
        Clock::duration readyAfter; // the first values are there; still busy
        Clock::duration doneAfter;
        MeasurementResult result;
    };

    Clock& clock_;
    DeviceSettings settings_;
    // The list as last arranged, and what it was arranged from.
    mutable std::vector<CommandEntry> list_;
    mutable std::vector<std::string> listOmitted_, listBeyond40_;
    mutable bool listArranged_ = false;
    EncoderModel encoder_;
    RecordMemory records_;
    Clock::time_point poweredOn_;
    std::optional<Running> running_;
    MeasurementResult current_;
    bool ready_ = false;
    bool fromRecord_ = false;
    // The record RD_FramData loaded last (WR_FramDataName renames it).
    std::optional<std::size_t> loadedRecord_;
    std::uint8_t sequence_ = 0;
    ResultType lastMeasured_ = ResultType::None;
    bool versionAccepted_ = false;
    std::uint32_t errorMemory_ = 0;
};

} // namespace kav::sim
