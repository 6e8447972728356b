// kavctl measure as a process, through the serial-port backend against
// kav100sim on a pseudo-terminal (wire time on).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>

#include "kavctl_process.h"

namespace {

using kav::test::KavctlResult;
using kav::test::runKavctl;

// kav100sim --pty with flags, and kavctl measure against it.
KavctlResult measureAgainst(const QStringList& simFlags, const QStringList& measureArgs) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), QStringList{"--pty"} + simFlags);
    if (!sim.waitForStarted(10000) || !sim.waitForReadyRead(10000))
        return {};
    const QString path = QString::fromUtf8(sim.readLine().trimmed());
    const KavctlResult r = runKavctl(QStringList{"--port", path, "measure"} + measureArgs);
    sim.terminate();
    sim.waitForFinished(5000);
    return r;
}

std::size_t lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(KavctlMeasure, EachModeGivesOneJsonLine) {
    struct Case {
        QStringList sim, args;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {{"--steady", "--speed", "1500", "--current", "2001", "--symmetry0", "200", "--phase", "120"},
         {"current", "--lang", "D"},
         {"{\"type\": 1, \"encoder_serial\": \"G4711023\", \"values\": {\"Impulszahl\": 1024, \"Drehzahl\": 1500, "
          "\"Frequenz\": 25600,",
          "\"Drehzahl\": \"1500 1/min\", \"Frequenz\": \"25.6 kHz\"", "\"Stromaufnahme\": \"--\"",
          "\"Symmetrie0\": \"-56\", \"Symmetrie0_note\": \"\"", "\"Phasenlage_note\": \"Nicht verfügbar.\""}},
        {{"--deviations", "3", "--deviation-value", "250"},
         {"badpulses"},
         {"{\"type\": 2,", "\"AbwPos\": [10, 20, 30, 0, 0], \"AbwWert\": [250, 250, 250, 0, 0]",
          "\"AbwWert\": [\"-6\", \"-6\", \"-6\", \"0\", \"0\"]"}},
        {{"--samples", "300", "--steady", "--speed", "-7000"},
         {"oscillation"},
         {"{\"type\": 3,", "\"AnzahlMesswerte\": 300,", "\"Drehzahl\": \"-7000 rpm\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const KavctlResult r = measureAgainst(c.sim, c.args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(lines(r.out), 1u);
        for (const std::string& part : c.parts)
            EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
    }
    const KavctlResult osc = measureAgainst({"--samples", "300"}, {"oscillation"});
    const auto samples = osc.out.find("\"samples\": [");
    ASSERT_NE(samples, std::string::npos);
    const std::string list = osc.out.substr(samples, osc.out.find(']', samples) - samples);
    EXPECT_EQ(std::count(list.begin(), list.end(), ','), 299);
}

TEST(KavctlMeasure, RepeatAndAFailedValue) {
    KavctlResult r = measureAgainst({}, {"current", "--repeat", "3"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lines(r.out), 3u);
    // A value whose read fails stays 0 with its message; the result is still printed.
    r = measureAgainst({"--failure-bit=RD_Info/1A"}, {"current"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"Frequenz\": 0,"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "kavctl: Measurement\ncould not be executed.\n");
}

TEST(KavctlMeasure, FailedMeasurementsExitWithThree) {
    struct Case {
        QStringList sim;
        QString mode;
        std::string message;
    };
    const Case cases[] = {
        {{"--device-error"}, "current", "kavctl: Device error.\nFinish program\nand restart the device.\n"},
        {{"--not-pc-mode"}, "badpulses", "kavctl: Measurement impossible.\nKAV must set to PC-measurement.\n"},
        {{"--pulses", "199"}, "oscillation", "kavctl: Pulse rate too low.\nMeasurement impossible!\n"},
        {{"--steady", "--speed", "50"}, "oscillation", "kavctl: Speed rate too low.\nMeasurement impossible!\n"},
        {{"--failure-bit=DO_MesAktuell"}, "current", "kavctl: Measurement impossible.\nAn error occured.\n"},
        {{"--omit", "DO_MesSchlechtimpuls"}, "badpulses", "kavctl: the device does not list DO_MesSchlechtimpuls\n"},
        {{"--never-ready"}, "current", "kavctl: Measurement impossible.\nTime out.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sim.join(' ').toStdString());
        const KavctlResult r = measureAgainst(c.sim, {c.mode});
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.message);
    }
}

TEST(KavctlMeasure, ArgumentsAndLink) {
    struct Case {
        QStringList args;
        int exit;
        std::string err;
    };
    const Case cases[] = {
        {{"measure"}, 64, "kavctl: measure needs a mode (current, badpulses or oscillation) (kavctl --help)\n"},
        {{"measure", "sideways"},
         64,
         "kavctl: unknown measurement sideways (current, badpulses or oscillation) (kavctl --help)\n"},
        {{"measure", "current", "--repeat", "0"},
         64,
         "kavctl: --repeat needs a whole number of 1 or more (kavctl --help)\n"},
        {{"measure", "current", "--lang", "F"}, 64, "kavctl: --lang takes D or E (kavctl --help)\n"},
        {{"measure", "oscillation", "--csv"}, 64, "kavctl: --csv belongs to export and measure current (kavctl --help)\n"},
        {{"records", "list", "--repeat", "2"}, 64, "kavctl: --repeat belongs to measure (kavctl --help)\n"},
        {{"measure", "current", "--save", "a.txt"},
         64,
         "kavctl: --save needs a file name ending in .kav (kavctl --help)\n"},
        {{"info", "--repeat", "2"}, 64, "kavctl: --repeat belongs to measure (kavctl --help)\n"},
        {{"measure", "current", "--type", "I"}, 64, "kavctl: --type belongs to exec and archive list (kavctl --help)\n"},
    };
    for (const Case& c : cases) {
        const KavctlResult r = runKavctl(QStringList{"--sim"} + c.args);
        EXPECT_EQ(r.exitCode, c.exit) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, c.err);
    }
    const KavctlResult r = runKavctl({"--port", "/dev/kav-no-such-port", "measure", "current"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
}

} // namespace

namespace {

// The stand-in killed while kavctl measures, as a converter pulled out:
// kavctl ends soon after with the link's exit code and names the port.
TEST(KavctlMeasure, AConverterPulledOutEndsWithExitTwoNamingThePort) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), {"--pty", "--no-wire-time"});
    ASSERT_TRUE(sim.waitForStarted(10000));
    ASSERT_TRUE(sim.waitForReadyRead(10000));
    const QString path = QString::fromUtf8(sim.readLine().trimmed());
    QProcess kavctl;
    kavctl.start(QStringLiteral(KAVCTL_PATH), {"--port", path, "measure", "current", "--repeat", "1000"});
    ASSERT_TRUE(kavctl.waitForReadyRead(30000)) << "a first result";
    sim.kill();
    ASSERT_TRUE(sim.waitForFinished(5000));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(kavctl.waitForFinished(10000));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(kavctl.exitCode(), 2);
    EXPECT_TRUE(kavctl.readAllStandardError().contains(path.toUtf8()));
}

} // namespace
