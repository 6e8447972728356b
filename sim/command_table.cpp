#include "command_table.h"

#include <algorithm>

namespace kav::sim {

namespace {
bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameName(n, name); });
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

const std::vector<CommandEntry>& standardCommandTable() {
    using C = CommandId;
    // The connection needs RD_InfoText, RD_Info and WR_PCVers among the first
    // nine entries; everything the program executes stays within entry 40.
    static const std::vector<CommandEntry> table = {
        {"RD_Befehlsliste", 0x01, "03 01 N N ", C::ListQuery},
        {"RD_InfoText", 0x11, "03 11 N N ", C::InfoText},
        {"RD_Info", 0x10, "02 10 N ", C::Info},
        {"WR_PCVers", 0x12, "09 12 CCCCCCCC ", C::PcVersion},
        {"RD_InfoUpdate", 0x13, "01 13 ", C::InfoUpdate},
        {"RD_InfoArray", 0x14, "06 14 N I I ", C::InfoArray},
        {"RD_Uhrzeit", 0x15, "01 15 ", C::ReadClock},
        {"WR_Uhrzeit", 0x16, "07 16 N N N N N N ", C::WriteClock},
        {"DO_Reset", 0x17, "01 17 ", C::Reset},
        {"RD_Fehlerspeicher", 0x18, "01 18 ", C::ReadErrorMemory},
        {"DO_MesAktuell", 0x30, "01 30 ", C::MeasureCurrent},
        {"DO_MesSchlechtimpuls", 0x31, "01 31 ", C::MeasureBadPulses},
        {"DO_MesDrehschwebung", 0x32, "02 32 N ", C::MeasureOscillation},
        {"DO_MesStop", 0x33, "01 33 ", C::MeasureStop},
        {"RD_FramDataNum", 0x40, "01 40 ", C::RecordCount},
        {"RD_FramDataHead", 0x41, "02 41 N ", C::RecordHead},
        {"RD_FramData", 0x42, "02 42 N ", C::RecordLoad},
        {"DO_FormatMem", 0x43, "01 43 ", C::FormatMemory},
        {"DO_FramDataSave", 0x44, "01 44 ", C::RecordSave},
        {"DO_FramDataDelete", 0x45, "02 45 N ", C::RecordDelete},
        {"WR_FramDataName", 0x46, "0B 46 CCCCCCCCCC ", C::RecordRename},
        {"WR_MaschNr", 0x50, "07 50 CCCCCC ", C::WriteDeviceSerial},
        {"WR_GeberNr", 0x51, "09 51 CCCCCCCC ", C::WriteEncoderSerial},
        {"WR_Impulszahl", 0x52, "03 52 I ", C::WritePulses},
        {"WR_Messmodus", 0x53, "02 53 N ", C::WriteOwnMode},
        {"WR_Grenzwerte", 0x54, "03 54 N N ", C::Acknowledge},
        {"WR_Versorgung", 0x55, "02 55 N ", C::Acknowledge},
        {"WR_Sprache", 0x56, "02 56 N ", C::Acknowledge},
        {"WR_Kontrast", 0x57, "02 57 N ", C::Acknowledge},
        {"WR_Beleuchtung", 0x58, "02 58 N ", C::Acknowledge},
        {"WR_Messzeit", 0x59, "03 59 I ", C::Acknowledge},
        {"DO_Fehlerspeicher", 0x5A, "01 5A ", C::ClearErrorMemory},
        {"RD_Temperatur", 0x60, "01 60 ", C::ReadTemperature},
        {"RD_Versorgung", 0x61, "01 61 ", C::ReadSupply},
        {"DO_Selbsttest", 0x62, "01 62 ", C::Acknowledge},
        {"DO_Kalibrieren", 0x63, "02 63 N ", C::Acknowledge},
        {"DO_Piepton", 0x64, "02 64 N ", C::Acknowledge},
        {"DO_Anzeigetest", 0x65, "01 65 ", C::Acknowledge},
        {"WR_Abschaltzeit", 0x66, "03 66 I ", C::Acknowledge},
        {"WR_Einheit", 0x67, "02 67 N ", C::Acknowledge},
        {"WR_Filter", 0x68, "02 68 N ", C::Acknowledge},
        // Service commands beyond entry 40: the program never looks there.
        {"DO_Werkseinstellung", 0x70, "01 70 ", C::Acknowledge},
        {"DO_Bootloader", 0x71, "01 71 ", C::Acknowledge},
        {"WR_Kalibrierdaten", 0x72, "05 72 F ", C::Acknowledge},
        {"WR_Herstelldatum", 0x73, "04 73 N N N ", C::Acknowledge},
        {"DO_Servicemodus", 0x74, "02 74 N ", C::Acknowledge},
    };
    return table;
}

int parameterBytesOf(const std::string& structure) {
    if (structure.size() < 2)
        return -1;
    const int hi = hexDigit(structure[0]);
    const int lo = hexDigit(structure[1]);
    if (hi < 0 || lo < 0)
        return -1;
    return hi * 16 + lo - 1;
}

std::vector<CommandEntry> arrangeCommandList(const std::vector<std::string>& omitted,
                                             const std::vector<std::string>& beyond40) {
    const auto& table = standardCommandTable();
    std::vector<CommandEntry> kept;
    std::vector<CommandEntry> moved;
    kept.push_back(table.front());
    for (std::size_t i = 1; i < table.size(); ++i) {
        const CommandEntry& e = table[i];
        if (contains(omitted, e.name))
            continue;
        (contains(beyond40, e.name) ? moved : kept).push_back(e);
    }
    if (moved.empty())
        return kept;
    // Fill up with numbered spare entries so the moved ones land at 41 and on.
    int spare = 0;
    while (kept.size() < 41) {
        const std::uint8_t code = static_cast<std::uint8_t>(0xE0 + spare);
        kept.push_back(
            {"DO_Reserve" + std::to_string(++spare), code,
             "01 " + std::string{"0123456789ABCDEF"[code >> 4]} + std::string{"0123456789ABCDEF"[code & 15]} + " ",
             CommandId::Acknowledge});
    }
    std::vector<CommandEntry> result(kept.begin(), kept.begin() + 41);
    result.insert(result.end(), moved.begin(), moved.end());
    result.insert(result.end(), kept.begin() + 41, kept.end());
    return result;
}

} // namespace kav::sim
