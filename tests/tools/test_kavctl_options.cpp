// kavctl's command line.
#include <gtest/gtest.h>

#include "kavctl_options.h"

using namespace kav;
using namespace kav::kavctl;

namespace {
Options parse(std::vector<std::string> args, bool expectOk = true) {
    Options o;
    std::string error;
    EXPECT_EQ(parseOptions(args, o, error), expectOk) << error;
    return o;
}
std::string failure(std::vector<std::string> args) {
    Options o;
    std::string error;
    EXPECT_FALSE(parseOptions(args, o, error));
    EXPECT_EQ(error.find('\n'), std::string::npos);
    return error;
}
} // namespace

TEST(KavctlOptions, InfoWithEachLink) {
    Options o = parse({"--sim", "info"});
    EXPECT_EQ(o.command, Options::Command::Info);
    EXPECT_EQ(o.link.kind, LinkChoice::Kind::Simulated);
    o = parse({"--port", "/dev/ttyUSB0", "--trace", "info"});
    EXPECT_EQ(o.link.kind, LinkChoice::Kind::SerialPort);
    EXPECT_EQ(o.link.port, "/dev/ttyUSB0");
    EXPECT_TRUE(o.trace);
    o = parse({"info", "--port=COM3"});
    EXPECT_EQ(o.link.port, "COM3");
    o = parse({"--d2xx", "info"});
    EXPECT_EQ(o.link.kind, LinkChoice::Kind::D2xx);
    EXPECT_EQ(o.link.d2xxLibrary, "");
    o = parse({"--d2xx=/opt/ftdi/libftd2xx.so", "info"});
    EXPECT_EQ(o.link.d2xxLibrary, "/opt/ftdi/libftd2xx.so");
    o = parse({"info"});
    EXPECT_EQ(o.link.kind, LinkChoice::Kind::Automatic);
    EXPECT_FALSE(o.trace);
}

TEST(KavctlOptions, ExecNameParametersAndType) {
    Options o = parse({"--sim", "exec", "RD_Info", "3"});
    EXPECT_EQ(o.command, Options::Command::Exec);
    EXPECT_EQ(o.name, "RD_Info");
    EXPECT_EQ(o.parameters, "3");
    EXPECT_EQ(o.type, "S");
    o = parse({"exec", "WR_Grenzwerte", "10|20", "--type", "I"});
    EXPECT_EQ(o.parameters, "10|20");
    EXPECT_EQ(o.type, "I");
    o = parse({"exec", "DO_Test", "-1", "--type=N"});
    EXPECT_EQ(o.parameters, "-1");
    EXPECT_EQ(o.type, "N");
    o = parse({"exec", "DO_MesAktuell"});
    EXPECT_EQ(o.parameters, "");
    o = parse({"exec", "--", "DO_Test", "--x"});
    EXPECT_EQ(o.parameters, "--x");
    EXPECT_EQ(parse({"--help"}).command, Options::Command::Help);
    EXPECT_EQ(parse({"exec", "X", "-h"}).command, Options::Command::Help);
    EXPECT_EQ(parse({"--version"}).command, Options::Command::Version);
    EXPECT_EQ(parse({"--sim", "--version", "info"}).command, Options::Command::Version);
}

TEST(KavctlOptions, BadCommandLines) {
    EXPECT_EQ(failure({}),
              "no command given (info, exec, measure, test, records, export, show, report, profile or archive)");
    EXPECT_EQ(failure({"--sim", "--port", "x", "info"}), "choose one of --sim, --port and --d2xx");
    EXPECT_EQ(failure({"--port"}), "--port needs a value");
    EXPECT_EQ(failure({"--port=", "info"}), "--port needs a value");
    EXPECT_EQ(failure({"exec", "X", "--type"}), "--type needs a value");
    EXPECT_EQ(failure({"--bogus", "info"}), "unknown option --bogus");
    EXPECT_EQ(failure({"status"}), "unknown command status");
    EXPECT_EQ(failure({"info", "extra"}), "info takes no arguments");
    EXPECT_EQ(failure({"info", "--type", "F"}), "--type belongs to exec and archive list");
    EXPECT_EQ(failure({"exec"}), "exec needs a command name");
    EXPECT_EQ(failure({"exec", "A", "1", "2"}), "exec takes a name and one parameter text");
}

TEST(KavctlOptions, ArchiveCommandsAndTheirOptionsAreCheckedBeforeTheArchiveOpens) {
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"archive"}, "archive takes list, show ID, export ID..., import PATH... or stats"},
        {{"archive", "list", "--since", "2023-02-29"}, "--since takes a day as YYYY-MM-DD"},
        {{"archive", "list", "--verdict", "OK"}, "--verdict takes PASS, FAIL or INCOMPLETE"},
        {{"archive", "list", "--type", "F"}, "--type needs a record type (a whole number of 1 or more)"},
        {{"archive", "show", "0"}, "not a result id: 0"},
        {{"archive", "export", "1"}, "archive export needs --dir DIR"},
        {{"info", "--archive", "a.sqlite"}, "--archive belongs to measure, records get, test and archive"},
        {{"measure", "badpulses", "--csv"}, "--csv belongs to export and measure current"},
        {{"measure", "current", "--csv", "out.csv"}, "measure --csv writes to standard output and takes no file"},
    };
    for (const auto& [args, meldung] : faelle)
        EXPECT_EQ(failure(args), meldung) << args.back();
}

TEST(KavctlOptions, ProfilesAndTheTestRun) {
    const Options t = parse({"--sim", "test", "--profile", "Geber 1024", "--out", "runs", "--lang", "D"});
    EXPECT_EQ(t.command, Options::Command::Test);
    EXPECT_EQ(t.profile, "Geber 1024");
    EXPECT_EQ(t.outDir, "runs");
    EXPECT_EQ(parse({"show", "a.kav", "--profile=p.json"}).profile, "p.json");
    const Options check = parse({"profile", "check", "p.json"});
    EXPECT_EQ(check.command, Options::Command::ProfileCheck);
    EXPECT_EQ(check.file, "p.json");
    EXPECT_EQ(parse({"profile", "list"}).command, Options::Command::ProfileList);
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"--sim", "test"}, "test needs --profile NAME|FILE.json"},
        {{"--sim", "test", "x", "--profile", "p"}, "test takes no arguments"},
        {{"--sim", "measure", "current", "--out", "d"}, "--out belongs to test"},
        {{"--sim", "info", "--profile", "p"}, "--profile belongs to measure, show, report and test"},
        {{"--sim", "test", "--profile", "--out", "d"}, "--profile needs a value"},
        {{"profile"}, "profile takes check FILE.json or list"},
        {{"profile", "check"}, "profile check takes one profile file"},
        {{"profile", "list", "x"}, "profile list takes no arguments"},
    };
    for (const auto& [args, meldung] : faelle)
        EXPECT_EQ(failure(args), meldung) << args.back();
}

TEST(KavctlOptions, AnOptionIsNeverTheValueOfAnother) {
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"--sim", "measure", "current", "--save", "--repeat", "2"}, "--save needs a value"},
        {{"--port", "--sim", "info"}, "--port needs a value"},
        {{"exec", "X", "--type", "--trace"}, "--type needs a value"},
        {{"measure", "current", "--repeat", "--lang", "D"}, "--repeat needs a value"},
        {{"records", "list", "--lang", "-h"}, "--lang needs a value"},
        {{"report", "a.kav", "--pdf", "--lang=D"}, "--pdf needs a value"},
        {{"--trace=1", "info"}, "--trace takes no value"},
    };
    for (const auto& [args, meldung] : faelle)
        EXPECT_EQ(failure(args), meldung) << args[1];
    // A value that only looks like a number with a sign is still a value.
    EXPECT_EQ(failure({"measure", "current", "--repeat", "-1"}), "--repeat needs a whole number of 1 or more");
}

TEST(KavctlOptions, TheUsageNamesEveryOptionOfTheTable) {
    // The manual page and the completion are checked against the usage (test_program_info).
    for (const OptionRow& row : optionTable())
        EXPECT_NE(std::string(kUsage).find(row.name), std::string::npos) << row.name;
}

TEST(KavctlOptions, TypeLetters) {
    for (const char* letter : {"N", "M", "D", "B", "C", "I", "L", "F", "Q", "P", "S"})
        EXPECT_EQ(parse({"exec", "X", "--type", letter}).type, letter);
    for (const char* bad : {"Z", "s", "SS", " ", "-"})
        EXPECT_EQ(failure({"exec", "DO_FormatMem", std::string("--type=") + bad}),
                  std::string("unknown type letter ") + bad + " (one of N M D B C I L F Q P S)");
}
