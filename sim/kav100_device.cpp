#include "kav100_device.h"

#include <algorithm>
#include <cmath>

#include "device_crc.h"

namespace kav::sim {

namespace {
constexpr char kPcVersion[] = "KA010000";

std::chrono::milliseconds scaled(std::chrono::milliseconds base, SimRandom& random) {
    // A few percent of jitter so consecutive measurements do not tick in lock-step.
    return std::chrono::milliseconds(static_cast<long long>(base.count() * random.uniform(0.95, 1.05)));
}

// The scenario's chosen values in place of the encoder model's.
void applyOverrides(MeasurementResult& r, const ResultOverrides& o) {
    if (r.type == ResultType::Current) {
        r.symmetry0 = o.symmetry0.value_or(r.symmetry0);
        r.symmetry90 = o.symmetry90.value_or(r.symmetry90);
        r.phase = o.phase.value_or(r.phase);
        r.trackError = o.trackError.value_or(r.trackError);
        r.currentMilliamps = o.currentMilliamps.value_or(r.currentMilliamps);
    } else if (r.type == ResultType::BadPulses) {
        if (o.deviations) {
            const auto n = static_cast<std::size_t>(std::clamp(*o.deviations, 0, 9999));
            r.deviationValues.assign(n, o.deviationValue.value_or(5));
            r.deviationPositions.resize(n);
            for (std::size_t i = 0; i < n; ++i)
                r.deviationPositions[i] = static_cast<std::int32_t>(10 * (i + 1));
            r.deviationCount = static_cast<std::int32_t>(n) + (r.maxPositive ? 1 : 0) + (r.maxNegative ? 1 : 0);
        } else if (o.deviationValue) {
            std::fill(r.deviationValues.begin(), r.deviationValues.end(), *o.deviationValue);
        }
    }
}

bool printable(std::span<const std::uint8_t> text) {
    return std::all_of(text.begin(), text.end(), [](std::uint8_t c) { return c >= 0x20 && c < 0x7F; });
}
} // namespace

Kav100Device::Kav100Device(Clock& clock, DeviceSettings settings)
    : clock_(clock), settings_(std::move(settings)), encoder_(settings_.seed, settings_.encoder),
      poweredOn_(clock.now()) {
    seedRecords(settings_.storedRecords);
}

const std::vector<CommandEntry>& Kav100Device::commandList() const {
    // Arranged again only when a test changed what to leave out or move.
    const Scenario& s = settings_.scenario;
    if (!listArranged_ || listOmitted_ != s.omittedCommands || listBeyond40_ != s.commandsBeyond40) {
        list_ = arrangeCommandList(s.omittedCommands, s.commandsBeyond40);
        listOmitted_ = s.omittedCommands;
        listBeyond40_ = s.commandsBeyond40;
        listArranged_ = true;
    }
    return list_;
}

std::string Kav100Device::commandNameOf(std::span<const std::uint8_t> frame) const {
    if (frame.size() < 2)
        return {};
    for (const CommandEntry& e : commandList())
        if (e.code == frame[1])
            return e.name;
    return {};
}

std::uint8_t Kav100Device::stateByte() const {
    const Scenario& s = settings_.scenario;
    std::uint8_t state = 0;
    if (s.deviceError)
        state |= 0x01;
    if (!s.notPcMode && !s.ownMeasuringMode)
        state |= 0x02;
    if (running_ || s.busyForever)
        state |= 0x04;
    if (s.ownMeasuringMode)
        state |= 0x08;
    return state;
}

void Kav100Device::update() {
    if (!running_)
        return;
    const auto elapsed = clock_.now() - running_->start;
    if (!ready_ && running_->readyAfter < running_->doneAfter && elapsed >= running_->readyAfter) {
        // The first values are there and reported; the device stays busy.
        current_ = running_->result;
        ready_ = true;
    }
    if (settings_.scenario.busyForever || elapsed < running_->doneAfter)
        return;
    current_ = std::move(running_->result);
    running_.reset();
    ready_ = true;
    ++sequence_;
}

Bytes Kav100Device::reportError(std::uint32_t mask) {
    errorMemory_ |= mask;
    return errorReport(mask);
}

Bytes Kav100Device::handleFrame(std::span<const std::uint8_t> frame) {
    update();
    if (frame.size() < 4 || frame[0] == 0 || frame.size() != static_cast<std::size_t>(frame[0]) + 3u)
        return reportError(kErrRs232ByteAnzahl);
    const std::size_t body = frame.size() - 2;
    const std::uint16_t crc = deviceCrc16(frame.first(body));
    if (frame[body] != (crc >> 8) || frame[body + 1] != (crc & 0xFF))
        return reportError(kErrRs232Checksum);

    const std::uint8_t code = frame[1];
    const auto params = frame.subspan(2, body - 2);
    const auto& list = commandList();
    const auto it = std::find_if(list.begin(), list.end(), [&](const CommandEntry& e) { return e.code == code; });
    if (it == list.end())
        return reportError(kErrRs232CmdFault);
    if (static_cast<int>(params.size()) != parameterBytesOf(it->structure))
        return reportError(kErrRs232ByteAnzahl);
    return dispatch(*it, params);
}

Bytes Kav100Device::dispatch(const CommandEntry& entry, std::span<const std::uint8_t> p) {
    Scenario& s = settings_.scenario;
    switch (entry.id) {
    case CommandId::ListQuery: return listQuery(p);
    case CommandId::InfoText: return infoText(p);
    case CommandId::Info: return info(p);
    case CommandId::PcVersion: return pcVersion(p);
    case CommandId::InfoUpdate: return dataReply('B', infoUpdatePayload());
    case CommandId::InfoArray: return infoArray(p);
    case CommandId::ReadClock: {
        const LocalTime t = clock_.localTime();
        const Bytes b{
            static_cast<std::uint8_t>(t.second), static_cast<std::uint8_t>(t.minute),
            static_cast<std::uint8_t>(t.hour),   static_cast<std::uint8_t>(t.day),
            static_cast<std::uint8_t>(t.month),  static_cast<std::uint8_t>(std::clamp(t.year - 2000, 0, 255))};
        return dataReply('B', b);
    }
    case CommandId::Reset:
        running_.reset();
        current_ = {};
        ready_ = false;
        fromRecord_ = false;
        return acknowledgeReply();
    case CommandId::ReadErrorMemory: {
        Bytes b;
        appendLe32(b, static_cast<std::int32_t>(errorMemory_));
        return dataReply('L', b);
    }
    case CommandId::ClearErrorMemory: errorMemory_ = 0; return acknowledgeReply();
    case CommandId::MeasureCurrent: return startMeasurement(ResultType::Current, 0);
    case CommandId::MeasureBadPulses: return startMeasurement(ResultType::BadPulses, 0);
    case CommandId::MeasureOscillation: return startMeasurement(ResultType::Oscillation, p[0]);
    case CommandId::MeasureStop: running_.reset(); return acknowledgeReply();
    case CommandId::RecordCount:
    case CommandId::RecordHead:
    case CommandId::RecordLoad:
    case CommandId::FormatMemory:
    case CommandId::RecordSave:
    case CommandId::RecordDelete:
    case CommandId::RecordRename: return recordCommand(entry.id, p);
    case CommandId::WriteDeviceSerial: return writeSerial(p, 6, true);
    case CommandId::WriteEncoderSerial: return writeSerial(p, 8, false);
    case CommandId::WritePulses: {
        const int pulses = (p[0] << 8) | p[1];
        if (pulses < 1)
            return failureReply();
        encoder_.setPulsesPerRevolution(pulses);
        return acknowledgeReply();
    }
    case CommandId::WriteOwnMode:
        if (p[0] > 1)
            return failureReply();
        s.ownMeasuringMode = p[0] == 1;
        if (s.ownMeasuringMode)
            running_.reset();
        return acknowledgeReply();
    case CommandId::ReadTemperature:
    case CommandId::ReadSupply: {
        const auto v = valueOf(entry.id == CommandId::ReadTemperature ? 5 : 11);
        return dataReply(v->letter, v->bytes);
    }
    case CommandId::WriteClock:
    case CommandId::Acknowledge: return acknowledgeReply();
    }
    return reportError(kErrRs232CmdFault);
}

Bytes Kav100Device::listQuery(std::span<const std::uint8_t> p) {
    const std::size_t entry = p[0];
    const std::uint8_t part = p[1];
    if (part > 1)
        return failureReply();
    const auto& list = commandList();
    if (entry >= list.size())
        return textReply(kEndOfTable);
    return textReply(part == 0 ? list[entry].name : list[entry].structure);
}

Bytes Kav100Device::pcVersion(std::span<const std::uint8_t> p) {
    const std::string version(p.begin(), p.end());
    if (settings_.scenario.refuseVersion || version != kPcVersion) {
        versionAccepted_ = false;
        return reportError(kErrRs232ArtikelKod);
    }
    versionAccepted_ = true;
    return acknowledgeReply();
}

Bytes Kav100Device::startMeasurement(ResultType type, int revolutions) {
    using std::chrono::milliseconds;
    const MeasurementDurations& d = settings_.durations;
    const Scenario& s = settings_.scenario;
    SimRandom jitter(settings_.seed ^ (0x51ull * (static_cast<unsigned>(sequence_) + 1)) ^
                     static_cast<std::uint64_t>(type));
    Running r{type, clock_.now(), {}, {}, {}};
    switch (type) {
    case ResultType::Current:
        r.result = encoder_.measureCurrent();
        r.doneAfter = scaled(d.current, jitter);
        r.readyAfter = r.doneAfter;
        break;
    case ResultType::BadPulses:
        r.result = encoder_.measureBadPulses();
        r.doneAfter = scaled(d.badPulses, jitter);
        r.readyAfter = r.doneAfter / 2;
        break;
    case ResultType::Oscillation: {
        if (revolutions < 1 || revolutions > 10)
            return failureReply();
        r.result = encoder_.measureOscillation(revolutions, s.overrides.samples);
        const double rpm = std::abs(r.result.speedRpm());
        const auto turning =
            rpm > 1.0 ? milliseconds(static_cast<long long>(revolutions * 60000.0 / rpm)) : milliseconds(2000);
        r.doneAfter = scaled(d.oscillationProcessing, jitter) + turning;
        r.readyAfter = r.doneAfter / 2;
        break;
    }
    case ResultType::None: return failureReply();
    }
    applyOverrides(r.result, s.overrides);
    running_ = std::move(r);
    ready_ = false;
    fromRecord_ = false;
    lastMeasured_ = type;
    return acknowledgeReply();
}

Bytes Kav100Device::writeSerial(std::span<const std::uint8_t> p, std::size_t length, bool device) {
    if (p.size() != length || !printable(p))
        return failureReply();
    if (settings_.scenario.ownMeasuringMode)
        return failureReply();
    std::string text(p.begin(), p.end());
    if (device)
        settings_.identity.serial = std::move(text);
    else
        encoder_.setSerial(std::move(text));
    return acknowledgeReply();
}

} // namespace kav::sim
