#include "record_memory.h"

#include <algorithm>

namespace kav::sim {

std::string fixedText(const std::string& text, std::size_t n) {
    std::string out = text.substr(0, n);
    out.resize(n, ' ');
    return out;
}

std::array<std::uint8_t, kRecordHeaderSize> recordHeader(const StoredRecord& record) {
    std::array<std::uint8_t, kRecordHeaderSize> h{};
    auto put = [&](std::size_t offset, const std::string& text, std::size_t n) {
        const std::string t = fixedText(text, n);
        std::copy(t.begin(), t.end(), h.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    put(0, record.name, 10);
    put(11, record.result.encoderSerial, 8);
    put(20, record.deviceSerial, 6);
    const LocalTime& t = record.when;
    h[27] = static_cast<std::uint8_t>(t.second);
    h[28] = static_cast<std::uint8_t>(t.minute);
    h[29] = static_cast<std::uint8_t>(t.hour);
    h[30] = static_cast<std::uint8_t>(t.day);
    h[31] = static_cast<std::uint8_t>(t.month);
    h[32] = static_cast<std::uint8_t>(std::clamp(t.year - 2000, 0, 255));
    h[33] = static_cast<std::uint8_t>(record.result.type);
    return h;
}

const StoredRecord* RecordMemory::at(std::size_t index) const {
    return index < records_.size() ? &records_[index] : nullptr;
}

StoredRecord* RecordMemory::at(std::size_t index) { return index < records_.size() ? &records_[index] : nullptr; }

bool RecordMemory::add(StoredRecord record) {
    if (records_.size() >= kRecordCapacity)
        return false;
    records_.push_back(std::move(record));
    return true;
}

bool RecordMemory::remove(std::size_t index) {
    if (index >= records_.size())
        return false;
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

} // namespace kav::sim
