// The device's values by number, the info list, the change report and the arrays.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "kav100_device.h"

namespace kav::sim {

namespace {
struct InfoName {
    int number;
    const char* name;
    char letter;
};

// The info list (entries 0 to 18, then "EndofTab") and the measurement values
// behind it, which RD_InfoText also names.
constexpr InfoName kNames[] = {
    {0, "Firmware", 'S'},
    {1, "Hardware", 'S'},
    {2, "Bootloader", 'S'},
    {3, "Seriennummer", 'S'},
    {4, "Betriebsstunden", 'L'},
    {5, "Temperatur", 'P'},
    {6, "Herstelldatum", 'S'},
    {7, "Datensaetze", 'B'},
    {8, "Geraetestatus", 'B'},
    {9, "Kalibrierdatum", 'S'},
    {10, "Baudrate", 'L'},
    {11, "Interne Spannung", 'P'},
    {12, "Einschaltzaehler", 'L'},
    {13, "Sprache", 'B'},
    {14, "Speicherplaetze", 'B'},
    {15, "Fehlerspeicher", 'L'},
    {16, "Letzte Messung", 'B'},
    {17, "Geberversorgung", 'B'},
    {18, "Geber S/N", 'S'},
    {24, "Impulszahl", 'L'},
    {25, "Drehzahl", 'Q'},
    {26, "Frequenz", 'L'},
    {27, "Symmetrie 0", 'C'},
    {28, "Symmetrie 90", 'C'},
    {29, "Phasenlage", 'B'},
    {30, "Spurfehler", 'B'},
    {32, "Versorgungsspannung", 'P'},
    {33, "Stromaufnahme", 'I'},
    {56, "Umdrehungen", 'C'},
    {57, "Min", 'I'},
    {58, "Max", 'I'},
    {59, "Spitze-Spitze", 'I'},
    {60, "Drehschwebung", 'S'},
    {65, "MaxPositiv", 'B'},
    {66, "PosMaxPositiv", 'L'},
    {67, "MaxNegativ", 'B'},
    {68, "PosMaxNegativ", 'L'},
    {69, "AbwWert", 'S'},
    {70, "AbwPos", 'S'},
    {71, "AnzahlAbweichungen", 'L'},
};

const InfoName* findName(int number) {
    for (const InfoName& n : kNames)
        if (n.number == number)
            return &n;
    return nullptr;
}

Bytes textBytes(const std::string& text) {
    Bytes b(text.begin(), text.end());
    b.push_back(0);
    return b;
}

Bytes one(std::uint8_t v) { return Bytes{v}; }

Bytes le16(std::int32_t v) {
    Bytes b;
    appendLe16(b, v);
    return b;
}

Bytes le32(std::int32_t v) {
    Bytes b;
    appendLe32(b, v);
    return b;
}

std::uint16_t readBe16(std::span<const std::uint8_t> p, std::size_t at) {
    return static_cast<std::uint16_t>((p[at] << 8) | p[at + 1]);
}
} // namespace

std::optional<std::pair<std::string, char>> Kav100Device::infoTextOf(int number) const {
    if (number == kInfoListLength)
        return std::make_pair(std::string(kEndOfTable), 'S');
    if (const InfoName* n = findName(number))
        return std::make_pair(std::string(n->name), n->letter);
    return std::nullopt;
}

std::optional<Kav100Device::TypedValue> Kav100Device::valueOf(int number) {
    update();
    const DeviceIdentity& id = settings_.identity;
    const MeasurementResult& r = current_;
    const auto sinceOn = clock_.now() - poweredOn_;
    const double minutesOn = std::chrono::duration<double>(sinceOn).count() / 60.0;
    switch (number) {
    case 0: return TypedValue{'S', textBytes(id.firmware)};
    case 1: return TypedValue{'S', textBytes(id.hardware)};
    case 2: return TypedValue{'S', textBytes(id.bootloader)};
    case 3: return TypedValue{'S', textBytes(id.serial)};
    case 4: return TypedValue{'L', le32(1873 + static_cast<std::int32_t>(minutesOn / 60.0))};
    case 5: // warms up by a degree and a half over the first half hour
        return TypedValue{
            'P', le16(static_cast<std::int32_t>(std::lround((29.5 + 1.5 * std::min(1.0, minutesOn / 30.0)) * 256.0)))};
    case 6: return TypedValue{'S', textBytes(id.manufactured)};
    case 7: // the record count, 255 while the device measures on its own
        return TypedValue{'B',
                          one(settings_.scenario.ownMeasuringMode ? 255 : static_cast<std::uint8_t>(records_.count()))};
    case 8: return TypedValue{'B', one(stateByte())};
    case 9: return TypedValue{'S', textBytes(id.calibrated)};
    case 10: return TypedValue{'L', le32(600000)};
    case 11: return TypedValue{'P', le16(static_cast<std::int32_t>(std::lround(5.02 * 256.0)))};
    case 12: return TypedValue{'L', le32(412)};
    case 13: return TypedValue{'B', one(0)};
    case 14: return TypedValue{'B', one(static_cast<std::uint8_t>(kRecordCapacity))};
    case 15: return TypedValue{'L', le32(static_cast<std::int32_t>(errorMemory_))};
    case 16: return TypedValue{'B', one(static_cast<std::uint8_t>(lastMeasured_))};
    case 17: return TypedValue{'B', one(24)};
    case 18: {
        const std::string& serial = r.type == ResultType::None ? encoder_.settings().serial : r.encoderSerial;
        return TypedValue{'S', textBytes(fixedText(serial, 8))};
    }
    case 24: return TypedValue{'L', le32(r.pulsesPerRevolution)};
    case 25: return TypedValue{'Q', le32(r.speedQ16)};
    case 26: return TypedValue{'L', le32(r.frequencyHz)};
    case 27: return TypedValue{'C', one(r.symmetry0)};
    case 28: return TypedValue{'C', one(r.symmetry90)};
    case 29: return TypedValue{'B', one(r.phase)};
    case 30: return TypedValue{'B', one(r.trackError)};
    case 32: return TypedValue{'P', le16(r.supplyRaw)};
    case 33: return TypedValue{'I', le16(r.currentMilliamps)};
    case 56: return TypedValue{'C', one(r.revolutions)};
    case 57: return TypedValue{'I', le16(r.minimum)};
    case 58: return TypedValue{'I', le16(r.maximum)};
    case 59: return TypedValue{'I', le16(r.peakToPeak)};
    case 60:
    case 69:
    case 70: return TypedValue{'S', textBytes(arrayDescriptor(number))};
    case 65: return TypedValue{'B', one(r.maxPositive)};
    case 66: return TypedValue{'L', le32(r.posMaxPositive)};
    case 67: return TypedValue{'B', one(r.maxNegative)};
    case 68: return TypedValue{'L', le32(r.posMaxNegative)};
    case 71: return TypedValue{'L', le32(r.deviationCount)};
    default: return std::nullopt;
    }
}

std::string Kav100Device::arrayDescriptor(int arrayNumber) const {
    char letter = 0;
    std::size_t count = 0;
    int block = 0;
    switch (arrayNumber) {
    case value::OscillationArray:
        letter = 'I';
        count = current_.samples.size();
        block = settings_.scenario.overrides.oscillationBlock.value_or(kOscillationBlock);
        break;
    case value::DeviationValues:
        letter = 'B';
        count = current_.deviationValues.size();
        block = settings_.scenario.overrides.deviationBlock.value_or(kDeviationBlock);
        break;
    case value::DeviationPositions:
        letter = 'L';
        count = current_.deviationPositions.size();
        block = settings_.scenario.overrides.deviationBlock.value_or(kDeviationBlock);
        break;
    default: return {};
    }
    // Four digits hold at most 9999; the reader takes 9999 for the full 10000.
    char text[24];
    std::snprintf(text, sizeof text, "%03d %c %04d %03d", arrayNumber, letter,
                  static_cast<int>(std::min<std::size_t>(count, 9999)), block);
    return text;
}

Bytes Kav100Device::infoUpdatePayload() const {
    // 1 result type, 2 status (bit 0 new result, bit 1 measuring, bit 2 from
    // the record memory), 3 result number, 4 change mask positions 1-8 of
    // every mode, 5 positions 9-16 of the current values, 6-7 spare, 8 those
    // of the oscillation, 9 those of the bad pulses, 10 spare.
    Bytes b(10, 0);
    b[0] = static_cast<std::uint8_t>(ready_ ? current_.type : ResultType::None);
    const bool announced = ready_ && !settings_.scenario.neverReady;
    b[1] = static_cast<std::uint8_t>((announced ? 0x01 : 0) | (running_ ? 0x02 : 0) | (fromRecord_ ? 0x04 : 0));
    b[2] = sequence_;
    if (!ready_)
        return b;
    switch (current_.type) {
    case ResultType::Current: // values 25-30, then 32 and 33
        b[3] = 0x7E;
        b[4] = 0x03;
        break;
    case ResultType::BadPulses: // values 25, 26, then 65-71
        b[3] = 0x06;
        b[8] = 0xFE;
        break;
    case ResultType::Oscillation: // values 25, 26, then 56-60
        b[3] = 0x06;
        b[7] = 0x1F;
        break;
    case ResultType::None: break;
    }
    return b;
}

Bytes Kav100Device::infoText(std::span<const std::uint8_t> p) {
    const auto entry = infoTextOf(p[0]);
    if (!entry || p[1] > 1)
        return failureReply();
    return textReply(p[1] == 0 ? entry->first : std::string(1, entry->second));
}

Bytes Kav100Device::info(std::span<const std::uint8_t> p) {
    const auto v = valueOf(p[0]);
    if (!v)
        return failureReply();
    return dataReply(v->letter, v->bytes);
}

Bytes Kav100Device::infoArray(std::span<const std::uint8_t> p) {
    update();
    const int arrayNumber = p[0];
    const std::size_t from = readBe16(p, 1);
    const std::size_t to = readBe16(p, 3);
    std::size_t count = 0;
    std::size_t elementSize = 0;
    char letter = 0;
    switch (arrayNumber) {
    case value::OscillationArray: count = current_.samples.size(), elementSize = 2, letter = 'I'; break;
    case value::DeviationValues: count = current_.deviationValues.size(), elementSize = 1, letter = 'B'; break;
    case value::DeviationPositions: count = current_.deviationPositions.size(), elementSize = 4, letter = 'L'; break;
    default: return failureReply();
    }
    if (from > to || from >= count)
        return failureReply();
    // A block reaching past the end is answered up to the last element.
    std::size_t last = std::min(to, count - 1);
    const auto& shortBlocks = settings_.scenario.shortArrayBlocks;
    if (std::find(shortBlocks.begin(), shortBlocks.end(),
                  ArrayBlock{static_cast<std::uint8_t>(arrayNumber), static_cast<std::uint16_t>(from)}) !=
        shortBlocks.end())
        last = from + std::max<std::size_t>(1, (last - from + 1) / 2) - 1;
    if ((last - from + 1) * elementSize > kMaxReplyPayload)
        return reportError(kErrRs232PcDataOver);
    Bytes out;
    out.reserve((last - from + 1) * elementSize);
    for (std::size_t i = from; i <= last; ++i) {
        if (arrayNumber == value::OscillationArray)
            appendLe16(out, current_.samples[i]);
        else if (arrayNumber == value::DeviationValues)
            out.push_back(current_.deviationValues[i]);
        else
            appendLe32(out, current_.deviationPositions[i]);
    }
    return dataReply(letter, out);
}

} // namespace kav::sim
