// kavctl records list against kav100sim on a pseudo-terminal, and kavctl
// export on files, as processes.
#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <fstream>

#include "atomic_file.h"
#include "kavctl_process.h"
#include "record_file.h"

namespace {

namespace fs = std::filesystem;
using kav::test::KavctlResult;
using kav::test::runKavctl;

// kav100sim --pty with flags; the terminal's path is its first line.
class Kav100Sim {
public:
    explicit Kav100Sim(QStringList flags) {
        p_.start(QStringLiteral(KAV100SIM_PATH), QStringList{"--pty", "--no-wire-time"} + flags);
        if (p_.waitForStarted(10000) && p_.waitForReadyRead(10000))
            pfad_ = p_.readLine().trimmed();
    }
    ~Kav100Sim() {
        p_.terminate();
        p_.waitForFinished(5000);
    }
    QString pfad() const { return pfad_; }
    KavctlResult liste(QStringList extra = {}) {
        return runKavctl(QStringList{"--port", pfad_, "records", "list"} + extra);
    }

private:
    QProcess p_;
    QString pfad_;
};

TEST(KavctlRecordsList, TheSixRecordsOfAFreshDevice) {
    Kav100Sim sim({});
    ASSERT_TRUE(sim.pfad().startsWith("/dev/")) << sim.pfad().toStdString();
    const KavctlResult r = sim.liste();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(
        r.out.rfind("[\n  {\"index\": 0, \"name\": \"Motor 1   \", \"type\": 1, \"date\": \"07.03.2024 - 09:05:00\", "
                    "\"encoder_serial\": \"G4711",
                    0),
        0u)
        << r.out;
    EXPECT_NE(r.out.find("{\"index\": 5, \"name\": \"Spindel   \", \"type\": 3, "), std::string::npos);
    EXPECT_NE(r.out.find("\"device_serial\": \"070123\"}\n]\n"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST(KavctlRecordsList, EmptyFullAndEachFailure) {
    struct Fall {
        QStringList flags;
        QStringList extra;
        int exit;
        std::string out;
        std::string err;
    };
    const Fall faelle[] = {
        {{"--records", "0"}, {}, 0, "[]\n", ""},
        {{"--measuring-mode"},
         {"--lang", "D"},
         3,
         "",
         "KAV100 befindet sich im Messmodus.\n\nBeenden Sie den Messmodus\nund versuchen Sie es erneut.\n"},
        {{"--failure-bit=RD_FramDataNum"}, {}, 3, "", "Read data\ncould not be executed.\n"},
        {{"--failure-bit=RD_FramDataHead/04"}, {}, 3, "", "Internal error 2. Read data\n"},
        {{"--omit", "RD_FramDataNum"}, {}, 3, "", "kavctl: the device does not list the command RD_FramDataNum\n"},
    };
    for (const Fall& f : faelle) {
        Kav100Sim sim(f.flags);
        const KavctlResult r = sim.liste(f.extra);
        EXPECT_EQ(r.exitCode, f.exit) << f.flags.join(' ').toStdString() << r.err;
        EXPECT_EQ(r.out, f.out);
        EXPECT_EQ(r.err, f.err);
    }
    Kav100Sim voll({"--records", "254"});
    const KavctlResult r = voll.liste();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("{\"index\": 253, \"name\": \"Welle A 21\", \"type\": 2, "), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 256);
}

class KavctlExport : public ::testing::Test {
protected:
    fs::path ordner;
    void SetUp() override {
        ordner = fs::temp_directory_path() /
                 ("kavctl_export_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    QString datei(const std::string& name, const std::string& inhalt) {
        std::ofstream(ordner / name, std::ios::binary) << inhalt;
        return pfad(name);
    }
    QString pfad(const std::string& name) const { return QString::fromStdString((ordner / name).string()); }
    std::string lesen(const std::string& name) const { return kav::records::dateiLesen(ordner / name).inhalt; }

    static std::string typ3() {
        kav::measure::DrehschwebungWerte w;
        w.Impulszahl = 200;
        w.Drehzahl = 1500.5f;
        w.Frequenz = 5000;
        w.Umdrehungen = 1;
        w.MinWert = -1;
        w.MaxWert = 300;
        w.AnzahlMesswerte = 3;
        w.Messdaten = "2C01"
                      "FFFF"
                      "0000";
        return kav::records::DateiSchreiben3(w, {"V2.13", "G4711023", "070123", "Welle A"}, {2008, 3, 7, 9, 5, 0})
            .bytes;
    }
};

TEST_F(KavctlExport, CsvAndMth) {
    const QString kav = datei("x.kav", typ3());
    KavctlResult r = runKavctl({"export", kav, "--csv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "sample,angle_deg,arcsec\n0,0,300\n1,1.8,-1\n2,3.6,0\n");

    r = runKavctl({"export", kav, "--csv", pfad("x.csv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lesen("x.csv"), "sample,angle_deg,arcsec\n0,0,300\n1,1.8,-1\n2,3.6,0\n");

    r = runKavctl({"export", kav, "--mth", pfad("out.bin")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lesen("out.bin"), std::string("KAV   V2.13G4711023070123   Welle A\r\n2008.03.07 - 09:05:00\r\n"
                                            "200 1500.5 5000 1 -1 300 3") +
                                    std::string("\x2C\x01\xFF\xFF\x00\x00", 6));
}

TEST_F(KavctlExport, BadFilesWriteNothing) {
    std::string kaputt = typ3();
    kaputt.resize(kaputt.size() - 1);
    struct Fall {
        QString datei;
        QStringList extra;
        int exit;
        std::string err;
    };
    const Fall faelle[] = {
        {datei("leer.kav", ""), {}, 65, "Unknown data format"},
        {datei("text.kav", "Hallo Welt"), {"--lang", "D"}, 65, "Unbekanntes Dateiformat"},
        {datei("kaputt.kav", kaputt), {}, 65, "Error on data processing."},
        {datei("kaputt2.kav", kaputt), {"--lang", "D"}, 65, "Beim bearbeiten der Datei ist ein Fehler aufgetreten."},
        {pfad("fehlt.kav"), {}, 66, "Error on data reading."},
        {QString::fromStdString(ordner.string()), {}, 66, "Error on data reading."},
    };
    for (const Fall& f : faelle) {
        for (const QString& art : {QStringLiteral("--csv"), QStringLiteral("--mth")}) {
            const KavctlResult r = runKavctl(QStringList{"export", f.datei, art, pfad("aus")} + f.extra);
            EXPECT_EQ(r.exitCode, f.exit) << f.datei.toStdString();
            EXPECT_EQ(r.err.rfind(f.err, 0), 0u) << r.err;
            EXPECT_FALSE(fs::exists(ordner / "aus")) << f.datei.toStdString();
        }
    }
    // The mth export needs type 3; an unwritable output is its own exit code.
    kav::measure::AktuellWerte a;
    a.Impulszahl = 1;
    const QString typ1 = datei("eins.kav", kav::records::DateiSchreiben1(a, {}, {2008, 3, 7, 9, 5, 0}).bytes);
    KavctlResult r = runKavctl({"export", typ1, "--mth", pfad("aus")});
    EXPECT_EQ(r.exitCode, 65);
    EXPECT_FALSE(fs::exists(ordner / "aus"));
    r = runKavctl({"export", typ1, "--csv", pfad("fehlt/aus.csv")});
    EXPECT_EQ(r.exitCode, 73);
    EXPECT_EQ(r.err.rfind("The file could not be saved.\nThe file name is not valid.", 0), 0u) << r.err;
    r = runKavctl({"export", typ1});
    EXPECT_EQ(r.exitCode, 64);
}

} // namespace
