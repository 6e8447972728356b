#pragma once
// Fault injection: the conditions and misbehaviours the simulated device can
// be told to show. The device and its line read these settings at every
// frame, so a test may change them between two exchanges.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kav::sim {

// Something wrong with the reply to a request.
struct FaultRule {
    enum class Kind {
        Silent,      // no reply at all; the request is not executed either
        CorruptCrc,  // the reply's CRC is wrong
        FailureBit,  // the device refuses the request (status 0x82) and does not carry it out
        ErrorReport, // an error report with `errorMask` (`keepBytes` 0: without content)
        Truncated,   // only the first `keepBytes` bytes of the reply (default: half)
        BadLength,   // the length byte is replaced by `lengthByte`
        Garbage,     // `keepBytes` random bytes (default 9) instead of the reply
        Slow,        // the reply comes `delay` late
        DropOff,     // `keepBytes` bytes of the reply (default: half), then the device leaves the bus
    };

    Kind kind = Kind::Silent;
    // Only requests of this command (by name, letter case ignored); empty: any request.
    std::string command;
    // Only requests whose parameter bytes start with these; empty: any.
    std::vector<std::uint8_t> parameterPrefix;
    // Applies from the request with this 0-based number on (counted over all requests).
    int afterFrames = 0;
    // How many replies it spoils; -1: for ever.
    int times = -1;

    std::uint32_t errorMask = 0x10;
    int keepBytes = -1;
    std::uint8_t lengthByte = 0xFF;
    std::chrono::milliseconds delay{1500};

    static FaultRule make(Kind kind, std::string command = {}) {
        FaultRule r;
        r.kind = kind;
        r.command = std::move(command);
        return r;
    }
};

// What the next measurements report in place of the encoder model's values,
// so every branch of the program's readouts and displays can be reached.
// Applied when a measurement starts.
struct ResultOverrides {
    // Current values: raw percentage bytes (signed percent or a code such as
    // 110 or 120), the track-error code, the current in mA.
    std::optional<std::uint8_t> symmetry0, symmetry90, phase, trackError;
    std::optional<std::int16_t> currentMilliamps;
    // Bad pulses: how many further deviations are listed (positions 10, 20,
    // ...), and the value byte every listed deviation carries.
    std::optional<int> deviations;
    std::optional<std::uint8_t> deviationValue;
    // Rotational oscillation: the number of samples (up to 10000; 9999 is
    // possible here, although the reader takes a count of 9999 for 10000).
    std::optional<int> samples;
    // Elements per block that the array descriptors announce.
    std::optional<int> oscillationBlock;
    std::optional<int> deviationBlock;
};

// An RD_InfoArray block by array number and first element.
struct ArrayBlock {
    std::uint8_t array = 0;
    std::uint16_t from = 0;
    bool operator==(const ArrayBlock&) const = default;
};

struct Scenario {
    // Converter and bus
    bool noConverter = false; // the converter is not plugged in

    // Command list and handshake
    bool refuseVersion = false;
    std::vector<std::string> omittedCommands;
    std::vector<std::string> commandsBeyond40;

    // Device conditions, as the state byte (value 8) reports them
    bool deviceError = false;      // bit 0
    bool notPcMode = false;        // bit 1 clear
    bool ownMeasuringMode = false; // bit 3; the record count reads 255
    bool busyForever = false;      // bit 2 stays set, measurements never finish
    bool neverReady = false;       // RD_InfoUpdate never reports a new result; the device is not busy

    // Results
    ResultOverrides overrides;
    // These blocks answer with only half their elements, in a sound frame.
    std::vector<ArrayBlock> shortArrayBlocks;

    // Frame faults
    std::vector<FaultRule> faults;

    // Helpers for the common cases
    Scenario& silent() { return add(FaultRule::make(FaultRule::Kind::Silent)); }
    Scenario& silentAfter(int frames) {
        FaultRule r = FaultRule::make(FaultRule::Kind::Silent);
        r.afterFrames = frames;
        return add(r);
    }
    Scenario& silentFor(const std::string& command) { return add(FaultRule::make(FaultRule::Kind::Silent, command)); }
    Scenario& failArrayBlock(std::uint8_t arrayNumber, std::uint16_t from) {
        FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, "RD_InfoArray");
        r.parameterPrefix = {arrayNumber, static_cast<std::uint8_t>(from >> 8), static_cast<std::uint8_t>(from & 0xFF)};
        return add(r);
    }
    Scenario& add(FaultRule rule) {
        faults.push_back(std::move(rule));
        return *this;
    }
};

} // namespace kav::sim
