// The guided test run with a fake step runner: order, prompts, cancel, ERROR,
// the run's folder, and nothing left behind when a run is not kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "atomic_file.h"
#include "record_file.h"
#include "test_run.h"

namespace kav::verdict {
namespace {

namespace fs = std::filesystem;

class FakeRunner : public StepRunner {
public:
    std::vector<std::string>* log = nullptr;
    std::optional<Step> failing;
    std::optional<Step> cancelling;
    StepOutcome run(Step step) override {
        log->push_back("run " + std::to_string(static_cast<int>(step) + 1));
        StepOutcome o;
        o.encoderSerial = serial;
        if (step == failing)
            o.failure = "Messung nicht möglich. Time out.";
        else if (step == cancelling)
            o.cancelled = true;
        else if (step == Step::CurrentValues)
            o.record = current;
        else if (step == Step::BadPulses)
            o.record = measure::SchlechtimpulsWerte{.Impulszahl = 1024, .Drehzahl = 1500}; // no deviations
        else
            o.record = measure::DrehschwebungWerte{.Messdaten = "0100FFFF", .AnzahlMesswerte = 2, .Impulszahl = 1024,
                                                   .Drehzahl = 1500, .MinWert = -1, .MaxWert = 1};
        return o;
    }
    std::string serial = "12345678";
    measure::AktuellWerte current{.Impulszahl = 1024, .Drehzahl = 1500, .Stromaufnahme = 100};
};

class TestRunFixture : public ::testing::Test {
protected:
    fs::path out;
    std::vector<std::string> log;
    FakeRunner runner;
    ManualClock clock;
    Profile profile{"p", {}};
    RunCallbacks callbacks;
    std::string protocolFailure;

    void SetUp() override {
        out = fs::temp_directory_path() /
              ("kav_verdict_run_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(out);
        fs::create_directories(out);
        runner.log = &log;
        clock.setLocalTime({2008, 3, 7, 9, 5, 0});
        profile[Limit::CurrentMaMax] = Range{std::nullopt, 150.0};
        callbacks.prompt = [this](Step, int n, int total) {
            log.push_back("prompt " + std::to_string(n) + "/" + std::to_string(total));
            return true;
        };
        callbacks.progress = [this](Step, int n, int) { log.push_back("step " + std::to_string(n)); };
        callbacks.writeProtocol = [this](const RunReport& r, const fs::path& file) {
            log.push_back("protocol " + std::string(outcomeName(r.unit)));
            if (protocolFailure.empty())
                std::ofstream(file) << "%PDF";
            return protocolFailure;
        };
    }
    void TearDown() override { fs::remove_all(out); }
    bool outIsEmpty() const { return fs::is_empty(out); }
};

TEST_F(TestRunFixture, RunsTheThreeStepsInOrderAndKeepsThem) {
    TestRun run(profile, runner, clock);
    const RunOutcome r = run.run({"", "000815", "1.02"}, out, callbacks);
    EXPECT_EQ(r.result, RunResult::Pass);
    EXPECT_EQ(log, (std::vector<std::string>{"prompt 1/3", "step 1", "run 1", "prompt 2/3", "step 2", "run 2",
                                             "prompt 3/3", "step 3", "run 3", "protocol PASS"}));
    const fs::path folder = out / "12345678" / "2008-03-07_09-05-00";
    EXPECT_EQ(r.folder, folder);
    ASSERT_EQ(r.files.size(), 4u);
    for (const auto& f : r.files)
        EXPECT_TRUE(fs::is_regular_file(f)) << f;
    EXPECT_EQ(std::distance(fs::directory_iterator(out / "12345678"), fs::directory_iterator{}), 1)
        << "no temporary folder stays";

    const auto badPulses = records::DateiLesen(records::dateiLesen(folder / "Schlechtimpulse.kav").inhalt);
    ASSERT_TRUE(badPulses.ok()) << "a result without deviations is kept too";
    EXPECT_EQ(badPulses.kopf.geraetSN, "000815");
    EXPECT_EQ(std::get<measure::SchlechtimpulsWerte>(badPulses.daten).AnzahlAbweichungen, 0);

    // A failing current makes the unit FAIL; a run of the same second gets its own folder.
    runner.current.Stromaufnahme = 151;
    const RunOutcome second = TestRun(profile, runner, clock).run({}, out, callbacks);
    EXPECT_EQ(second.result, RunResult::Fail);
    EXPECT_EQ(second.folder, out / "12345678" / "2008-03-07_09-05-00_2");
}

TEST_F(TestRunFixture, AnUnsafeSerialStaysInsideTheFolder) {
    runner.serial = "../..";
    const RunOutcome r = TestRun(profile, runner, clock).run({}, out, callbacks);
    EXPECT_EQ(r.folder, out / "_" / "2008-03-07_09-05-00");
}

TEST_F(TestRunFixture, NothingStaysOfARunNotKept) {
    struct Row {
        const char* what;
        std::function<void(TestRun&)> arrange;
        RunResult result;
        std::vector<std::string> tail; // the log's end
    };
    const Row rows[] = {
        {"prompt declined",
         [this](TestRun&) {
             callbacks.prompt = [this](Step, int n, int) {
                 log.push_back("prompt " + std::to_string(n));
                 return n < 2;
             };
         },
         RunResult::Cancelled, {"run 1", "prompt 2"}},
        {"cancelled while step 3 begins",
         [this](TestRun& run) {
             callbacks.progress = [this, &run](Step, int n, int) {
                 log.push_back("step " + std::to_string(n));
                 if (n == 3)
                     run.cancel();
             };
         },
         RunResult::Cancelled, {"step 3", "run 3"}},
        {"runner cancelled", [this](TestRun&) { runner.cancelling = Step::BadPulses; }, RunResult::Cancelled,
         {"step 2", "run 2"}},
        {"step failed", [this](TestRun&) { runner.failing = Step::BadPulses; }, RunResult::Error, {"step 2", "run 2"}},
        {"protocol not written", [this](TestRun&) { protocolFailure = "disk full"; }, RunResult::Pass,
         {"run 3", "protocol PASS"}},
    };
    for (const Row& row : rows) {
        SetUp();
        TestRun run(profile, runner, clock);
        row.arrange(run);
        const RunOutcome r = run.run({"S1", "", ""}, out, callbacks);
        EXPECT_EQ(r.result, row.result) << row.what;
        ASSERT_GE(log.size(), row.tail.size()) << row.what;
        EXPECT_EQ(std::vector<std::string>(log.end() - static_cast<std::ptrdiff_t>(row.tail.size()), log.end()), row.tail)
            << row.what;
        EXPECT_TRUE(outIsEmpty()) << row.what;
        EXPECT_TRUE(r.folder.empty() && r.files.empty()) << row.what;
        if (row.result == RunResult::Error) {
            EXPECT_EQ(r.failedStep, Step::BadPulses);
            EXPECT_EQ(r.failure, "Messung nicht möglich. Time out.");
        }
        if (!protocolFailure.empty()) {
            EXPECT_NE(r.writeError.find("disk full"), std::string::npos);
        }
        log.clear();
        runner = FakeRunner{};
        runner.log = &log;
        protocolFailure.clear();
    }
}

} // namespace
} // namespace kav::verdict
