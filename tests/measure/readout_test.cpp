// The three readouts against the simulated device: what they ask for, in
// which order, and what lands in the live record.
#include <algorithm>

#include "bit_text.h"
#include "display_rules.h"
#include "measure_fixture.h"

namespace kav::measure::test {
namespace {

using Requests = std::vector<std::string>;

// The requests of the last tick: from the last change report on.
Requests lastTick(const Requests& all) {
    const auto it = std::find(all.rbegin(), all.rend(), "RD_InfoUpdate");
    return it == all.rend() ? all : Requests(std::prev(it.base()), all.end());
}

TEST(BitTexts, LeastSignificantBitFirst) {
    EXPECT_EQ(ZuBitText(5, 8), "00000101");
    EXPECT_EQ(ZuBitText(0x1FF, 8), "11111111");
    EXPECT_EQ(ZuBitText(-1, 4), "1111");
    EXPECT_EQ(StatusBits(0x05), "10100000");
    EXPECT_EQ(AenderungsMaske(0x7E, 0x03), "0111111011000000");
}

class Readout : public MeasureTest {};

TEST_F(Readout, CurrentValues) {
    AktuellWerte live;
    ASSERT_EQ(measure(live), PollOutcome::Finished);
    EXPECT_EQ(requests(), (Requests{"DO_MesAktuell", "RD_InfoUpdate", "RD_Info 8", "RD_Info 24", "RD_Info 18",
                                    "RD_Info 25", "RD_Info 26", "RD_Info 27", "RD_Info 28", "RD_Info 29", "RD_Info 30",
                                    "RD_Info 32", "RD_Info 33"}));
    const sim::MeasurementResult& r = device().currentResult();
    EXPECT_EQ(live.Impulszahl, 1024);
    EXPECT_FLOAT_EQ(live.Drehzahl, static_cast<float>(r.speedRpm()));
    EXPECT_EQ(live.Frequenz, r.frequencyHz);
    EXPECT_EQ(live.Symmetrie0, r.symmetry0);
    EXPECT_EQ(live.Symmetrie90, r.symmetry90);
    EXPECT_EQ(live.Phasenlage, r.phase);
    EXPECT_EQ(live.Spurfehler, r.trackError);
    EXPECT_FLOAT_EQ(live.Versorgungsspannung, r.supplyRaw / 256.0f);
    EXPECT_EQ(live.Stromaufnahme, r.currentMilliamps);
    EXPECT_EQ(live.GeberSN, "G4711023");
    EXPECT_TRUE(letzterTick.geberGelesen);
    // One debug line per value read, with the reply's bytes.
    EXPECT_EQ(host.debug.size(), 10u);
    EXPECT_EQ(host.debug.front(), "DateiTyp1Lesen -> &H00040000");
    EXPECT_EQ(host.beschaeftigtAn, host.beschaeftigtAus);
    EXPECT_FALSE(host.beschaeftigtJetzt);
    EXPECT_TRUE(host.meldungen.empty());
}

TEST_F(Readout, BadPulsesWithTheirLists) {
    make("--deviations 3 --deviation-value 250");
    SchlechtimpulsWerte live;
    ASSERT_EQ(measure(live), PollOutcome::Finished);
    EXPECT_EQ(lastTick(requests()),
              (Requests{"RD_InfoUpdate", "RD_Info 8", "RD_Info 24", "RD_Info 18", "RD_Info 25", "RD_Info 26",
                        "RD_Info 65", "RD_Info 66", "RD_Info 67", "RD_Info 68", "RD_Info 69", "RD_InfoArray 69|0|4",
                        "RD_Info 70", "RD_InfoArray 70|0|4", "RD_Info 71"}));
    const sim::MeasurementResult& r = device().currentResult();
    EXPECT_EQ(live.AbwWert, (std::array<std::uint8_t, 5>{250, 250, 250, 0, 0}));
    EXPECT_EQ(live.AbwPos, (std::array<std::int32_t, 5>{10, 20, 30, 0, 0}));
    EXPECT_EQ(live.MaxPositiv, r.maxPositive);
    EXPECT_EQ(live.PosMaxPositiv, r.posMaxPositive);
    EXPECT_EQ(live.MaxNegativ, r.maxNegative);
    EXPECT_EQ(live.PosMaxNegativ, r.posMaxNegative);
    EXPECT_EQ(live.AnzahlAbweichungen, r.deviationCount);
    EXPECT_EQ(live.Frequenz, r.frequencyHz);
}

TEST_F(Readout, ListsKeepWhatTheLastBlockDidNotWrite) {
    struct Case {
        const char* flags;
        std::array<std::int32_t, 5> positions;
        Requests arrayRequests;
    };
    const Case cases[] = {
        {"--deviations 3", {10, 20, 30, -4, -5}, {"RD_InfoArray 69|0|4", "RD_InfoArray 70|0|4"}},
        // A block length of 7 is read in blocks of 5; the last block writes entries 1 and 2.
        {"--deviations 7 --deviation-block 7",
         {60, 70, 30, 40, 50},
         {"RD_InfoArray 69|0|4", "RD_InfoArray 69|5|9", "RD_InfoArray 70|0|4", "RD_InfoArray 70|5|9"}},
        // An empty list is not asked for.
        {"--deviations 0", {-1, -2, -3, -4, -5}, {}},
        {"--deviations 3 --fail-array-block 70:0",
         {-1, -2, -3, -4, -5},
         {"RD_InfoArray 69|0|4", "RD_InfoArray 70|0|4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        make(c.flags);
        ASSERT_EQ(cycle->DateiTyp2Live(), Start::Gestartet);
        clock.advance(std::chrono::seconds(5));
        requests();
        SchlechtimpulsWerte live;
        live.AbwPos = {-1, -2, -3, -4, -5};
        EXPECT_EQ(cycle->DateiTyp2Lesen(live).stand, Lesestand::Fertig);
        EXPECT_EQ(live.AbwPos, c.positions);
        Requests arrays;
        for (const auto& r : requests())
            if (r.rfind("RD_InfoArray", 0) == 0)
                arrays.push_back(r);
        EXPECT_EQ(arrays, c.arrayRequests);
    }
}

TEST_F(Readout, OscillationWithItsSeries) {
    make("--samples 250");
    DrehschwebungWerte live;
    ASSERT_EQ(measure(live), PollOutcome::Finished);
    EXPECT_EQ(lastTick(requests()),
              (Requests{"RD_InfoUpdate", "RD_Info 8", "RD_Info 24", "RD_Info 18", "RD_Info 25", "RD_Info 26",
                        "RD_Info 56", "RD_Info 57", "RD_Info 58", "RD_Info 59", "RD_Info 60", "RD_InfoArray 60|0|119",
                        "RD_InfoArray 60|120|239", "RD_InfoArray 60|240|249"}));
    // The clamped last block with its two lines.
    const auto groesse = std::find(host.debug.begin(), host.debug.end(), "Groesse 250| Von 240| Bis 359");
    ASSERT_NE(groesse, host.debug.end());
    EXPECT_EQ(*std::next(groesse), "Bis (neu) 249");
    const sim::MeasurementResult& r = device().currentResult();
    EXPECT_EQ(live.AnzahlMesswerte, 250);
    ASSERT_EQ(live.Messdaten.size(), 1000u);
    EXPECT_EQ(live.Impulszahl, 1024);
    EXPECT_EQ(live.Umdrehungen, 1);
    EXPECT_EQ(live.MinWert, r.minimum);
    EXPECT_EQ(live.MaxWert, r.maximum);
    EXPECT_EQ(live.Frequenz, r.frequencyHz);
    const auto samples = messwerte(live);
    EXPECT_TRUE(std::equal(samples.begin(), samples.end(), r.samples.begin(), r.samples.end()));
}

TEST_F(Readout, SeriesLengthsAndBlocks) {
    struct Case {
        const char* flags;
        int count;    // AnzahlMesswerte afterwards
        int requests; // RD_InfoArray requests
        const char* lastArray;
        const char* message; // "" none
    };
    const Case cases[] = {
        {"--samples 1", 1, 1, "RD_InfoArray 60|0|0", ""},
        {"--samples 300", 300, 3, "RD_InfoArray 60|240|299", ""},
        {"--samples 20 --samples-block 7", 20, 3, "RD_InfoArray 60|14|19", ""},
        // The descriptor's 9999 means 10000.
        {"--samples 10000", 10000, 84, "RD_InfoArray 60|9960|9999", ""},
        // A series of really 9999: the last block comes back one short, and only what came counts.
        {"--samples 9999", 9999, 84, "RD_InfoArray 60|9960|9999", ""},
        {"--samples 300 --short-array-block 60:120", 180, 2, "RD_InfoArray 60|120|239", ""},
        {"--samples 300 --fail-array-block 60:120", 120, 2, "RD_InfoArray 60|120|239", ""},
        {"--samples 300 --samples-block 0", 0, 0, "", "Size of array is '000'."},
        {"--samples 300 --samples-block 1", 0, 0, "", "Size of array is '000'."},
        {"--samples 0", 0, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        host = RecordingHost{};
        make(c.flags);
        DrehschwebungWerte live;
        ASSERT_EQ(measure(live), PollOutcome::Finished);
        Requests arrays;
        for (const auto& r : requests())
            if (r.rfind("RD_InfoArray", 0) == 0)
                arrays.push_back(r);
        EXPECT_EQ(live.AnzahlMesswerte, c.count);
        EXPECT_EQ(live.Messdaten.size(), 4u * c.count);
        EXPECT_EQ(static_cast<int>(arrays.size()), c.requests);
        EXPECT_EQ(arrays.empty() ? "" : arrays.back(), c.lastArray);
        EXPECT_EQ(host.meldungen.empty() ? "" : host.meldungen.back(), c.message);
    }
}

TEST_F(Readout, StoredRecordSkipsTheTestsAndKeepsTheSerial) {
    ASSERT_EQ(cycle->DateiTyp1Live(), Start::Gestartet);
    clock.advance(std::chrono::seconds(1));
    requests();
    AktuellWerte live;
    live.GeberSN = "K1";
    const Lesung l = cycle->DateiTyp1Lesen(live, Quelle::Speicher);
    EXPECT_EQ(l.stand, Lesestand::Fertig);
    const Requests r = requests();
    EXPECT_EQ(std::count(r.begin(), r.end(), "RD_Info 8"), 0);
    EXPECT_EQ(std::count(r.begin(), r.end(), "RD_Info 18"), 1);
    EXPECT_FALSE(l.geberGelesen);
    EXPECT_EQ(live.GeberSN, "K1");
    EXPECT_EQ(live.Impulszahl, 1024);
}

TEST_F(Readout, TrackErrorsGoToTheErrorLog) {
    struct Case {
        const char* flags;
        std::vector<std::string> lines;
    };
    const Case cases[] = {{"--track-error 1", {"Error on 0 and 90 line"}},
                          {"--track-error 2", {"Error on 0 line"}},
                          {"--track-error 3", {"Error on 90 line"}},
                          {"--track-error 0", {}},
                          {"--track-error 7", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        host = RecordingHost{};
        make(c.flags);
        AktuellWerte live;
        ASSERT_EQ(measure(live), PollOutcome::Finished);
        EXPECT_EQ(host.fehler, c.lines);
    }
}

} // namespace
} // namespace kav::measure::test
