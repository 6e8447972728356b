// The link against the in-process simulated device: open, command list,
// handshake, info list, identity, and every workflow the program runs.
#include <gtest/gtest.h>

#include "sim_link_fixture.h"

namespace kav::sim::test {
namespace {
using namespace std::chrono_literals;

class InProcess : public SimLinkTest {};

TEST_F(InProcess, OpensReadsTheListsAndPassesTheHandshake) {
    const auto start = clock.now();
    ASSERT_EQ(open(), 0) << diagnose;
    EXPECT_TRUE(link->isOpen());
    EXPECT_LT(clock.now() - start, 1ms) << "without wire time nothing waits";
    EXPECT_TRUE(device().versionAccepted());

    const auto& list = device().commandList();
    ASSERT_EQ(link->commandCount(), static_cast<int>(list.size()) - 1);
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_EQ(link->befehlsliste()[i].Name, list[i].name);
        EXPECT_EQ(link->befehlsliste()[i].arr_Struktur_txt, list[i].structure);
    }
    EXPECT_EQ(link->StrukturRDInfoText, "03 11 N N ");
    EXPECT_EQ(link->StrukturRDInfo, "02 10 N ");
    EXPECT_EQ(link->StrukturWRPCVers, "09 12 CCCCCCCC ");

    ASSERT_EQ(link->infoCount(), kInfoListLength);
    EXPECT_EQ(link->infoListe()[0].Name, "Firmware");
    EXPECT_EQ(link->infoListe()[0].Wert, "V2.13");
    EXPECT_EQ(link->infoListe()[3].Wert, "070123");
    EXPECT_EQ(link->infoListe()[3].Anfrage, "021003");
    EXPECT_EQ(link->infoListe()[8].Wert, "2") << "PC measurement mode";
    EXPECT_EQ(link->infoListe()[10].Wert, "&H000927C0") << "600000 as an L value";
    EXPECT_EQ(link->infoListe()[18].Wert, "G4711023");
    EXPECT_EQ(link->infoListe()[19].Name, "");
}

TEST_F(InProcess, IdentityAndStatusAsTheConnectionReadsThem) {
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(program->text("RD_Info", "3"), "070123");
    EXPECT_EQ(program->text("RD_Info", "0"), "V2.13");
    EXPECT_EQ(program->number("RD_Info", "8", "B"), 2.0);
    EXPECT_EQ(link->COM_USBSchliessen(), 0);
}

TEST_F(InProcess, CurrentValuesWorkflow) {
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(program->text("DO_MesAktuell"), "OK");
    std::string update = program->raw("RD_InfoUpdate");
    EXPECT_EQ(Program::byteOf(update, 2) & 1, 0) << "not ready at once";
    clock.advance(500ms); // one poll tick
    update = program->raw("RD_InfoUpdate");
    ASSERT_EQ(update.size(), 20u) << "no byte trimmed away";
    EXPECT_EQ(Program::byteOf(update, 2) & 1, 1);
    const int mask = Program::byteOf(update, 4) | (Program::byteOf(update, 5) << 8);
    EXPECT_EQ(mask & 0x2, 0x2) << "position 2: the result is complete";
    // k -> value number as the readout walks the mask.
    const int numbers[16] = {0, 25, 26, 27, 28, 29, 30, 0, 32, 33, 0, 0, 0, 0, 0, 0};
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ((mask >> k) & 1, numbers[k] ? 1 : 0) << "k " << k;
    EXPECT_EQ(program->info(24, "L"), 1024);
    const double rpm = program->info(25, "Q");
    EXPECT_NEAR(rpm, 1500, 15);
    EXPECT_NEAR(program->info(26, "L"), 1024 * rpm / 60, 1);
    for (int n : {27, 28}) {
        const double b = program->info(n, "C");
        EXPECT_TRUE(b == 110 || b == 120 || b <= 15 || b >= 241) << n << ": " << b;
    }
    EXPECT_NEAR(program->info(32, "P"), 24.0, 0.5);
    EXPECT_NEAR(program->info(33, "I"), 86, 10);
    EXPECT_LE(program->info(30, "B"), 3);
    EXPECT_EQ(program->text("RD_Info", "18"), "G4711023");
}

TEST_F(InProcess, BadPulseWorkflowWithItsArrays) {
    ASSERT_EQ(open(), 0);
    int listed = 0;
    for (int round = 0; round < 10 && listed == 0; ++round) {
        ASSERT_EQ(program->text("DO_MesSchlechtimpuls"), "OK");
        int polls = 0;
        for (;; ++polls) {
            ASSERT_LT(polls, 20) << "within the program's 20 polls";
            clock.advance(500ms);
            const std::string u = program->raw("RD_InfoUpdate");
            if (!(Program::byteOf(u, 2) & 1) || (static_cast<int>(program->info(8, "B")) & 4))
                continue;
            EXPECT_EQ(Program::byteOf(u, 4) & 0x6, 0x6);
            EXPECT_EQ(Program::byteOf(u, 9), 0xFE) << "65-71 at positions 10-16";
            break;
        }
        const std::string descriptor = program->infoText(69);
        ASSERT_EQ(descriptor.size(), 14u);
        const int count = std::stoi(descriptor.substr(6, 4));
        const int block = std::stoi(descriptor.substr(11, 3));
        EXPECT_EQ(block, 5);
        if (count == 0)
            continue;
        listed = count;
        const std::string values = program->raw("RD_InfoArray", "69|0|4");
        const std::string positions = program->raw("RD_InfoArray", "70|0|4");
        ASSERT_EQ(values.size(), static_cast<std::size_t>(2 * count));
        ASSERT_EQ(positions.size(), static_cast<std::size_t>(8 * count));
        for (int i = 0; i < count; ++i) {
            const double v = COM_WertLesen(values.substr(static_cast<std::size_t>(2 * i), 2), "B").toNumber();
            const double p = COM_WertLesen(positions.substr(static_cast<std::size_t>(8 * i), 8), "L").toNumber();
            EXPECT_LE(v, 255);
            EXPECT_GE(p, 0);
            EXPECT_LT(p, 1024);
        }
        EXPECT_GE(program->info(71, "L"), count);
    }
    EXPECT_GT(listed, 0) << "some measurement lists deviations";
}

TEST_F(InProcess, OscillationWorkflowReadsTheSamplesInBlocks) {
    ASSERT_EQ(open(), 0);
    ASSERT_EQ(program->text("DO_MesDrehschwebung", "1"), "OK");
    int polls = 0;
    for (;; ++polls) {
        ASSERT_LT(polls, 20);
        clock.advance(500ms);
        const std::string u = program->raw("RD_InfoUpdate");
        if ((Program::byteOf(u, 2) & 1) && !(static_cast<int>(program->info(8, "B")) & 4)) {
            EXPECT_EQ(Program::byteOf(u, 8) & 0x10, 0x10) << "position 13: the array";
            break;
        }
    }
    EXPECT_GE(program->info(24, "L"), 200);
    const std::string descriptor = program->infoText(60);
    const int count = std::stoi(descriptor.substr(6, 4));
    const int block = std::stoi(descriptor.substr(11, 3));
    ASSERT_EQ(count, 200);
    std::string samples;
    int requests = 0;
    for (int from = 0, to = block - 1; from < count; from = to + 1, to += block) {
        if (to > count - 1)
            to = count - 1;
        const std::string part = program->raw("RD_InfoArray", "60|" + std::to_string(from) + "|" + std::to_string(to));
        ASSERT_NE(COM_WertLesen(part, "S").toText(), "ERROR");
        samples += part;
        ++requests;
    }
    EXPECT_EQ(requests, 2);
    ASSERT_EQ(samples.size(), 4u * 200u);
    double mn = 1e9, mx = -1e9;
    for (int i = 0; i < count; ++i) {
        const double s = COM_WertLesen(samples.substr(static_cast<std::size_t>(4 * i), 4), "I").toNumber();
        mn = std::min(mn, s);
        mx = std::max(mx, s);
    }
    EXPECT_EQ(program->info(57, "I"), mn);
    EXPECT_EQ(program->info(58, "I"), mx);
    EXPECT_EQ(program->info(56, "C"), 1);
}

TEST_F(InProcess, StoredRecordsWorkflow) {
    ASSERT_EQ(open(), 0);
    const int n = static_cast<int>(program->number("RD_FramDataNum", "", "B"));
    ASSERT_EQ(n, 6);
    for (int i = 0; i < n; ++i) {
        const std::string h = program->raw("RD_FramDataHead", std::to_string(i));
        ASSERT_EQ(h.size(), 68u) << "34 bytes, nothing trimmed";
        EXPECT_EQ(COM_WertLesen(h.substr(0, 20), "S").toText().size(), 10u);
        EXPECT_EQ(COM_WertLesen(h.substr(40, 12), "S").toText(), "070123");
        EXPECT_EQ(std::stoi(h.substr(66, 2), nullptr, 16), i % 3 + 1);
    }
    // Loading record 2 (oscillation) as the status poll would.
    EXPECT_EQ(program->text("RD_FramData", "2"), "OK");
    const std::string u = program->raw("RD_InfoUpdate");
    EXPECT_EQ(Program::byteOf(u, 4) & 0x2, 0x2);
    EXPECT_EQ(Program::byteOf(u, 8) & 0x10, 0x10);
    const StoredRecord* r = device().records().at(2);
    EXPECT_EQ(program->info(24, "L"), r->result.pulsesPerRevolution);
    EXPECT_EQ(program->text("RD_Info", "18"), r->result.encoderSerial);
}

TEST_F(InProcess, AdministratorOperations) {
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(program->text("WR_MaschNr", "ABC123"), "OK");
    EXPECT_EQ(program->text("RD_Info", "3"), "ABC123");
    EXPECT_EQ(program->text("WR_MaschNr", "X1"), "OK") << "the program pads to six characters";
    EXPECT_EQ(program->text("RD_Info", "3"), "X1    ");
    EXPECT_EQ(program->text("DO_FormatMem"), "OK");
    EXPECT_EQ(program->number("RD_FramDataNum", "", "B"), 0);
}

TEST_F(InProcess, MeasuringModeAndOtherConditionsReachTheReaders) {
    ASSERT_EQ(open(), 0);
    device().scenario().ownMeasuringMode = true;
    EXPECT_EQ(program->number("RD_FramDataNum", "", "B"), 255);
    EXPECT_EQ(static_cast<int>(program->info(8, "B")) & 8, 8);
    EXPECT_EQ(program->text("DO_FormatMem"), "ERROR");
    device().scenario().ownMeasuringMode = false;
    device().scenario().deviceError = true;
    EXPECT_EQ(static_cast<int>(program->info(8, "B")) & 1, 1);
    device().scenario().deviceError = false;
    device().scenario().notPcMode = true;
    EXPECT_EQ(static_cast<int>(program->info(8, "B")) & 2, 0);
    device().scenario().notPcMode = false;
    device().scenario().busyForever = true;
    EXPECT_EQ(static_cast<int>(program->info(8, "B")) & 4, 4);
}

TEST_F(InProcess, WireTimeStaysCloseToThePhysicalLimit) {
    SimOptions o;
    o.wireTime = true;
    make(o);
    const auto start = clock.now();
    ASSERT_EQ(open(), 0);
    const auto took = clock.now() - start;
    const WireTiming wire{true};
    // One USB round trip per request and per purge (the open's first request purges).
    const auto limit = wire.forBytes(ft->line().bytesFromHost() + ft->line().bytesToHost()) +
                       (ft->line().requestsReceived() + ft->calls().purge) * std::chrono::milliseconds(1);
    EXPECT_EQ(ft->calls().purge, 1);
    // Equal up to the nanoseconds each frame's time is rounded to.
    EXPECT_LT(std::chrono::abs(took - limit), 1us) << "the link adds no wait of its own";
    EXPECT_GT(took, 100ms);
}

} // namespace
} // namespace kav::sim::test
