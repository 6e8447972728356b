#include "scenario_flags.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>

#include "record_memory.h"

namespace kav::sim {

namespace {
std::optional<long long> number(const std::string& text) {
    long long v = 0;
    int base = 10;
    std::size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        base = 16, start = 2;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [p, ec] = std::from_chars(first, last, v, base);
    if (ec != std::errc{} || p != last || first == last)
        return std::nullopt;
    return v;
}

// A whole number within [lo, hi].
std::optional<long long> numberIn(const std::string& text, long long lo, long long hi) {
    const auto n = number(text);
    if (!n || *n < lo || *n > hi)
        return std::nullopt;
    return n;
}

// The nominal speed: what the device reports as a signed 16.16 fixed-point
// value (type letter Q), so its magnitude stays below 32768 1/min.
std::optional<double> speed(const std::string& text) {
    double v = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [p, ec] = std::from_chars(first, last, v);
    if (ec != std::errc{} || p != last || first == last || !std::isfinite(v) || std::fabs(v) >= 32768.0)
        return std::nullopt;
    return v;
}

// The ranges of the whole-number settings: what the device can report or
// the model can hold. Pulses per revolution are set on the device as a
// 16-bit value ("WR_Impulszahl").
struct NumericFlag {
    const char* name;
    long long lo;
    long long hi;
};
constexpr NumericFlag kNumericFlags[] = {
    {"seed", 0, 0xFFFFFFFFLL},    {"records", 0, static_cast<long long>(kRecordCapacity)},
    {"pulses", 1, 65535},         {"latency-us", 0, 10000000}, // at most 10 s
    {"silent-after", 0, INT_MAX}, {"drop-after", 0, INT_MAX},
};
constexpr long long kMaxDelayMs = 600000; // --slow: at most 10 min

// "CMD", "CMD/HEX", "CMD@N", "CMD/HEX@N" or "@N": the command a fault is
// limited to, the parameter bytes its requests start with, the request it
// starts at.
bool applyTarget(const std::string& text, FaultRule& rule) {
    const auto at = text.find('@');
    const std::string head = text.substr(0, at);
    const auto slash = head.find('/');
    rule.command = head.substr(0, slash);
    if (slash != std::string::npos) {
        const std::string hex = head.substr(slash + 1);
        if (rule.command.empty() || hex.empty() || hex.size() % 2 != 0)
            return false;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            unsigned v = 0;
            const auto [p, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, v, 16);
            if (ec != std::errc{} || p != hex.data() + i + 2)
                return false;
            rule.parameterPrefix.push_back(static_cast<std::uint8_t>(v));
        }
    }
    if (at == std::string::npos)
        return true;
    const auto n = numberIn(text.substr(at + 1), 0, INT_MAX);
    if (!n)
        return false;
    rule.afterFrames = static_cast<int>(*n);
    return true;
}

// The flags that choose what measurements report; false with `error` set
// for a malformed value or an unknown flag.
bool applyResultFlag(const std::string& name, const std::string& value, SimOptions& o, std::string& error) {
    Scenario& s = o.scenario;
    ResultOverrides& r = s.overrides;
    const auto n = number(value.substr(0, value.find(':')));
    auto inRange = [&](long long lo, long long hi) {
        if (n && *n >= lo && *n <= hi)
            return true;
        error = "invalid value for --" + name + ": " + value;
        return false;
    };
    auto byte = [&](std::optional<std::uint8_t>& field) {
        return inRange(0, 255) && (field = static_cast<std::uint8_t>(*n), true);
    };
    auto count = [&](std::optional<int>& field, long long hi) {
        return inRange(0, hi) && (field = static_cast<int>(*n), true);
    };
    if (name == "never-ready")
        return (s.neverReady = true);
    if (name == "steady")
        return (o.steadySpeed = true);
    if (name == "symmetry0")
        return byte(r.symmetry0);
    if (name == "symmetry90")
        return byte(r.symmetry90);
    if (name == "phase")
        return byte(r.phase);
    if (name == "track-error")
        return byte(r.trackError);
    if (name == "deviation-value")
        return byte(r.deviationValue);
    if (name == "current") {
        if (!inRange(-32768, 32767))
            return false;
        r.currentMilliamps = static_cast<std::int16_t>(*n);
        return true;
    }
    if (name == "deviations")
        return count(r.deviations, 9999);
    if (name == "samples")
        return count(r.samples, 10000);
    if (name == "samples-block")
        return count(r.oscillationBlock, 999);
    if (name == "oscillation-peak")
        return count(r.oscillationPeak, 32767);
    if (name == "deviation-block")
        return count(r.deviationBlock, 999);
    if (name == "short-array-block") {
        const auto colon = value.find(':');
        const auto from = colon == std::string::npos ? std::nullopt : number(value.substr(colon + 1));
        if (!inRange(0, 255) || !from || *from < 0 || *from > 0xFFFF) {
            error = "invalid value for --" + name + ": " + value;
            return false;
        }
        s.shortArrayBlocks.push_back({static_cast<std::uint8_t>(*n), static_cast<std::uint16_t>(*from)});
        return true;
    }
    error = "unknown flag --" + name;
    return false;
}

struct FlagDef {
    const char* name;
    enum { None, Optional, Required } value;
};

constexpr FlagDef kFlags[] = {
    {"seed", FlagDef::Required},
    {"records", FlagDef::Required},
    {"pulses", FlagDef::Required},
    {"speed", FlagDef::Required},
    {"wire-time", FlagDef::None},
    {"no-wire-time", FlagDef::None},
    {"latency-us", FlagDef::Required},
    {"no-converter", FlagDef::None},
    {"silent", FlagDef::Optional},
    {"silent-after", FlagDef::Required},
    {"silent-for", FlagDef::Required},
    {"bad-crc", FlagDef::Optional},
    {"failure-bit", FlagDef::Optional},
    {"error-report", FlagDef::Required},
    {"truncate", FlagDef::Optional},
    {"bad-length", FlagDef::Optional},
    {"garbage", FlagDef::Optional},
    {"slow", FlagDef::Required},
    {"drop-after", FlagDef::Required},
    {"refuse-version", FlagDef::None},
    {"omit", FlagDef::Required},
    {"beyond-40", FlagDef::Required},
    {"device-error", FlagDef::None},
    {"not-pc-mode", FlagDef::None},
    {"measuring-mode", FlagDef::None},
    {"busy-forever", FlagDef::None},
    {"fail-array-block", FlagDef::Required},
    {"empty-error-report", FlagDef::Optional},
    {"never-ready", FlagDef::None},
    {"steady", FlagDef::None},
    {"symmetry0", FlagDef::Required},
    {"symmetry90", FlagDef::Required},
    {"phase", FlagDef::Required},
    {"track-error", FlagDef::Required},
    {"current", FlagDef::Required},
    {"deviations", FlagDef::Required},
    {"deviation-value", FlagDef::Required},
    {"samples", FlagDef::Required},
    {"samples-block", FlagDef::Required},
    {"oscillation-peak", FlagDef::Required},
    {"deviation-block", FlagDef::Required},
    {"short-array-block", FlagDef::Required},
};

const FlagDef* findFlag(const std::string& name) {
    for (const FlagDef& f : kFlags)
        if (name == f.name)
            return &f;
    return nullptr;
}

bool applyOne(const std::string& name, const std::string& value, SimOptions& o, std::string& error) {
    Scenario& s = o.scenario;
    auto bad = [&] {
        error = "invalid value for --" + name + ": " + value;
        return false;
    };
    auto fault = [&](FaultRule::Kind kind, const std::string& target) {
        FaultRule r = FaultRule::make(kind);
        if (!applyTarget(target, r))
            return bad();
        s.add(r);
        return true;
    };
    // "VALUE" or "VALUE:TARGET"
    const auto colon = value.find(':');
    const std::string head = value.substr(0, colon);
    const std::string target = colon == std::string::npos ? std::string() : value.substr(colon + 1);

    if (name == "speed") {
        const auto v = speed(value);
        if (!v) {
            error = "invalid value for --speed: " + value + " (below 32768 1/min either way)";
            return false;
        }
        o.speedRpm = *v;
        return true;
    }
    for (const NumericFlag& f : kNumericFlags) {
        if (name != f.name)
            continue;
        const auto n = numberIn(value, f.lo, f.hi);
        if (!n) {
            error = "invalid value for --" + name + ": " + value + " (" + std::to_string(f.lo) + " to " +
                    std::to_string(f.hi) + ")";
            return false;
        }
        if (name == "seed")
            o.seed = static_cast<unsigned>(*n);
        else if (name == "records")
            o.storedRecords = static_cast<int>(*n);
        else if (name == "pulses")
            o.pulsesPerRevolution = static_cast<std::int32_t>(*n);
        else if (name == "latency-us")
            o.usbLatency = std::chrono::microseconds(*n);
        else if (name == "silent-after")
            s.silentAfter(static_cast<int>(*n));
        else {
            FaultRule r = FaultRule::make(FaultRule::Kind::DropOff);
            r.afterFrames = static_cast<int>(*n);
            r.times = 1;
            s.add(r);
        }
        return true;
    }
    if (name == "wire-time" || name == "no-wire-time") {
        o.wireTime = name == "wire-time";
        return true;
    }
    if (name == "no-converter")
        return (s.noConverter = true);
    if (name == "refuse-version")
        return (s.refuseVersion = true);
    if (name == "device-error")
        return (s.deviceError = true);
    if (name == "not-pc-mode")
        return (s.notPcMode = true);
    if (name == "measuring-mode")
        return (s.ownMeasuringMode = true);
    if (name == "busy-forever")
        return (s.busyForever = true);
    if (name == "omit" || name == "beyond-40") {
        if (value.empty())
            return bad();
        (name == "omit" ? s.omittedCommands : s.commandsBeyond40).push_back(value);
        return true;
    }
    if (name == "silent")
        return fault(FaultRule::Kind::Silent, value);
    if (name == "silent-for")
        return !value.empty() && fault(FaultRule::Kind::Silent, value);
    if (name == "bad-crc")
        return fault(FaultRule::Kind::CorruptCrc, value);
    if (name == "failure-bit")
        return fault(FaultRule::Kind::FailureBit, value);
    if (name == "truncate")
        return fault(FaultRule::Kind::Truncated, value);
    if (name == "bad-length")
        return fault(FaultRule::Kind::BadLength, value);
    if (name == "garbage")
        return fault(FaultRule::Kind::Garbage, value);
    if (name == "empty-error-report") {
        FaultRule r = FaultRule::make(FaultRule::Kind::ErrorReport);
        r.keepBytes = 0;
        if (!applyTarget(value, r))
            return bad();
        s.add(r);
        return true;
    }
    if (name == "error-report" || name == "slow") {
        const auto n = numberIn(head, 0, name == "slow" ? kMaxDelayMs : 0xFFFFFFFFLL);
        if (!n)
            return bad();
        FaultRule r = FaultRule::make(name == "slow" ? FaultRule::Kind::Slow : FaultRule::Kind::ErrorReport);
        if (!applyTarget(target, r))
            return bad();
        if (name == "slow")
            r.delay = std::chrono::milliseconds(*n);
        else
            r.errorMask = static_cast<std::uint32_t>(*n);
        s.add(r);
        return true;
    }
    if (name == "fail-array-block") {
        const auto array = number(head);
        const auto from = number(target);
        if (!array || !from || *array < 0 || *array > 255 || *from < 0 || *from > 0xFFFF)
            return bad();
        s.failArrayBlock(static_cast<std::uint8_t>(*array), static_cast<std::uint16_t>(*from));
        return true;
    }
    return applyResultFlag(name, value, o, error);
}
} // namespace

std::vector<std::string> splitFlags(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (!word.empty())
                out.push_back(std::move(word)), word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        out.push_back(std::move(word));
    return out;
}

bool applySimFlags(const std::vector<std::string>& flags, SimOptions& options, std::string& error) {
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const std::string& arg = flags[i];
        if (arg.rfind("--", 0) != 0) {
            error = "unexpected argument: " + arg;
            return false;
        }
        const auto eq = arg.find('=');
        const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        const FlagDef* def = findFlag(name);
        if (!def) {
            error = "unknown flag --" + name;
            return false;
        }
        std::string value;
        if (eq != std::string::npos) {
            if (def->value == FlagDef::None) {
                error = "--" + name + " takes no value";
                return false;
            }
            value = arg.substr(eq + 1);
        } else if (def->value == FlagDef::Required) {
            if (i + 1 >= flags.size()) {
                error = "--" + name + " needs a value";
                return false;
            }
            value = flags[++i];
        }
        if (!applyOne(name, value, options, error))
            return false;
    }
    return true;
}

const char* simFlagsHelp() {
    return "Device and encoder:\n"
           "  --seed N                 random seed of the encoder model (default 1)\n"
           "  --records N              records in the memory at power-on (default 6)\n"
           "  --pulses N               pulses per revolution, 1 to 65535 (default 1024)\n"
           "  --speed RPM              nominal speed, below 32768 either way (default 1500;\n"
           "                           negative: turning backwards)\n"
           "  --steady                 the speed exactly as set, without drift and noise\n"
           "  --wire-time | --no-wire-time   time replies at 600000 baud plus the USB latency\n"
           "  --latency-us N           USB latency, at most 10000000 (default 1000)\n"
           "Device conditions:\n"
           "  --no-converter           no converter plugged in (D2XX faces only)\n"
           "  --refuse-version         refuse the PC version identifier\n"
           "  --omit CMD               leave CMD out of the command list (repeatable)\n"
           "  --beyond-40 CMD          list CMD at entry 41 or later (repeatable)\n"
           "  --device-error           state bit 0: device error\n"
           "  --not-pc-mode            state bit 1 clear: not in PC measurement mode\n"
           "  --measuring-mode         the device's own measuring mode (state bit 3, record count 255)\n"
           "  --busy-forever           state bit 2 stays set; measurements never finish\n"
           "  --never-ready            no new result is ever announced (state bit 2 clear)\n"
           "Results (what the next measurements report):\n"
           "  --symmetry0 B, --symmetry90 B, --phase B   percentage bytes (signed, or codes 110/120/...)\n"
           "  --track-error N          track-error code (0 none, 1 both, 2 track 0, 3 track 90)\n"
           "  --current MA             current consumption in mA\n"
           "  --deviations N           N listed bad pulses (positions 10, 20, ...)\n"
           "  --deviation-value B      their value byte (e.g. 250 for -6 %)\n"
           "  --samples N              oscillation samples (0-10000; default 200 per revolution)\n"
           "  --samples-block N        elements per block in the oscillation descriptor (default 120)\n"
           "  --oscillation-peak ARCSEC the oscillation curve scaled to this largest magnitude (0-32767)\n"
           "  --deviation-block N      elements per block in the deviation descriptors (default 5)\n"
           "  --short-array-block A:FROM   that RD_InfoArray block answers with half its elements\n"
           "Faults of replies (TARGET: CMD[/HEX][@N] or @N: only that command, only requests whose\n"
           "parameter bytes start with HEX, only from request N on):\n"
           "  --silent[=TARGET]        no reply\n"
           "  --silent-after N         no reply from request N on (0-based)\n"
           "  --silent-for CMD         no reply to CMD\n"
           "  --bad-crc[=TARGET]       reply with a wrong CRC\n"
           "  --failure-bit[=TARGET]   reply with the failure bit (status 0x82)\n"
           "  --error-report MASK[:TARGET]   error report with MASK (decimal or 0x..)\n"
           "  --empty-error-report[=TARGET]  error report without content\n"
           "  --truncate[=TARGET]      only the first half of the reply\n"
           "  --bad-length[=TARGET]    length byte 0xFF\n"
           "  --garbage[=TARGET]       nine random bytes instead of the reply\n"
           "  --slow MS[:TARGET]       reply MS milliseconds late (at most 600000)\n"
           "  --fail-array-block A:FROM   failure for the RD_InfoArray block of array A starting at FROM\n"
           "  --drop-after N           drop off the bus halfway through the reply to request N\n";
}

} // namespace kav::sim
