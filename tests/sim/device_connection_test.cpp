// The device's side of a connection: CRC, command list, handshake, info list, identity.
#include <gtest/gtest.h>

#include <set>

#include "kav100_device.h"
#include "sim_test_frames.h"

namespace kav::sim::test {
namespace {

class DeviceConnection : public ::testing::Test {
protected:
    ManualClock clock;
    Kav100Device device{clock};

    Reply send(std::uint8_t code, const Bytes& params = {}) { return parse(device.handleFrame(request(code, params))); }
    Reply listQuery(int entry, int part) {
        return send(0x01, {static_cast<std::uint8_t>(entry), static_cast<std::uint8_t>(part)});
    }
    std::uint8_t codeOf(const std::string& name) {
        for (const auto& e : device.commandList())
            if (e.name == name)
                return e.code;
        ADD_FAILURE() << name << " not listed";
        return 0;
    }
};

TEST(DeviceCrc, KnownValues) {
    const std::string digits = "123456789";
    EXPECT_EQ(deviceCrc16(Bytes(digits.begin(), digits.end())), 0x31C3);
    EXPECT_EQ(deviceCrc16(Bytes{0x03, 0x01, 0x01, 0x00}), 0x9FDD);
    EXPECT_EQ(deviceCrc16(Bytes{}), 0x0000);
}

TEST_F(DeviceConnection, CommandListNamesEveryCommandTheProgramRunsWithinEntry40) {
    std::vector<std::string> names;
    for (int i = 1; i <= 80; ++i) {
        const Reply r = listQuery(i, 0);
        ASSERT_TRUE(r.wellFormed);
        ASSERT_EQ(r.letter, 'S');
        ASSERT_EQ(r.payload.back(), 0) << "text payloads end with NUL";
        if (r.text() == "EndofTab")
            break;
        names.push_back(r.text());
        const Reply s = listQuery(i, 1);
        ASSERT_TRUE(s.isData());
        EXPECT_GE(s.text().size(), 6u) << r.text();
    }
    ASSERT_LT(names.size(), 80u);
    EXPECT_GT(names.size(), 40u) << "a realistic list reaches beyond the part the program searches";
    auto indexOf = [&](const std::string& n) {
        return static_cast<int>(std::find(names.begin(), names.end(), n) - names.begin()) + 1;
    };
    for (const char* n : {"RD_InfoText", "RD_Info", "WR_PCVers"})
        EXPECT_LE(indexOf(n), 9) << n;
    for (const char* n : {"RD_InfoUpdate", "RD_InfoArray", "RD_FramDataNum", "RD_FramDataHead", "RD_FramData",
                          "WR_MaschNr", "DO_FormatMem", "DO_MesAktuell", "DO_MesSchlechtimpuls", "DO_MesDrehschwebung"})
        EXPECT_LE(indexOf(n), 40) << n;
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "names are unique";
}

TEST_F(DeviceConnection, StructureTextsFollowTheSyntaxAndMatchTheirCodes) {
    std::set<int> codes;
    for (const auto& e : device.commandList()) {
        ASSERT_GE(e.structure.size(), 6u) << e.name;
        EXPECT_EQ(e.structure[2], ' ');
        EXPECT_EQ(e.structure[5], ' ');
        EXPECT_EQ(std::stoi(e.structure.substr(3, 2), nullptr, 16), e.code) << e.name;
        EXPECT_TRUE(codes.insert(e.code).second) << "code used twice: " << e.name;
        // L counts the code and each place's bytes.
        int bytes = 1;
        for (std::size_t i = 6; i < e.structure.size(); ++i) {
            switch (e.structure[i]) {
            case 'N':
            case 'M':
            case 'D':
            case 'B':
            case 'C': bytes += 1; break;
            case 'I': bytes += 2; break;
            case 'F':
            case 'Q': bytes += 4; break;
            case ' ': break;
            default: ADD_FAILURE() << "unexpected letter in " << e.name;
            }
        }
        EXPECT_EQ(parameterBytesOf(e.structure) + 1, bytes) << e.name;
    }
    EXPECT_EQ(listQuery(0, 1).text(), "03 01 N N ");
    EXPECT_EQ(listQuery(2, 0).text(), "RD_Info");
    EXPECT_EQ(listQuery(2, 1).text(), "02 10 N ");
}

TEST_F(DeviceConnection, ListEndsWithEndofTabAndStaysThere) {
    const int size = static_cast<int>(device.commandList().size());
    EXPECT_EQ(listQuery(size, 0).text(), "EndofTab");
    EXPECT_EQ(listQuery(size + 5, 0).text(), "EndofTab");
    EXPECT_EQ(listQuery(255, 1).text(), "EndofTab");
    EXPECT_TRUE(listQuery(1, 2).isFailure());
}

TEST_F(DeviceConnection, VersionHandshakeAcceptsOnlyTheProgramsIdentifier) {
    const auto code = codeOf("WR_PCVers");
    const Reply ok = send(code, textParam("KA010000"));
    EXPECT_TRUE(ok.wellFormed);
    EXPECT_EQ(ok.status, 0x80);
    EXPECT_TRUE(ok.payload.empty());
    EXPECT_TRUE(device.versionAccepted());

    const Reply refused = send(code, textParam("KA020000"));
    EXPECT_TRUE(refused.isErrorReport());
    EXPECT_EQ(refused.le32(), 0x40u);
    EXPECT_FALSE(device.versionAccepted());

    device.scenario().refuseVersion = true;
    EXPECT_TRUE(send(code, textParam("KA010000")).isErrorReport());
}

TEST_F(DeviceConnection, InfoListRunsFromZeroToEndofTabWithDecodableTypes) {
    const auto textCode = codeOf("RD_InfoText");
    const auto infoCode = codeOf("RD_Info");
    int j = 0;
    for (; j <= 80; ++j) {
        const Reply name = send(textCode, {static_cast<std::uint8_t>(j), 0});
        ASSERT_TRUE(name.isData()) << j;
        if (name.text() == "EndofTab")
            break;
        const Reply letter = send(textCode, {static_cast<std::uint8_t>(j), 1});
        ASSERT_EQ(letter.text().size(), 1u);
        const Reply value = send(infoCode, {static_cast<std::uint8_t>(j)});
        ASSERT_TRUE(value.isData()) << name.text();
        EXPECT_EQ(value.letter, letter.text()[0]) << name.text();
        const std::size_t n = value.payload.size();
        switch (value.letter) {
        case 'S': EXPECT_EQ(value.payload.back(), 0); break;
        case 'B':
        case 'C': EXPECT_EQ(n, 1u); break;
        case 'I':
        case 'P': EXPECT_EQ(n, 2u); break;
        case 'L':
        case 'Q':
        case 'F': EXPECT_EQ(n, 4u); break;
        default: ADD_FAILURE() << "letter " << value.letter;
        }
    }
    EXPECT_EQ(j, kInfoListLength);
    EXPECT_GE(j, 5);
}

TEST_F(DeviceConnection, IdentityAndStateByNumber) {
    const auto infoCode = codeOf("RD_Info");
    EXPECT_EQ(send(infoCode, {0}).text(), "V2.13");
    const Reply serial = send(infoCode, {3});
    EXPECT_EQ(serial.letter, 'S');
    EXPECT_EQ(serial.text(), "070123");
    const Reply state = send(infoCode, {8});
    EXPECT_EQ(state.letter, 'B');
    ASSERT_EQ(state.payload.size(), 1u);
    EXPECT_EQ(state.payload[0], 0x02) << "PC measurement mode, nothing else";
    EXPECT_EQ(send(infoCode, {18}).text(), "G4711023");
    EXPECT_TRUE(send(infoCode, {19}).isFailure());
    EXPECT_TRUE(send(infoCode, {200}).isFailure());
}

TEST_F(DeviceConnection, ProtocolFaultsAnswerWithErrorReports) {
    Bytes bad = request(0x10, {3});
    bad.back() ^= 1;
    Reply r = parse(device.handleFrame(bad));
    EXPECT_TRUE(r.isErrorReport());
    EXPECT_EQ(r.le32(), 0x08u) << "RS232-Checksum";
    r = send(0xEE);
    EXPECT_EQ(r.le32(), 0x10u) << "RS232-CmdFault";
    r = send(0x10, {3, 4});
    EXPECT_EQ(r.le32(), 0x20u) << "RS232-ByteAnzahl";
    EXPECT_EQ(device.errorMemory(), 0x38u);
}

} // namespace
} // namespace kav::sim::test
