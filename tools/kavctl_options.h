#pragma once
// The command line of kavctl.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "kavctl_measure.h"
#include "link_choice.h"

namespace kav::verdict {
struct RunReport;
}

namespace kav::kavctl {

// The archive commands' arguments (kavctl_archive_commands.h); `url` also
// names the archive that measure and records get put their results into.
struct ArchiveOptions {
    std::string url;                // --archive URL; empty: the user's own (archive commands) or none
    std::string serial;             // list: --serial
    std::string since, until;       // list: YYYY-MM-DD, checked
    int type = 0;                   // list: --type N (0 any)
    std::string verdict;            // list: PASS, FAIL or INCOMPLETE
    std::vector<long long> ids;     // show (one) and export
    std::vector<std::string> paths; // import
    std::string dir;                // export: --dir
};

struct Options {
    enum class Command {
        Help,
        Version,
        Info,
        Exec,
        RecordsList,
        RecordsGet,
        Export,
        Show,
        Report,
        Measure,
        ArchiveList,
        ArchiveShow,
        ArchiveExport,
        ArchiveImport,
        ArchiveStats,
        Test,
        ProfileCheck,
        ProfileList
    };
    Command command = Command::Help;
    LinkChoice link;
    bool trace = false;
    std::string name;       // exec: the command's name
    std::string parameters; // exec: the parameter text, fields separated by "|"
    std::string type = "S"; // exec: the type letter the value is decoded with
    std::string lang = "E"; // the language of the messages on standard error: "D" or "E"
    // export, show and report (kavctl_files.h, kavctl_show.h, kavctl_report.h): the record file,
    // --csv [OUT], --mth OUT and --pdf OUT
    std::string file;
    bool csv = false;
    std::string csvOut;
    std::string mthOut;
    std::string pdfOut;
    // records get: the record's index and --save FILE.kav
    int index = -1;
    std::string save;
    MeasureOptions measure;
    ArchiveOptions archive;
    // measure, show, report and test: --profile NAME|FILE.json; test: --out DIR
    std::string profile;
    std::string outDir;
    // test --out: writes the run's protocol (what main puts in; "" or why not)
    std::function<std::string(const verdict::RunReport&, const std::filesystem::path&)> protocolWriter;
};

// One row of kavctl's option table: every option, what value it takes and
// which commands it belongs to. The parser, the usage text and the manual
// page are checked against it.
struct OptionRow {
    enum class Value {
        None,     // --trace
        Required, // --port PATH or --port=PATH; never the next option
        Optional, // --csv [OUT]: the next argument unless it starts with "-"
        Attached, // --d2xx[=LIBRARY]: only with "="
    };
    const char* name;
    Value value;
    // The commands it belongs to; empty: every command.
    std::vector<Options::Command> commands;
    // The line when it stands with another command.
    const char* misplaced;
};
const std::vector<OptionRow>& optionTable();

// Reads the arguments after the program name. On a bad command line returns
// false and puts a one-line reason into `error`.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

extern const char kUsage[];
// The letters a reply can be decoded with.
inline constexpr char kTypeLetters[] = "N M D B C I L F Q P S";
bool isTypeLetter(const std::string& letter);

} // namespace kav::kavctl
