#pragma once
// The measurement logic against the in-process simulated KAV100 on a manual
// clock, with a host that records what the logic asked of the window and a
// converter that records every request frame.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "com_usb.h"
#include "forwarding_ft_api.h"
#include "language_table.h"
#include "measurement_cycle.h"
#include "scenario_flags.h"
#include "simulated_converter.h"

namespace kav::measure::test {

class RecordingHost final : public MeasureHost {
public:
    std::string sprache = "E";
    std::vector<std::string> meldungen, debug, tages, fehler;
    int beschaeftigtAn = 0, beschaeftigtAus = 0;
    bool beschaeftigtJetzt = false;

    void meldung(const std::string& text) override { meldungen.push_back(text); }
    void debugLog(const std::string& zeile) override { debug.push_back(zeile); }
    void tagesLog(const std::string& zeile) override { tages.push_back(zeile); }
    void fehlerLog(const std::string& zeile) override { fehler.push_back(zeile); }
    void beschaeftigt(bool an) override {
        (an ? beschaeftigtAn : beschaeftigtAus)++;
        beschaeftigtJetzt = an;
    }
    std::string sprachText(const std::string& deutsch) override { return texts::sprachText(deutsch, sprache); }

    std::string letzteMeldung() const { return meldungen.empty() ? std::string("<none>") : meldungen.back(); }
};

// Keeps every request frame on its way to the simulated converter.
class RecordingFt final : public testkit::ForwardingFtApi {
public:
    using ForwardingFtApi::ForwardingFtApi;
    std::vector<std::vector<std::uint8_t>> frames;
    void written(const std::uint8_t* bytes, ft::DWORD n) override { frames.emplace_back(bytes, bytes + n); }
};

class MeasureTest : public ::testing::Test {
protected:
    ManualClock clock;
    std::unique_ptr<sim::SimulatedConverter> sim;
    std::unique_ptr<RecordingFt> ft;
    std::unique_ptr<ComUSB> link;
    RecordingHost host;
    std::unique_ptr<MeasurementCycle> cycle;
    PollResult letzterTick; // what the last tick of poll() gave

    // A freshly connected device with the simulator's flags (e.g. "--steady --speed 50").
    void make(const std::string& flags = {}) {
        sim::SimOptions o;
        std::string error;
        ASSERT_TRUE(sim::applySimFlags(sim::splitFlags(flags), o, error)) << error;
        o.clock = &clock;
        sim = std::make_unique<sim::SimulatedConverter>(o);
        ft = std::make_unique<RecordingFt>(*sim);
        LinkHooks hooks;
        hooks.clock = &clock;
        link = std::make_unique<ComUSB>(*ft, hooks);
        std::string diagnose;
        ASSERT_EQ(link->COM_USBOeffnen(diagnose), 0) << diagnose;
        cycle = std::make_unique<MeasurementCycle>(*link, host);
        ft->frames.clear();
    }
    void SetUp() override { make(); }
    sim::Kav100Device& device() { return sim->device(); }

    // The requests since the last call, e.g. "DO_MesAktuell", "RD_Info 24",
    // "RD_InfoArray 60|0|119".
    std::vector<std::string> requests() {
        std::vector<std::string> out;
        for (const auto& f : ft->frames) {
            std::string text = device().commandNameOf(f);
            const auto p = [&](std::size_t i) { return static_cast<int>(f.at(2 + i)); };
            if (text == "RD_Info")
                text += " " + std::to_string(p(0));
            else if (text == "RD_InfoArray")
                text += " " + std::to_string(p(0)) + "|" + std::to_string(p(1) << 8 | p(2)) + "|" +
                        std::to_string(p(3) << 8 | p(4));
            else if (text == "DO_MesDrehschwebung")
                text += " " + std::to_string(p(0));
            out.push_back(text);
        }
        ft->frames.clear();
        return out;
    }

    // Starts the mode's measurement and ticks every 500 ms until the tick
    // gives something other than Again; `ticks` counts the ticks.
    template <class Werte>
    PollOutcome measure(Werte& live, int* ticks = nullptr) {
        Start started = Start::Abgelehnt;
        if constexpr (std::is_same_v<Werte, AktuellWerte>)
            started = cycle->DateiTyp1Live();
        else if constexpr (std::is_same_v<Werte, SchlechtimpulsWerte>)
            started = cycle->DateiTyp2Live();
        else
            started = cycle->DateiTyp3Live();
        EXPECT_EQ(started, Start::Gestartet) << host.letzteMeldung();
        return poll(live, ticks);
    }
    template <class Werte>
    PollOutcome poll(Werte& live, int* ticks = nullptr) {
        for (int n = 1; n <= 100; ++n) {
            clock.advance(std::chrono::milliseconds(kPollIntervalMs));
            letzterTick = cycle->pollTick(live);
            const PollOutcome o = letzterTick.ergebnis;
            if (o != PollOutcome::Again || n == 100) {
                if (ticks)
                    *ticks = n;
                return o;
            }
        }
        return PollOutcome::Again;
    }
};

} // namespace kav::measure::test
