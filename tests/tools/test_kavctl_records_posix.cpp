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
    KavctlResult mit(QStringList args) { return runKavctl(QStringList{"--port", pfad_} + args); }

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

    // A device record's name "Pumpe 12  " is written as the file holds it, not right-aligned anew.
    std::string pumpe = typ3();
    pumpe.replace(25, 10, "Pumpe 12  ");
    r = runKavctl({"export", datei("p.kav", pumpe), "--mth", pfad("p.mth")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(lesen("p.mth").substr(0, 37), pumpe.substr(0, 35) + "\r\n");
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

// The part of a JSON line from `"key": ` to the end of its value (an object, an array or a scalar).
std::string jsonTeil(const std::string& json, const std::string& key) {
    const auto start = json.find("\"" + key + "\": ");
    if (start == std::string::npos)
        return {};
    std::size_t i = start + key.size() + 4;
    int tiefe = 0;
    bool text = false;
    for (; i < json.size(); ++i) {
        const char c = json[i];
        if (text) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                text = false;
            continue;
        }
        if (c == '"') {
            text = true;
        } else if (c == '{' || c == '[') {
            ++tiefe;
        } else if (c == '}' || c == ']') {
            if (tiefe == 0)
                break;
            if (--tiefe == 0) {
                ++i;
                break;
            }
        } else if (c == ',' && tiefe == 0) {
            break;
        }
    }
    return json.substr(start, i - start);
}

class KavctlRecordsGet : public KavctlExport {};

TEST_F(KavctlRecordsGet, EachTypeAsTheWindowLoadsItAndSavedAsSpeichernWould) {
    Kav100Sim sim({});
    ASSERT_TRUE(sim.pfad().startsWith("/dev/"));
    const KavctlResult liste = sim.liste();
    ASSERT_EQ(liste.exitCode, 0) << liste.err;
    for (int index : {0, 1, 2}) {
        SCOPED_TRACE(index);
        const std::string datei = "r" + std::to_string(index) + ".kav";
        const KavctlResult r = sim.mit({"records", "get", QString::number(index), "--save", pfad(datei)});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
        // The header as listed (name trimmed), the firmware from the device.
        EXPECT_EQ(r.out.rfind("{\"header\": {\"firmware\": \"", 0), 0u) << r.out;
        const std::string zeile = liste.out.substr(liste.out.find("{\"index\": " + std::to_string(index)));
        EXPECT_NE(r.out.find(jsonTeil(zeile, "encoder_serial")), std::string::npos);
        EXPECT_NE(r.out.find(jsonTeil(zeile, "device_serial") + ", \"name\": \"" +
                             std::array{"Motor 1", "Welle A", "Pumpe 12"}[index] + "\", " + jsonTeil(zeile, "date")),
                  std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("\"type\": " + std::to_string(index + 1) + ", \"encoder_serial\": "), std::string::npos);
        EXPECT_NE(r.out.find("\"texts\": {"), std::string::npos);

        // The saved file shows the same header and values.
        const KavctlResult show = runKavctl({"show", pfad(datei)});
        ASSERT_EQ(show.exitCode, 0) << show.err;
        EXPECT_EQ(jsonTeil(show.out, "header"), jsonTeil(r.out, "header"));
        std::string werte = jsonTeil(r.out, "values");
        std::string gelesen = jsonTeil(show.out, "values");
        EXPECT_NE(werte, "\"values\": {}");
        // A bad-pulse file holds no Frequenz: it reads back as the one of its
        // speed and pulse number, which may differ from the device's by rounding.
        if (index == 1) {
            werte = werte.substr(0, werte.find("\"Frequenz\": "));
            gelesen = gelesen.substr(0, gelesen.find("\"Frequenz\": "));
            EXPECT_EQ(show.out.find("\"Frequenz\": 0}"), std::string::npos) << show.out;
        }
        EXPECT_EQ(gelesen, werte);
    }
    // The oscillation record holds its 200 samples (one revolution).
    EXPECT_EQ(lesen("r2.kav").size(), 89u + 4u * 200u);
}

TEST_F(KavctlRecordsGet, FailuresWriteNothing) {
    struct Fall {
        QStringList flags;
        QString index;
        QStringList extra;
        int exit;
        std::string err;
    };
    const Fall faelle[] = {
        {{}, "6", {}, 3, "kavctl: the device holds no record 6 (6 records)\n"},
        {{"--records", "0"}, "0", {}, 3, "kavctl: the device holds no record 0 (0 records)\n"},
        {{"--failure-bit=RD_FramData"}, "1", {}, 3, "Read data\ncould not be executed.\n"},
        {{"--failure-bit=RD_FramData"},
         "1",
         {"--lang", "D"},
         3,
         "Auslesen der Datei\nkonnte nicht ausgeführt werden.\n"},
        {{"--measuring-mode"}, "0", {}, 3, "KAV100 is in measurement mode.\n\nExit measurement mode\nand try again.\n"},
        {{"--omit", "RD_FramData"}, "0", {}, 3, "kavctl: the device does not list the command RD_FramData\n"},
        {{"--failure-bit=RD_Info/08"}, "0", {}, 3, "kavctl: the device state could not be read (ERROR)\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.flags.join(' ').toStdString());
        Kav100Sim sim(f.flags);
        const KavctlResult r = sim.mit(QStringList{"records", "get", f.index, "--save", pfad("x.kav")} + f.extra);
        EXPECT_EQ(r.exitCode, f.exit) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, f.err);
        EXPECT_FALSE(fs::exists(ordner / "x.kav"));
    }
}

TEST_F(KavctlRecordsGet, MeasureSaveWritesTheLastResultAsDatenSpeichernWould) {
    Kav100Sim sim({});
    const KavctlResult r = sim.mit({"measure", "current", "--repeat", "2", "--save", pfad("Motorpruefstand.kav")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string letzte = r.out.substr(r.out.find('\n') + 1);
    const KavctlResult show = runKavctl({"show", pfad("Motorpruefstand.kav")});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(jsonTeil(show.out, "values"), jsonTeil(letzte, "values"));
    const KavctlResult info = sim.mit({"exec", "RD_Info", "0"});
    // Record name: the file name's last ten characters; firmware and serials from the device.
    EXPECT_EQ(show.out.rfind("{\"header\": {\"firmware\": \"" + info.out.substr(0, info.out.size() - 1) +
                                 "\", \"encoder_serial\": \"G4711023\", \"device_serial\": \"070123\", "
                                 "\"name\": \"pruefstand\", \"date\": \"",
                             0),
              0u)
        << show.out;
    EXPECT_NE(show.out.find("\"type\": 1, "), std::string::npos);

    // A failed measurement and an unwritable file write nothing.
    Kav100Sim fehler({"--device-error"});
    KavctlResult f = fehler.mit({"measure", "current", "--save", pfad("M1.kav")});
    EXPECT_EQ(f.exitCode, 3);
    EXPECT_FALSE(fs::exists(ordner / "M1.kav"));
    f = sim.mit({"measure", "oscillation", "--save", pfad("fehlt/M1.kav")});
    EXPECT_EQ(f.exitCode, 73);
    EXPECT_EQ(f.err.rfind("The file could not be saved.\nThe file name is not valid.", 0), 0u) << f.err;
}

TEST_F(KavctlExport, ShowEachTypeAndEachFailure) {
    kav::measure::AktuellWerte a;
    a.Impulszahl = 1024;
    a.Drehzahl = 1500.5f;
    a.Frequenz = 25600;
    a.Versorgungsspannung = 24.0f;
    a.Stromaufnahme = 65;
    a.Symmetrie0 = 50;
    a.Symmetrie90 = 49;
    a.Phasenlage = 90;
    const std::string typ1 =
        kav::records::DateiSchreiben1(a, {"1.02", "12345678", "000815", "Motor 1"}, {2008, 3, 7, 9, 5, 0}).bytes;
    KavctlResult r = runKavctl({"show", datei("eins.kav", typ1)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"header\": {\"firmware\": \"1.02\", \"encoder_serial\": \"12345678\", \"device_serial\": "
              "\"000815\", \"name\": \"Motor 1\", \"date\": \"07.03.2008 - 09:05:00\"}, \"type\": 1, \"values\": "
              "{\"Impulszahl\": 1024, \"Drehzahl\": 1500.5, \"Frequenz\": 25600, \"Versorgungsspannung\": 24, "
              "\"Stromaufnahme\": 65, \"Symmetrie0\": 50, \"Symmetrie90\": 49, \"Phasenlage\": 90, "
              "\"Spurfehler\": 0}}\n");

    r = runKavctl({"show", datei("drei.kav", typ3())});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"name\": \"Welle A\", \"date\": \"07.03.2008 - 09:05:00\"}, \"type\": 3, \"values\": "
                         "{\"Messdaten\": \"2C01FFFF0000\", \"AnzahlMesswerte\": 3, "),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"samples\": [300, -1, 0]}}"), std::string::npos);

    kav::measure::SchlechtimpulsWerte b;
    b.AnzahlAbweichungen = 2;
    b.AbwPos = {10, 20, 0, 0, 0};
    r = runKavctl({"show", datei("zwei.kav", kav::records::DateiSchreiben2(b, {}, {2008, 3, 7, 9, 5, 0}).bytes)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"type\": 2, \"values\": {"), std::string::npos);
    EXPECT_NE(r.out.find("\"AbwPos\": [10, 20, 0, 0, 0]"), std::string::npos);

    // Another record type: its header and type, no values.
    std::string typ7 = typ1;
    typ7.replace(47, 2, "07");
    r = runKavctl({"show", datei("sieben.kav", typ7)});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(r.out.find("}, ")), "}, \"type\": 7, \"values\": {}}\n");

    std::string kaputt = typ1;
    kaputt[60] = 'X';
    const std::pair<QStringList, std::pair<int, std::string>> faelle[] = {
        {{datei("leer.kav", "")}, {65, "Unknown data format"}},
        {{datei("kaputt.kav", kaputt), "--lang", "D"}, {65, "Beim bearbeiten der Datei ist ein Fehler aufgetreten."}},
        {{pfad("fehlt.kav")}, {66, "Error on data reading."}},
    };
    for (const auto& [args, erwartet] : faelle) {
        r = runKavctl(QStringList{"show"} + args);
        EXPECT_EQ(r.exitCode, erwartet.first);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(erwartet.second, 0), 0u) << r.err;
    }
}

} // namespace
