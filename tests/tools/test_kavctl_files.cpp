// kavctl's record commands in process: options, the CSV of each type.
#include <gtest/gtest.h>

#include "kavctl_files.h"
#include "kavctl_options.h"

using namespace kav;
using namespace kav::kavctl;

namespace {

bool parse(std::vector<std::string> args, Options& o, std::string& error) { return parseOptions(args, o, error); }

} // namespace

TEST(KavctlRecordOptions, ListAndExport) {
    Options o;
    std::string e;
    ASSERT_TRUE(parse({"--port", "/dev/pts/3", "records", "list", "--lang", "d"}, o, e)) << e;
    EXPECT_EQ(o.command, Options::Command::RecordsList);
    EXPECT_EQ(o.lang, "D");
    ASSERT_TRUE(parse({"export", "a.kav", "--csv"}, o, e)) << e;
    EXPECT_EQ(o.command, Options::Command::Export);
    EXPECT_EQ(o.file, "a.kav");
    EXPECT_TRUE(o.csv);
    EXPECT_EQ(o.csvOut, "");
    EXPECT_EQ(o.lang, "E");
    ASSERT_TRUE(parse({"export", "a.kav", "--csv", "a.csv", "--lang=E"}, o, e)) << e;
    EXPECT_EQ(o.csvOut, "a.csv");
    ASSERT_TRUE(parse({"export", "--csv=b.csv", "a.kav"}, o, e)) << e;
    EXPECT_EQ(o.csvOut, "b.csv");
    EXPECT_EQ(o.file, "a.kav");
    ASSERT_TRUE(parse({"export", "a.kav", "--mth", "a.mth"}, o, e)) << e;
    EXPECT_EQ(o.mthOut, "a.mth");
    EXPECT_FALSE(o.csv);

    ASSERT_TRUE(parse({"--sim", "records", "get", "253", "--save", "x.KAV", "--lang", "D"}, o, e)) << e;
    EXPECT_EQ(o.command, Options::Command::RecordsGet);
    EXPECT_EQ(o.index, 253);
    EXPECT_EQ(o.save, "x.KAV");
    ASSERT_TRUE(parse({"records", "get", "0"}, o, e)) << e;
    EXPECT_EQ(o.index, 0);
    EXPECT_EQ(o.save, "");
    ASSERT_TRUE(parse({"show", "a.kav", "--lang=D"}, o, e)) << e;
    EXPECT_EQ(o.command, Options::Command::Show);
    EXPECT_EQ(o.file, "a.kav");
    ASSERT_TRUE(parse({"measure", "oscillation", "--save=dir/Welle.kav"}, o, e)) << e;
    EXPECT_EQ(o.measure.save, "dir/Welle.kav");
    ASSERT_TRUE(parse({"report", "a.kav", "--pdf", "a.pdf", "--lang", "D"}, o, e)) << e;
    EXPECT_EQ(o.command, Options::Command::Report);
    EXPECT_EQ(o.file, "a.kav");
    EXPECT_EQ(o.pdfOut, "a.pdf");
    ASSERT_TRUE(parse({"report", "--pdf=b.pdf", "a.kav"}, o, e)) << e;
    EXPECT_EQ(o.pdfOut, "b.pdf");

    const std::pair<std::vector<std::string>, const char*> falsch[] = {
        {{"records"}, "records takes list or get INDEX"},
        {{"records", "get"}, "records get takes one record index (0 to 253)"},
        {{"records", "get", "254"}, "records get takes one record index (0 to 253)"},
        {{"records", "get", "-1"}, "records get takes one record index (0 to 253)"},
        {{"records", "get", "x"}, "records get takes one record index (0 to 253)"},
        {{"records", "get", "1", "2"}, "records get takes one record index (0 to 253)"},
        {{"records", "get", "1", "--repeat", "2"}, "--repeat belongs to measure"},
        {{"records", "get", "1", "--save"}, "--save needs a value"},
        {{"records", "get", "1", "--save", "a.txt"}, "--save needs a file name ending in .kav"},
        {{"records", "get", "1", "--mth", "a"}, "--csv and --mth belong to export"},
        {{"records", "list", "--save", "a.kav"}, "--save belongs to measure"},
        {{"show"}, "show takes one record file"},
        {{"show", "a.kav", "b.kav"}, "show takes one record file"},
        {{"show", "a.kav", "--csv"}, "--csv belongs to export and measure current"},
        {{"measure", "current", "--save", "/tmp/.kav"}, "--save needs a file name ending in .kav"},
        {{"records", "list", "--csv"}, "--csv belongs to export and measure current"},
        {{"records", "list", "--lang", "F"}, "--lang takes D or E"},
        {{"records", "list", "--lang"}, "--lang needs a value"},
        {{"export", "a.kav"}, "export needs either --csv [OUT] or --mth OUT"},
        {{"export", "a.kav", "--csv", "--mth", "a.mth"}, "export needs either --csv [OUT] or --mth OUT"},
        {{"export", "a.kav", "--mth"}, "--mth needs a value"},
        {{"export", "--csv"}, "export takes one record file"},
        {{"export", "a.kav", "b.kav", "--csv"}, "export takes one record file"},
        {{"export", "a.kav", "--csv", "--type", "I"}, "--type belongs to exec and archive list"},
        {{"report", "a.kav"}, "report needs --pdf OUT"},
        {{"report", "--pdf", "a.pdf"}, "report takes one record file"},
        {{"report", "a.kav", "--pdf"}, "--pdf needs a value"},
        {{"report", "a.kav", "--pdf", "a.pdf", "--mth", "x"}, "--csv and --mth belong to export"},
        {{"show", "a.kav", "--pdf", "a.pdf"}, "--pdf belongs to report"},
        {{"export", "a.kav", "--csv", "--pdf", "a.pdf"}, "--pdf belongs to report"},
        {{"measure", "current", "--pdf", "a.pdf"}, "--pdf belongs to report"},
        {{"info", "--pdf", "a.pdf"}, "--pdf belongs to report"},
    };
    for (const auto& [args, meldung] : falsch) {
        EXPECT_FALSE(parse(args, o, e)) << args[0] << " " << meldung;
        EXPECT_EQ(e, meldung);
    }
}

TEST(KavctlRecordCsv, EachType) {
    records::Leseergebnis g;
    measure::AktuellWerte a;
    a.Impulszahl = 1024;
    a.Drehzahl = 1500.5f;
    a.Frequenz = 25600;
    a.Versorgungsspannung = 24.0f;
    a.Stromaufnahme = 65;
    a.Symmetrie0 = 200;
    a.Symmetrie90 = 110;
    a.Phasenlage = 90;
    g.daten = a;
    EXPECT_EQ(csvText(g), "field,value\nImpulszahl,1024\nDrehzahl,1500.5\nFrequenz,25600\nVersorgungsspannung,24\n"
                          "Stromaufnahme,65\nSymmetrie0,-56\nSymmetrie90,110\nPhasenlage,90\nSpurfehler,0\n");

    measure::SchlechtimpulsWerte s;
    s.Drehzahl = -3.25f;
    s.AbwPos = {1, 2, 3, 4, 5};
    s.AbwWert = {250, 0, 0, 0, 127};
    g.daten = s;
    const std::string csv2 = csvText(g);
    EXPECT_EQ(csv2.rfind("field,value\nDrehzahl,-3.25\nImpulszahl,0\n", 0), 0u) << csv2;
    EXPECT_NE(csv2.find("\nAbwPos1,1\nAbwPos2,2\nAbwPos3,3\nAbwPos4,4\nAbwPos5,5\nAbwWert1,-6\n"), std::string::npos);
    EXPECT_EQ(csv2.find("Frequenz"), std::string::npos) << "a type-2 file does not hold it";

    measure::DrehschwebungWerte d;
    d.AnzahlMesswerte = 4;
    d.Messdaten = "2C01"
                  "FFFF"
                  "0080"
                  "0000";
    g.daten = d;
    EXPECT_EQ(csvText(g), "sample,angle_deg,arcsec\n0,0,300\n1,1.8,-1\n2,3.6,-32768\n3,5.4,0\n");

    g.daten = std::monostate{};
    EXPECT_EQ(csvText(g), "field,value\n");
}

TEST(KavctlMessages, CrLfBecomesOneLineFeed) { EXPECT_EQ(zeilen("a\r\n\r\nb\r"), "a\n\nb\r"); }
