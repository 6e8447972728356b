// The record memory commands and the records a fresh device holds.
#include <algorithm>

#include "kav100_device.h"

namespace kav::sim {

Bytes Kav100Device::recordCommand(CommandId id, std::span<const std::uint8_t> p) {
    // While the device measures on its own the memory belongs to it.
    const bool own = settings_.scenario.ownMeasuringMode;
    if (id == CommandId::RecordCount)
        return dataReply('B', Bytes{own ? std::uint8_t{255} : static_cast<std::uint8_t>(records_.count())});
    if (own)
        return failureReply();
    switch (id) {
    case CommandId::RecordHead: {
        const StoredRecord* r = records_.at(p[0]);
        if (!r)
            return failureReply();
        const auto header = recordHeader(*r);
        return dataReply('B', header);
    }
    case CommandId::RecordLoad: {
        const StoredRecord* r = records_.at(p[0]);
        if (!r)
            return failureReply();
        // The record becomes the current result, read like a fresh measurement.
        running_.reset();
        current_ = r->result;
        ready_ = true;
        fromRecord_ = true;
        loadedRecord_ = p[0];
        ++sequence_;
        return acknowledgeReply();
    }
    case CommandId::FormatMemory:
        records_.format();
        loadedRecord_.reset();
        return acknowledgeReply();
    case CommandId::RecordSave: {
        update();
        if (!ready_ || current_.type == ResultType::None || running_)
            return failureReply();
        StoredRecord r;
        std::string name = "PC ";
        name += std::to_string(records_.count() + 1);
        r.name = fixedText(name, 10);
        r.deviceSerial = settings_.identity.serial;
        r.when = clock_.localTime();
        r.result = current_;
        return records_.add(std::move(r)) ? acknowledgeReply() : failureReply();
    }
    case CommandId::RecordDelete:
        if (!records_.remove(p[0]))
            return failureReply();
        loadedRecord_.reset();
        return acknowledgeReply();
    case CommandId::RecordRename: {
        StoredRecord* r = loadedRecord_ ? records_.at(*loadedRecord_) : nullptr;
        const auto name = p;
        if (!r || !std::all_of(name.begin(), name.end(), [](std::uint8_t c) { return c >= 0x20 && c < 0x7F; }))
            return failureReply();
        r->name = std::string(name.begin(), name.end());
        return acknowledgeReply();
    }
    default: return failureReply();
    }
}

void Kav100Device::seedRecords(int count) {
    // Records the device took in its own measuring mode before it came to the
    // PC: the three types in turn, a few days apart.
    static const char* const kNames[] = {"Motor 1", "Welle A", "Pumpe 12", "Luefter 3", "Antrieb 2", "Spindel",
                                         "Band 7",  "Achse X", "Achse Y",  "Walze 4",   "Test",      "Kran 1"};
    EncoderModel recorded(settings_.seed + 1000, settings_.encoder);
    SimRandom random(settings_.seed + 2000);
    LocalTime when{2024, 3, 7, 9, 5, 0};
    count = std::clamp(count, 0, static_cast<int>(kRecordCapacity));
    for (int i = 0; i < count; ++i) {
        StoredRecord r;
        std::string name = kNames[i % 12];
        if (i >= 12) {
            name += ' ';
            name += std::to_string(i / 12);
        }
        r.name = fixedText(name, 10);
        r.deviceSerial = settings_.identity.serial;
        std::string serial = "G";
        serial += std::to_string(4711000 + random.range(0, 999));
        recorded.setSerial(serial);
        switch (i % 3) {
        case 0: r.result = recorded.measureCurrent(); break;
        case 1: r.result = recorded.measureBadPulses(); break;
        default: r.result = recorded.measureOscillation(1 + i % 2); break;
        }
        r.when = when;
        records_.add(std::move(r));
        when.day = 1 + (when.day + random.range(1, 4)) % 28;
        if (when.day < 5 && ++when.month > 12) {
            when.month = 1;
            ++when.year;
        }
        when.hour = random.range(7, 16);
        when.minute = random.range(0, 59);
        when.second = random.range(0, 59);
    }
}

} // namespace kav::sim
