#include "fake_kav.h"

#include "frames.h"

namespace kav::testkit {

namespace {

Bytes text(const std::string& s) { return replyFrame(0x81, 'S', textPayload(s)); }

} // namespace

std::optional<Bytes> FakeKav::reply(const Bytes& frame) {
    if (frame.size() < 4)
        return std::nullopt;
    const std::size_t L = frame[0];
    if (frame.size() != L + 3)
        return replyFrame(0x00, 'L', {0x20, 0, 0, 0}); // RS232-ByteAnzahl
    const std::uint32_t crc = COM_CRC16(frame.data(), L + 1);
    if (frame[L + 1] != (crc >> 8) || frame[L + 2] != (crc & 0xFF))
        return replyFrame(0x00, 'L', {0x08, 0, 0, 0}); // RS232-Checksum
    const Bytes request(frame.begin(), frame.begin() + static_cast<long>(L) + 1);
    requests.push_back(hexFromBytes(request));
    const std::uint8_t code = request[1];
    if (code == 0x01 && L == 3) {
        const std::size_t i = request[2];
        if (i == 0 || i > commands.size())
            return text("EndofTab");
        return text(request[3] == 0 ? commands[i - 1].name : commands[i - 1].structure);
    }
    if (code == 0x02 && L == 3) {
        const std::size_t j = request[2];
        if (j >= infos.size())
            return text("EndofTab");
        return text(request[3] == 0 ? infos[j].name : infos[j].type);
    }
    if (code == 0x03 && L == 2) {
        const std::size_t j = request[2];
        if (j >= infos.size())
            return replyFrame(0x00, 'L', {0x10, 0, 0, 0}); // RS232-CmdFault
        return replyFrame(0x81, infos[j].replyType, infos[j].payload);
    }
    if (code == 0x04) {
        lastVersion.assign(request.begin() + 2, request.end());
        return acceptVersion ? replyFrame(0x80, 'S', {}) : replyFrame(0x82, 'S', {});
    }
    auto h = handlers.find(code);
    if (h != handlers.end())
        return h->second(request);
    return replyFrame(0x00, 'L', {0x10, 0, 0, 0});
}

FakeKav FakeKav::standard() {
    FakeKav k;
    k.commands = {
        {"RD_InfoText", "03 02 N N "}, {"RD_Info", "02 03 N "},   {"WR_PCVers", "09 04 CCCCCCCC "},
        {"RD_InfoUpdate", "01 05 "},   {"DO_Test", "04 06 N I "},
    };
    k.infos = {
        {"Firmware", "S", 'S', textPayload("1.07")},
        {"Betriebsstunden", "I", 'I', {0x2C, 0x01}},
        {"Temperatur", "F", 'F', {0x00, 0x00, 0xC8, 0x41}},
        {"Seriennummer", "S", 'S', textPayload("KAV-4711")},
    };
    return k;
}

FakeKav FakeKav::large(int n, int m) {
    FakeKav k = standard();
    for (int i = static_cast<int>(k.commands.size()); i < n; ++i)
        k.commands.push_back({"CMD_" + std::to_string(i + 1), "02 " + std::to_string(10 + i % 80) + " N "});
    for (int j = static_cast<int>(k.infos.size()); j < m; ++j)
        k.infos.push_back({"Wert" + std::to_string(j), "Q", 'Q', {0x00, 0x80, 0x01, 0x00}});
    return k;
}

} // namespace kav::testkit
