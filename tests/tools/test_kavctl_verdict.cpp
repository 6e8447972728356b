// kavctl with tolerance profiles, as a process: verdicts of measure, show and
// report, the guided test run with its files, refused profiles and the
// profile folder beside the program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "kavctl_process.h"

namespace {

using kav::test::KavctlResult;
using kav::test::runKavctl;
using kav::test::runProgram;

// The simulated device (seed 1) gives 1024 pulses at about 1500 rpm, 24 V
// supply and a few bad pulses.
constexpr const char* kPass = R"({"name": "Pass", "pulses": 1024, "speed_rpm": [100, 6000],
    "bad_pulses_max": 100, "oscillation_pp_arcsec_max": 5000})";
constexpr const char* kFail = R"({"name": "Fail", "pulses": 1024, "supply_voltage_v": [4.75, 5.25]})";

class KavctlVerdict : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString file(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const char* text) const {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    // A poppler tool's output; empty when it is not installed.
    static std::string poppler(const char* tool, const QString& pdf) {
        const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (exe.isEmpty())
            return {};
        QProcess p;
        const bool info = QString::fromLatin1(tool) == QLatin1String("pdfinfo");
        p.start(exe, info ? QStringList{pdf} : QStringList{pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return p.readAllStandardOutput().toStdString();
    }
};

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(KavctlVerdict, MeasureShowAndReportCarryTheVerdict) {
    const QString pass = write("pass.json", kPass), fail = write("fail.json", kFail), kav = file("a.kav");
    KavctlResult r = runKavctl({"--sim", "measure", "current", "--profile", pass});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, R"("verdict": {"result": "PASS", "profile": "Pass", "checks": [{"limit": "pulses", )"
                           R"("value": 1024, "min": 1024, "max": 1024, "result": "PASS"})"))
        << r.out;
    // A FAIL still saves the result, and says so by its exit code.
    r = runKavctl({"--sim", "measure", "current", "--profile", fail, "--save", kav});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_TRUE(QFile::exists(kav));

    struct Case {
        QString profile;
        int exit;
        std::string part;
    };
    const Case cases[] = {
        {pass, 0, R"("verdict": {"result": "PASS")"},
        {fail, 1, R"({"limit": "supply_voltage_v", "value": 24.011719, "min": 4.75, "max": 5.25, "result": "FAIL"})"},
    };
    for (const Case& c : cases) {
        r = runKavctl({"show", kav, "--profile", c.profile});
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_TRUE(has(r.out, c.part)) << r.out;
    }
    r = runKavctl({"report", kav, "--pdf", file("a.pdf"), "--profile", fail});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    const std::string text = poppler("pdftotext", file("a.pdf"));
    if (text.empty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(has(text, "FAIL")) << text;
    EXPECT_TRUE(has(text, "Power supply 24.011719 V > 5.25 V")) << text;
}

TEST_F(KavctlVerdict, TheTestRunKeepsThreeRecordsAndTheProtocol) {
    const QString runs = file("runs");
    const KavctlResult r = runKavctl({"--sim", "test", "--profile", write("pass.json", kPass), "--out", runs});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(
        has(r.out, "\"profile\": \"Pass\",\n  \"encoder_serial\": \"G4711023\",\n  \"device_serial\": \"070123\""))
        << r.out;
    EXPECT_TRUE(has(r.out, "\"verdict\": {\"result\": \"PASS\"}")) << r.out;
    const QStringList units = QDir(runs).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(units, QStringList{"G4711023"});
    const QStringList stamps = QDir(runs + "/G4711023").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(stamps.size(), 1);
    const QDir run(runs + "/G4711023/" + stamps[0]);
    EXPECT_EQ(run.entryList(QDir::Files, QDir::Name),
              (QStringList{"Aktuell.kav", "Drehschwebung.kav", "Protokoll.pdf", "Schlechtimpulse.kav"}));
    for (const QString& f : run.entryList(QDir::Files))
        EXPECT_TRUE(has(r.out, run.filePath(f).toStdString())) << f.toStdString();
    EXPECT_TRUE(has(runKavctl({"show", run.filePath("Schlechtimpulse.kav")}).out, "\"type\": 2,"));

    const std::string info = poppler("pdfinfo", run.filePath("Protokoll.pdf"));
    if (info.empty())
        GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_TRUE(has(info, "Pages:           4")) << info;
    const std::string text = poppler("pdftotext", run.filePath("Protokoll.pdf"));
    EXPECT_TRUE(has(text, "Test protocol G4711023")) << text;
    EXPECT_TRUE(has(text, "PASS")) << text;
}

TEST_F(KavctlVerdict, AFailedStepIsAnErrorAndLeavesNothing) {
    QProcess sim;
    sim.start(QStringLiteral(KAV100SIM_PATH), {"--pty", "--failure-bit=DO_MesSchlechtimpuls"});
    ASSERT_TRUE(sim.waitForStarted(10000) && sim.waitForReadyRead(10000));
    const QString port = QString::fromUtf8(sim.readLine().trimmed());
    const QString runs = file("runs");
    const KavctlResult r = runKavctl({"--port", port, "test", "--profile", write("pass.json", kPass), "--out", runs});
    sim.terminate();
    sim.waitForFinished(5000);
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_TRUE(has(r.out, R"("verdict": {"result": "ERROR", "step": "badpulses", "failure": )")) << r.out;
    EXPECT_TRUE(has(r.out, "\"badpulses\": null")) << r.out;
    EXPECT_TRUE(has(r.out, "\"files\": []")) << r.out;
    EXPECT_FALSE(QFile::exists(runs));
}

TEST_F(KavctlVerdict, ABadProfileIsRefusedBeforeTheDevice) {
    struct Case {
        const char* name;
        const char* text; // nullptr: no such file
        int exit;
        std::string reason;
    };
    const Case cases[] = {
        {"typo.json", R"({"name": "x", "pulse": 1024})", 65, "unknown key \"pulse\"."},
        {"range.json", R"({"name": "x", "speed_rpm": [6000, 100]})", 65, "key \"speed_rpm\": "},
        {"type.json", R"({"name": "x", "current_ma_max": "150"})", 65, "key \"current_ma_max\": wrong type"},
        {"broken.json", "{\"name\": ", 65, "not valid JSON"},
        {"missing.json", nullptr, 66, "cannot be read."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = c.text ? write(c.name, c.text) : file(c.name);
        const std::string head = "kavctl: Test profile \"" + path.toStdString() + "\": ";
        // The port does not exist: the profile is refused before it is opened.
        KavctlResult r = runKavctl({"--port", "/nonexistent/tty", "measure", "current", "--profile", path});
        EXPECT_EQ(r.exitCode, c.exit);
        EXPECT_TRUE(has(r.err, head + c.reason) || has(r.err, c.reason)) << r.err;
        r = runKavctl({"profile", "check", path});
        EXPECT_EQ(r.exitCode, c.exit);
        EXPECT_EQ(r.err.rfind(head, 0), 0u) << r.err;
        EXPECT_TRUE(has(r.err, c.reason)) << r.err;
    }
    EXPECT_EQ(runKavctl({"profile", "check", write("pass.json", kPass)}).exitCode, 0);
}

TEST_F(KavctlVerdict, ACopyInAWritableFolderKeepsItsProfilesBesideItself) {
    const QString program = file("bin/kavctl");
    ASSERT_TRUE(QDir().mkpath(file("bin/profiles")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KAVCTL_PATH), program));
    QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    write("bin/profiles/Geber A.json", R"({"name": "Geber A", "pulses": 1024})");
    write("bin/profiles/Geber B.json", kFail);

    KavctlResult r = runProgram(program, {"profile", "list"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string folder = file("bin/profiles/").toStdString();
    EXPECT_EQ(r.out, "[\n  {\"name\": \"Geber A\", \"path\": \"" + folder +
                         "Geber A.json\"},\n  {\"name\": \"Geber B\", "
                         "\"path\": \"" +
                         folder + "Geber B.json\"}\n]\n");
    r = runProgram(program, {"--sim", "measure", "current", "--profile", "Geber A"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, R"("verdict": {"result": "PASS", "profile": "Geber A")")) << r.out;
    r = runProgram(program, {"--sim", "measure", "current", "--profile", "Geber C"});
    EXPECT_EQ(r.exitCode, 66);
}

} // namespace
