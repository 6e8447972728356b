#pragma once
// Fault injection: the conditions and misbehaviours the simulated device can
// be told to show. The device and its line read these settings at every
// frame, so a test may change them between two exchanges.
#include <chrono>
#include <cstdint>
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
