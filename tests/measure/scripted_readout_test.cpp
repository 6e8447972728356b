// Exact request sequences against a scripted device whose change report,
// values and array descriptors the test chooses.
#include <gtest/gtest.h>

#include "com_usb.h"
#include "fake_kav.h"
#include "measurement_cycle.h"
#include "quiet_host.h"

namespace kav::measure::test {
namespace {

using testkit::Bytes;

Bytes text(const std::string& s) { return testkit::textPayload(s); }

class Scripted : public ::testing::Test {
protected:
    testkit::FakeKav kav = testkit::FakeKav::standard();
    testkit::ScriptedFtApi ft;
    std::unique_ptr<ComUSB> link;
    QuietHost host;
    std::unique_ptr<MeasurementCycle> cycle;
    // Bytes 1-10 of the change report.
    Bytes update{3, 0x01, 1, 0, 0, 0, 0, 0, 0, 0};

    void SetUp() override {
        kav.commands.push_back({"RD_InfoArray", "06 07 N I I "});
        kav.infos.assign(72, testkit::FakeInfo{"Wert", "B", 'B', {0}});
        kav.infos[8].payload = {0x02}; // PC measurement mode, not busy
        kav.infos[18] = {"Geber", "S", 'S', text("ENC-1")};
        kav.infos[24] = {"Impulszahl", "L", 'L', {0x00, 0x04, 0, 0}};
        kav.infos[25] = {"Drehzahl", "Q", 'Q', {0x00, 0x00, 0xDC, 0x05}};
        kav.handlers[0x05] = [this](const Bytes&) { return testkit::replyFrame(0x81, 'B', update); };
        // Array elements carry their own index.
        kav.handlers[0x07] = [](const Bytes& r) -> std::optional<Bytes> {
            const int array = r[2], from = r[3] << 8 | r[4], to = r[5] << 8 | r[6];
            Bytes payload;
            for (int i = from; i <= to; ++i) {
                if (array == 60)
                    payload.insert(payload.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8)});
                else if (array == 69)
                    payload.push_back(static_cast<std::uint8_t>(i));
                else
                    payload.insert(payload.end(), {static_cast<std::uint8_t>(i), 0, 0, 0});
            }
            return testkit::replyFrame(0x81, array == 60 ? 'I' : array == 69 ? 'B' : 'L', payload);
        };
        ft.responder = [this](const Bytes& frame) { return kav.reply(frame); };
        link = std::make_unique<ComUSB>(ft);
        std::string diagnose;
        ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
        cycle = std::make_unique<MeasurementCycle>(*link, host);
        kav.requests.clear();
    }
    // Requests of one kind: "RD_Info" values as numbers, arrays as "A|FROM|TO".
    std::vector<std::string> sent(const std::string& codeHex) {
        std::vector<std::string> out;
        for (const std::string& r : kav.requests) {
            if (r.substr(2, 2) != codeHex)
                continue;
            auto at = [&](std::size_t i, std::size_t n) { return std::stoi(r.substr(4 + 2 * i, 2 * n), nullptr, 16); };
            out.push_back(codeHex == "03" ? std::to_string(at(0, 1))
                                          : std::to_string(at(0, 1)) + "|" + std::to_string(at(1, 2)) + "|" +
                                                std::to_string(at(3, 2)));
        }
        return out;
    }
};

TEST_F(Scripted, OnlyTheValuesTheMaskNames) {
    update[3] = 0b01010110; // positions 2, 3, 5, 7: speed, frequency, symmetry 90, track error
    update[4] = 0b00000010; // position 10: current
    kav.infos[33] = {"Strom", "I", 'I', {0x2C, 0x01}};
    AktuellWerte live;
    EXPECT_EQ(cycle->DateiTyp1Lesen(live).stand, Lesestand::Fertig);
    EXPECT_EQ(sent("03"), (std::vector<std::string>{"8", "24", "18", "25", "26", "28", "30", "33"}));
    EXPECT_EQ(live.Stromaufnahme, 300);
    EXPECT_FLOAT_EQ(live.Drehzahl, 1500.0f);
}

TEST_F(Scripted, NoSpeedNoResult) {
    update[3] = 0b01111100; // everything but position 2
    AktuellWerte live;
    EXPECT_NE(cycle->DateiTyp1Lesen(live).stand, Lesestand::Fertig);
    EXPECT_EQ(cycle->AbfrageZaehler, 1);
    EXPECT_EQ(sent("03"), (std::vector<std::string>{"8", "24", "18"}));
}

TEST_F(Scripted, ShortListOfThree) {
    update[3] = 0b00000010;
    update[8] = 0b01100000; // positions 14, 15: the two lists
    kav.infos[69] = {"AbwWert", "S", 'S', text("069 B 0003 005")};
    kav.infos[70] = {"AbwPos", "S", 'S', text("070 L 0003 005")};
    SchlechtimpulsWerte live;
    live.AbwWert = {9, 9, 9, 9, 9};
    live.AbwPos = {9, 9, 9, 9, 9};
    EXPECT_EQ(cycle->DateiTyp2Lesen(live).stand, Lesestand::Fertig);
    EXPECT_EQ(sent("07"), (std::vector<std::string>{"69|0|4", "70|0|4"}));
    EXPECT_EQ(live.AbwWert, (std::array<std::uint8_t, 5>{0, 1, 2, 9, 9}));
    EXPECT_EQ(live.AbwPos, (std::array<std::int32_t, 5>{0, 1, 2, 9, 9}));
}

TEST_F(Scripted, DescriptorsThatCannotBeRead) {
    update[3] = 0b00000010;
    update[8] = 0b00100000;
    for (const char* d : {"069 B 0003", "069 B 0x03 005", "69 B 0003 005", "069 B 0003 0-5"}) {
        SCOPED_TRACE(d);
        kav.infos[69] = {"AbwWert", "S", 'S', text(d)};
        host.meldungen.clear();
        SchlechtimpulsWerte live;
        EXPECT_EQ(cycle->DateiTyp2Lesen(live).stand, Lesestand::Fertig);
        EXPECT_EQ(host.meldungen, (std::vector<std::string>{"Die Größe des Arrays ist '000'."}));
        EXPECT_TRUE(sent("07").empty());
    }
}

TEST_F(Scripted, ThousandSamplesWithTheLastBlockClamped) {
    update[3] = 0b00000010;
    update[7] = 0b00010000; // position 13: the series
    kav.infos[60] = {"Drehschwebung", "S", 'S', text("060 I 1000 120")};
    DrehschwebungWerte live;
    EXPECT_EQ(cycle->DateiTyp3Lesen(live).stand, Lesestand::Fertig);
    const std::vector<std::string> blocks{"60|0|119",   "60|120|239", "60|240|359", "60|360|479", "60|480|599",
                                          "60|600|719", "60|720|839", "60|840|959", "60|960|999"};
    EXPECT_EQ(sent("07"), blocks);
    const std::vector<std::string> clamp{"Groesse 1000| Von 960| Bis 1079", "Bis (neu) 999"};
    EXPECT_NE(std::search(host.debug.begin(), host.debug.end(), clamp.begin(), clamp.end()), host.debug.end());
    EXPECT_EQ(live.Messdaten.size(), 4000u);
    EXPECT_EQ(live.AnzahlMesswerte, 1000);
    EXPECT_EQ(live.Messdaten.substr(4 * 999), "E703");
}

} // namespace
} // namespace kav::measure::test
