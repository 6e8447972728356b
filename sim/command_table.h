#pragma once
// The device's own command list: names, command codes and structure texts,
// in list order. The program reads it at every connection and works by names
// alone, so the codes here are the device's business.
#include <cstdint>
#include <string>
#include <vector>

namespace kav::sim {

// What the device does with a command; several names may share a handler.
enum class CommandId {
    ListQuery,
    InfoText,
    Info,
    PcVersion,
    InfoUpdate,
    InfoArray,
    ReadClock,
    WriteClock,
    Reset,
    ReadErrorMemory,
    ClearErrorMemory,
    MeasureCurrent,
    MeasureBadPulses,
    MeasureOscillation,
    MeasureStop,
    RecordCount,
    RecordHead,
    RecordLoad,
    FormatMemory,
    RecordSave,
    RecordDelete,
    RecordRename,
    WriteDeviceSerial,
    WriteEncoderSerial,
    WritePulses,
    WriteOwnMode,
    ReadTemperature,
    ReadSupply,
    Acknowledge, // settings the model accepts and forgets
};

struct CommandEntry {
    std::string name;
    std::uint8_t code = 0;
    std::string structure; // "LL cc " followed by one type letter and a blank per place
    CommandId id = CommandId::Acknowledge;
};

inline constexpr char kEndOfTable[] = "EndofTab";
inline constexpr std::uint8_t kListQueryCode = 0x01;

// Entry 0 is the list query itself; entries 1.. are what the device lists.
const std::vector<CommandEntry>& standardCommandTable();

// Number of parameter bytes a request of this structure carries (L - 1), or
// -1 when the structure text does not start with two hex digits.
int parameterBytesOf(const std::string& structure);

// The list as the device presents it: `omitted` names left out, `beyond40`
// names moved to entry 41 and on. Entry 0 stays the list query.
std::vector<CommandEntry> arrangeCommandList(const std::vector<std::string>& omitted,
                                             const std::vector<std::string>& beyond40);

} // namespace kav::sim
