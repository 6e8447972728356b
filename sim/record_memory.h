#pragma once
// The device's non-volatile record memory: finished results with a header
// (name, serial numbers, date and time, type).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "clock.h"
#include "measurement_result.h"

namespace kav::sim {

struct StoredRecord {
    std::string name;         // 10 characters, padded with blanks
    std::string deviceSerial; // 6 characters
    LocalTime when;
    MeasurementResult result; // carries the encoder serial and the type
};

inline constexpr std::size_t kRecordHeaderSize = 34;
// The count 255 means "in measuring mode", so the memory holds at most 254.
inline constexpr std::size_t kRecordCapacity = 254;

// The header as RD_FramDataHead answers it: name (10), 0, encoder serial (8),
// 0, device serial (6), 0, seconds, minutes, hours, day, month, year - 2000,
// type; numbers binary.
std::array<std::uint8_t, kRecordHeaderSize> recordHeader(const StoredRecord& record);

// Pads or cuts a text to exactly n characters.
std::string fixedText(const std::string& text, std::size_t n);

class RecordMemory {
public:
    std::size_t count() const { return records_.size(); }
    const StoredRecord* at(std::size_t index) const;
    StoredRecord* at(std::size_t index);
    // False when the memory is full.
    bool add(StoredRecord record);
    bool remove(std::size_t index);
    void format() { records_.clear(); }

private:
    std::vector<StoredRecord> records_;
};

} // namespace kav::sim
