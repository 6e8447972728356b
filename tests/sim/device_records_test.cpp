// The record memory: count, headers, loading a record as the current result, format, serial number.
#include "sim_test_device.h"

namespace kav::sim::test {
namespace {
using namespace std::chrono_literals;

using DeviceRecords = DeviceFixture;

TEST_F(DeviceRecords, AFreshDeviceHoldsRecordsOfEachType) {
    const Reply n = run("RD_FramDataNum");
    EXPECT_EQ(n.letter, 'B');
    ASSERT_EQ(n.payload, Bytes{6});
    for (int i = 0; i < 6; ++i) {
        const Reply h = run("RD_FramDataHead", {static_cast<std::uint8_t>(i)});
        ASSERT_TRUE(h.isData());
        EXPECT_NE(h.letter, 'S') << "a header must reach the reader unshortened";
        ASSERT_EQ(h.payload.size(), 34u);
        const std::string name(h.payload.begin(), h.payload.begin() + 10);
        EXPECT_EQ(name.find('\0'), std::string::npos);
        EXPECT_NE(name[0], ' ');
        EXPECT_EQ(std::string(h.payload.begin() + 20, h.payload.begin() + 26), "070123");
        EXPECT_EQ(h.payload[11], 'G') << "encoder serial";
        EXPECT_LT(h.payload[27], 60);
        EXPECT_LT(h.payload[28], 60);
        EXPECT_LT(h.payload[29], 24);
        EXPECT_GE(h.payload[30], 1);
        EXPECT_LE(h.payload[30], 31);
        EXPECT_GE(h.payload[31], 1);
        EXPECT_LE(h.payload[31], 12);
        EXPECT_GE(h.payload[32], 24) << "binary year - 2000";
        EXPECT_EQ(h.payload[33], i % 3 + 1);
    }
    EXPECT_TRUE(run("RD_FramDataHead", {6}).isFailure());
    EXPECT_TRUE(run("RD_FramData", {6}).isFailure());
}

TEST(RecordHeader, LayoutWithBinaryDateAndTime) {
    StoredRecord r;
    r.name = "Motor";
    r.deviceSerial = "123456";
    r.when = {2008, 3, 7, 9, 5, 0};
    r.result.type = ResultType::Oscillation;
    r.result.encoderSerial = "ABCDEFGH";
    const auto h = recordHeader(r);
    EXPECT_EQ(std::string(h.begin(), h.begin() + 10), "Motor     ") << "padded with blanks";
    EXPECT_EQ(std::string(h.begin() + 11, h.begin() + 19), "ABCDEFGH");
    EXPECT_EQ(std::string(h.begin() + 20, h.begin() + 26), "123456");
    EXPECT_EQ(h[10], 0);
    EXPECT_EQ(h[19], 0);
    EXPECT_EQ(h[26], 0);
    const Bytes tail(h.begin() + 27, h.end());
    EXPECT_EQ(tail, (Bytes{0, 5, 9, 7, 3, 8, 3}));
}

TEST_F(DeviceRecords, LoadingARecordMakesItTheCurrentResult) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(run("RD_FramData", {static_cast<std::uint8_t>(i)}).isAck());
        const Bytes u = update();
        EXPECT_EQ(u[0], i + 1);
        EXPECT_EQ(u[1] & 0x05, 0x05) << "new result, from the memory";
        EXPECT_EQ(u[3] & 0x02, 0x02) << "mask position 2 set for a complete result";
        const StoredRecord* r = device->records().at(static_cast<std::size_t>(i));
        EXPECT_EQ(info(24).le32(), static_cast<std::uint32_t>(r->result.pulsesPerRevolution));
        EXPECT_EQ(static_cast<std::int32_t>(info(25).le32()), r->result.speedQ16);
        EXPECT_EQ(info(18).text(), r->result.encoderSerial);
    }
    // The oscillation record's samples come through the array.
    const StoredRecord* osc = device->records().at(2);
    const std::string d = info(60).text();
    EXPECT_EQ(std::stoi(d.substr(6, 4)), static_cast<int>(osc->result.samples.size()));
    const Reply block = array(60, 0, 119);
    ASSERT_TRUE(block.isData());
    EXPECT_EQ(block.le16(), osc->result.samples[0]);
}

TEST_F(DeviceRecords, FormatEmptiesTheMemory) {
    ASSERT_TRUE(run("DO_FormatMem").isAck());
    EXPECT_EQ(run("RD_FramDataNum").payload, Bytes{0});
    EXPECT_TRUE(run("RD_FramDataHead", {0}).isFailure());
}

TEST_F(DeviceRecords, OwnMeasuringModeKeepsTheMemoryToItself) {
    device->scenario().ownMeasuringMode = true;
    EXPECT_EQ(run("RD_FramDataNum").payload, Bytes{255});
    EXPECT_EQ(info(7).payload, Bytes{255});
    EXPECT_TRUE(run("RD_FramDataHead", {0}).isFailure());
    EXPECT_TRUE(run("RD_FramData", {0}).isFailure());
    EXPECT_TRUE(run("DO_FormatMem").isFailure());
    EXPECT_EQ(device->records().count(), 6u) << "untouched";
    EXPECT_TRUE(run("WR_MaschNr", textParam("999999")).isFailure());
    // Leaving it through its own command.
    ASSERT_TRUE(run("WR_Messmodus", {0}).isAck());
    EXPECT_EQ(run("RD_FramDataNum").payload, Bytes{6});
}

TEST_F(DeviceRecords, WritingTheSerialNumber) {
    ASSERT_TRUE(run("WR_MaschNr", textParam("ABC123")).isAck());
    EXPECT_EQ(info(3).text(), "ABC123");
    EXPECT_TRUE(run("WR_MaschNr", Bytes{'A', 'B', 0x01, '1', '2', '3'}).isFailure()) << "printable only";
    EXPECT_EQ(info(3).text(), "ABC123");
    EXPECT_EQ(run("WR_MaschNr", textParam("ABC12")).le32(), 0x20u) << "exactly six characters";
}

TEST_F(DeviceRecords, MemoryHoldsAtMost254) {
    DeviceSettings s;
    s.storedRecords = 400;
    remake(s);
    EXPECT_EQ(run("RD_FramDataNum").payload, Bytes{254});
    const Reply last = run("RD_FramDataHead", {253});
    ASSERT_TRUE(last.isData());
    EXPECT_EQ(last.payload[33], 253 % 3 + 1);
    measure("DO_MesAktuell");
    EXPECT_TRUE(run("DO_FramDataSave").isFailure()) << "full";
}

TEST_F(DeviceRecords, SaveRenameAndDelete) {
    DeviceSettings s;
    s.storedRecords = 0;
    remake(s);
    EXPECT_TRUE(run("DO_FramDataSave").isFailure()) << "nothing measured yet";
    measure("DO_MesAktuell");
    ASSERT_TRUE(run("DO_FramDataSave").isAck());
    EXPECT_TRUE(run("WR_FramDataName", textParam("Neuer Name")).isFailure()) << "no record loaded yet";
    ASSERT_TRUE(run("RD_FramData", {0}).isAck());
    ASSERT_TRUE(run("WR_FramDataName", textParam("Neuer Name")).isAck());
    const Reply h = run("RD_FramDataHead", {0});
    EXPECT_EQ(std::string(h.payload.begin(), h.payload.begin() + 10), "Neuer Name");
    EXPECT_EQ(h.payload[33], 1);
    ASSERT_TRUE(run("DO_FramDataDelete", {0}).isAck());
    EXPECT_EQ(run("RD_FramDataNum").payload, Bytes{0});
}

} // namespace
} // namespace kav::sim::test
