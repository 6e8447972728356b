#include "kavctl_options.h"

#include <chrono>

#include "kavctl_save.h"

namespace kav::kavctl {

const char kUsage[] =
    "Usage: kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] info\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] exec NAME [PARAMS] [--type T]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] records list [--lang D|E]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] records get INDEX\n"
    "              [--save FILE.kav] [--lang D|E] [--archive URL]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] measure current|badpulses|oscillation\n"
    "              [--repeat N] [--lang D|E] [--save FILE.kav] [--archive URL] [--profile NAME|FILE.json]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] measure current --csv [--repeat N]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] test --profile NAME|FILE.json\n"
    "              [--out DIR] [--lang D|E] [--archive URL]\n"
    "       kavctl profile check FILE.json | profile list\n"
    "       kavctl export FILE.kav (--csv [OUT] | --mth OUT) [--lang D|E]\n"
    "       kavctl show FILE.kav [--lang D|E] [--profile NAME|FILE.json]\n"
    "       kavctl report FILE.kav --pdf OUT.pdf [--lang D|E] [--profile NAME|FILE.json]\n"
    "       kavctl [--archive URL] archive list [--serial S] [--since YYYY-MM-DD] [--until YYYY-MM-DD]\n"
    "              [--type N] [--verdict PASS|FAIL|INCOMPLETE]\n"
    "       kavctl [--archive URL] archive show ID | export ID... --dir DIR | import PATH... | stats\n"
    "       kavctl --help | --version\n"
    "\n"
    "  --sim            the simulated KAV100 in this process\n"
    "  --port PATH      a serial port of the converter's own driver (/dev/ttyUSB0, COM3)\n"
    "  --d2xx[=LIB]     the vendor's D2XX library (libftd2xx.so / ftd2xx.dll, or LIB)\n"
    "                   without one of these: the D2XX library when it loads, else the\n"
    "                   first serial port with FTDI's vendor id\n"
    "  --trace          communication log lines to standard error\n"
    "  info             identity, command list and info list as one JSON object\n"
    "  exec NAME        run one command; PARAMS are its fields separated by \"|\";\n"
    "                   the value is decoded with type letter T (default S;\n"
    "                   N M D B C I L F Q P S); every argument is checked before the\n"
    "                   device is touched, a parameter the command cannot take is\n"
    "                   never sent (exit 64)\n"
    "  records list     the records in the device's memory as a JSON array\n"
    "  records get N    record N of the device's memory read as the window loads it,\n"
    "                   as measure's JSON with its header; --save writes it as a file\n"
    "  measure MODE     one live measurement as the window makes it, one JSON line per\n"
    "                   result; --repeat N results in a row; --save writes the last\n"
    "                   result as a record file; --csv (current only) one CSV line\n"
    "                   per result instead, a header line first\n"
    "  --archive URL    the archive: a SQLite file or postgresql://user@host:port/dbname\n"
    "                   (password from ~/.pgpass or PGPASSWORD); measure and records get\n"
    "                   put their results into it only when it is given, the archive\n"
    "                   commands use the user's own archive without it\n"
    "  archive list     the archived results as a JSON array, oldest first; --serial\n"
    "                   (encoder), --since/--until (days taken, both included), --type,\n"
    "                   --verdict filter it\n"
    "  archive show ID  an archived result as show prints a file, with the archive's fields\n"
    "  archive export   the results' record files, byte for byte, into --dir DIR\n"
    "  archive import   record files and folders of them (walked for *.kav) into the\n"
    "                   archive; counts on standard output, every bad file on standard error\n"
    "  archive stats    how many results per type and verdict, the first and last taken\n"
    "  export FILE.kav  a record file as CSV (to OUT or standard output) or, type 3, as\n"
    "                   the mth export to OUT\n"
    "  show FILE.kav    a record file's header and values as one JSON object\n"
    "  report FILE.kav  a record file's printout (the window's \"Drucken\") as a PDF\n"
    "  test             the guided test run: current values, bad pulses, oscillation,\n"
    "                   each judged against the profile, the unit as a whole; one\n"
    "                   JSON object; --out DIR keeps the three record files and the\n"
    "                   protocol PDF in DIR/<encoder serial>/<YYYY-MM-DD_HH-MM-SS>/\n"
    "  --profile P      a tolerance profile: NAME from the profile folder or FILE.json;\n"
    "                   measure and show add \"verdict\", report prints it\n"
    "  profile check F  validates a profile file (exit 65 naming the file and key)\n"
    "  profile list     the profiles of the profile folder as a JSON array\n"
    "  --lang D|E       language of the messages on standard error and of measure's\n"
    "                   texts (default E)\n"
    "\n"
    "Exit: 0 success (with a profile: PASS), 1 verdict FAIL or INCOMPLETE, 2 link not\n"
    "      opened, 3 command, identity, record listing or loading or measurement\n"
    "      failed (test: ERROR), 64 bad arguments, 65 not a record file or not\n"
    "      readable as one, a bad profile or an unknown archive id, 66 file cannot be\n"
    "      read, 69 archive unreachable or failing, 73 output file cannot be written.\n";

bool isTypeLetter(const std::string& letter) {
    return letter.size() == 1 && letter != " " && std::string(kTypeLetters).find(letter) != std::string::npos;
}

const std::vector<OptionRow>& optionTable() {
    using C = Options::Command;
    using V = OptionRow::Value;
    // The order of the rows is the order in which misplaced options are reported.
    static const std::vector<OptionRow> table = {
        {"--sim", V::None, {}, ""},
        {"--port", V::Required, {}, ""},
        {"--d2xx", V::Attached, {}, ""},
        {"--trace", V::None, {}, ""},
        {"--lang", V::Required, {}, ""},
        {"--repeat", V::Required, {C::Measure}, "--repeat belongs to measure"},
        {"--save", V::Required, {C::Measure, C::RecordsGet}, "--save belongs to measure"},
        {"--type", V::Required, {C::Exec, C::ArchiveList}, "--type belongs to exec and archive list"},
        {"--csv", V::Optional, {C::Export, C::Measure}, "--csv belongs to export and measure current"},
        {"--mth", V::Required, {C::Export}, "--csv and --mth belong to export"},
        {"--pdf", V::Required, {C::Report}, "--pdf belongs to report"},
        {"--archive",
         V::Required,
         {C::Measure, C::RecordsGet, C::Test, C::ArchiveList, C::ArchiveShow, C::ArchiveExport, C::ArchiveImport,
          C::ArchiveStats},
         "--archive belongs to measure, records get, test and archive"},
        {"--serial", V::Required, {C::ArchiveList}, "--serial belongs to archive list"},
        {"--since", V::Required, {C::ArchiveList}, "--since belongs to archive list"},
        {"--until", V::Required, {C::ArchiveList}, "--until belongs to archive list"},
        {"--verdict", V::Required, {C::ArchiveList}, "--verdict belongs to archive list"},
        {"--dir", V::Required, {C::ArchiveExport}, "--dir belongs to archive export"},
        {"--profile",
         V::Required,
         {C::Measure, C::Show, C::Report, C::Test},
         "--profile belongs to measure, show, report and test"},
        {"--out", V::Required, {C::Test}, "--out belongs to test"},
        {"--help", V::None, {}, ""},
        {"--version", V::None, {}, ""},
    };
    return table;
}

namespace {

// An argument that names an option ("-1" is a negative parameter).
bool isOption(const std::string& a) { return a.rfind("--", 0) == 0 || a.rfind("-h", 0) == 0; }

const OptionRow* findRow(const std::string& name) {
    for (const OptionRow& row : optionTable())
        if (name == row.name)
            return &row;
    return nullptr;
}

bool wholeNumber(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return true;
}

// An archive id: a whole number from 1.
bool resultId(const std::string& text, long long& id) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    id = std::stoll(text);
    return id >= 1;
}

// A day as YYYY-MM-DD that the calendar has.
bool isoDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[i] < '0' || text[i] > '9')
            return false;
    const std::chrono::year_month_day day{std::chrono::year(std::stoi(text.substr(0, 4))),
                                          std::chrono::month(static_cast<unsigned>(std::stoi(text.substr(5, 2)))),
                                          std::chrono::day(static_cast<unsigned>(std::stoi(text.substr(8, 2))))};
    return day.ok();
}

// The command the positional arguments name; false with `error` when they name none.
bool commandOf(const std::vector<std::string>& p, Options::Command& command, std::string& error) {
    using C = Options::Command;
    if (p.empty()) {
        error = "no command given (info, exec, measure, test, records, export, show, report, profile or archive)";
        return false;
    }
    const std::string& c = p[0];
    if (c == "records") {
        if (p.size() >= 2 && (p[1] == "list" || p[1] == "get")) {
            command = p[1] == "list" ? C::RecordsList : C::RecordsGet;
            return true;
        }
        error = "records takes list or get INDEX";
        return false;
    }
    if (c == "archive") {
        const std::pair<const char*, C> actions[] = {{"list", C::ArchiveList},
                                                     {"show", C::ArchiveShow},
                                                     {"export", C::ArchiveExport},
                                                     {"import", C::ArchiveImport},
                                                     {"stats", C::ArchiveStats}};
        for (const auto& [name, value] : actions)
            if (p.size() >= 2 && p[1] == name) {
                command = value;
                return true;
            }
        error = "archive takes list, show ID, export ID..., import PATH... or stats";
        return false;
    }
    if (c == "profile") {
        if (p.size() >= 2 && (p[1] == "check" || p[1] == "list")) {
            command = p[1] == "check" ? C::ProfileCheck : C::ProfileList;
            return true;
        }
        error = "profile takes check FILE.json or list";
        return false;
    }
    const std::pair<const char*, C> names[] = {{"info", C::Info},     {"exec", C::Exec}, {"measure", C::Measure},
                                               {"export", C::Export}, {"show", C::Show}, {"report", C::Report},
                                               {"test", C::Test}};
    for (const auto& [name, value] : names)
        if (c == name) {
            command = value;
            return true;
        }
    error = "unknown command " + c;
    return false;
}

// The positional arguments after the command.
bool positionalArguments(const std::vector<std::string>& p, Options& o, std::string& error) {
    using C = Options::Command;
    const auto oneFile = [&](const char* message) {
        if (p.size() != 2 || p[1].empty()) {
            error = message;
            return false;
        }
        o.file = p[1];
        return true;
    };
    switch (o.command) {
    case C::Info:
        if (p.size() > 1) {
            error = "info takes no arguments";
            return false;
        }
        return true;
    case C::Exec:
        if (p.size() < 2 || p[1].empty()) {
            error = "exec needs a command name";
            return false;
        }
        if (p.size() > 3) {
            error = "exec takes a name and one parameter text";
            return false;
        }
        o.name = p[1];
        o.parameters = p.size() == 3 ? p[2] : std::string();
        return true;
    case C::Measure:
        if (p.size() != 2) {
            error =
                p.size() < 2 ? "measure needs a mode (current, badpulses or oscillation)" : "measure takes one mode";
            return false;
        }
        o.measure.typ = p[1] == "current" ? 1 : p[1] == "badpulses" ? 2 : p[1] == "oscillation" ? 3 : 0;
        if (o.measure.typ == 0) {
            error = "unknown measurement " + p[1] + " (current, badpulses or oscillation)";
            return false;
        }
        return true;
    case C::RecordsList:
        if (p.size() != 2) {
            error = "records takes list or get INDEX";
            return false;
        }
        return true;
    case C::RecordsGet:
        // A record index is 0 to 253; a count of 255 means the measuring mode.
        if (p.size() != 3 || p[2].empty() || p[2].size() > 3 ||
            p[2].find_first_not_of("0123456789") != std::string::npos || std::stoi(p[2]) > 253) {
            error = "records get takes one record index (0 to 253)";
            return false;
        }
        o.index = std::stoi(p[2]);
        return true;
    case C::ArchiveList:
    case C::ArchiveStats:
        if (p.size() != 2) {
            error = "archive " + p[1] + " takes no arguments";
            return false;
        }
        return true;
    case C::ArchiveShow:
    case C::ArchiveExport:
        if (p.size() < 3 || (o.command == C::ArchiveShow && p.size() != 3)) {
            error =
                o.command == C::ArchiveShow ? "archive show takes one result id" : "archive export takes result ids";
            return false;
        }
        for (std::size_t i = 2; i < p.size(); ++i) {
            long long id = 0;
            if (!resultId(p[i], id)) {
                error = "not a result id: " + p[i];
                return false;
            }
            o.archive.ids.push_back(id);
        }
        return true;
    case C::ArchiveImport:
        if (p.size() < 3) {
            error = "archive import takes record files or folders";
            return false;
        }
        o.archive.paths.assign(p.begin() + 2, p.end());
        return true;
    case C::Show: return oneFile("show takes one record file");
    case C::Report: return oneFile("report takes one record file");
    case C::Export: return oneFile("export takes one record file");
    case C::Test:
        if (p.size() != 1) {
            error = "test takes no arguments";
            return false;
        }
        return true;
    case C::ProfileCheck:
        if (p.size() != 3 || p[2].empty()) {
            error = "profile check takes one profile file";
            return false;
        }
        o.file = p[2];
        return true;
    case C::ProfileList:
        if (p.size() != 2) {
            error = "profile list takes no arguments";
            return false;
        }
        return true;
    case C::Help:
    case C::Version: return true;
    }
    return true;
}

// Stores an option's value where it belongs; false with `error` for a value the option cannot take.
bool store(const std::string& name, const std::string& value, Options& o, int& links, std::string& error) {
    if (name == "--sim") {
        o.link.kind = LinkChoice::Kind::Simulated;
        ++links;
    } else if (name == "--port") {
        o.link.kind = LinkChoice::Kind::SerialPort;
        o.link.port = value;
        ++links;
    } else if (name == "--d2xx") {
        o.link.kind = LinkChoice::Kind::D2xx;
        o.link.d2xxLibrary = value;
        ++links;
    } else if (name == "--trace") {
        o.trace = true;
    } else if (name == "--lang") {
        o.lang = value;
        if (o.lang == "d" || o.lang == "e")
            o.lang[0] = static_cast<char>(o.lang[0] - 'a' + 'A');
        if (o.lang != "D" && o.lang != "E") {
            error = "--lang takes D or E";
            return false;
        }
    } else if (name == "--type" && o.command == Options::Command::ArchiveList) {
        if (!wholeNumber(value, o.archive.type) || o.archive.type < 1) {
            error = "--type needs a record type (a whole number of 1 or more)";
            return false;
        }
    } else if (name == "--type") {
        o.type = value;
        if (!isTypeLetter(o.type)) {
            error = "unknown type letter " + o.type + " (one of " + kTypeLetters + ")";
            return false;
        }
    } else if (name == "--csv" && o.command == Options::Command::Measure) {
        if (o.measure.typ != 1 || !value.empty()) {
            error = o.measure.typ != 1 ? "--csv belongs to export and measure current"
                                       : "measure --csv writes to standard output and takes no file";
            return false;
        }
        o.measure.csv = true;
    } else if (name == "--csv") {
        o.csv = true;
        o.csvOut = value;
    } else if (name == "--mth") {
        o.mthOut = value;
    } else if (name == "--pdf") {
        o.pdfOut = value;
    } else if (name == "--profile") {
        o.profile = value;
    } else if (name == "--out") {
        o.outDir = value;
    } else if (name == "--repeat") {
        if (!wholeNumber(value, o.measure.repeat) || o.measure.repeat < 1) {
            error = "--repeat needs a whole number of 1 or more";
            return false;
        }
    } else if (name == "--save") {
        if (!kavDateiname(value)) {
            error = "--save needs a file name ending in .kav";
            return false;
        }
        o.save = value;
        o.measure.save = value;
    } else if (name == "--archive") {
        o.archive.url = value;
        o.measure.archive = value;
    } else if (name == "--serial") {
        o.archive.serial = value;
    } else if (name == "--since" || name == "--until") {
        if (!isoDay(value)) {
            error = name + " takes a day as YYYY-MM-DD";
            return false;
        }
        (name == "--since" ? o.archive.since : o.archive.until) = value;
    } else if (name == "--verdict") {
        o.archive.verdict = value;
        for (char& c : o.archive.verdict)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        if (o.archive.verdict != "PASS" && o.archive.verdict != "FAIL" && o.archive.verdict != "INCOMPLETE") {
            error = "--verdict takes PASS, FAIL or INCOMPLETE";
            return false;
        }
    } else if (name == "--dir") {
        o.archive.dir = value;
    }
    return true;
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    options = Options{};
    std::vector<std::string> positional;
    std::vector<std::pair<const OptionRow*, std::string>> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!isOption(a)) {
            positional.push_back(a);
            continue;
        }
        if (a == "--") { // ends the options
            positional.insert(positional.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        const auto eq = a.find('=');
        const std::string name = a == "-h" ? "--help" : a.substr(0, eq);
        const OptionRow* row = findRow(name);
        if (!row) {
            error = "unknown option " + a;
            return false;
        }
        if (name == "--help" || name == "--version") {
            options.command = name == "--help" ? Options::Command::Help : Options::Command::Version;
            return true;
        }
        std::string value;
        const bool attached = eq != std::string::npos;
        if (attached)
            value = a.substr(eq + 1);
        switch (row->value) {
        case OptionRow::Value::None:
            if (attached) {
                error = name + " takes no value";
                return false;
            }
            break;
        case OptionRow::Value::Required:
            // The next option is never a value: "--save --repeat 2" lacks the file.
            if (!attached && i + 1 < args.size() && !isOption(args[i + 1]))
                value = args[++i];
            if (value.empty()) {
                error = name + " needs a value";
                return false;
            }
            break;
        case OptionRow::Value::Optional:
            if (!attached && i + 1 < args.size() && args[i + 1].rfind('-', 0) != 0)
                value = args[++i];
            if (attached && value.empty()) {
                error = name + " needs a value";
                return false;
            }
            break;
        case OptionRow::Value::Attached:
            if (attached && value.empty()) {
                error = name + "= needs a library";
                return false;
            }
            break;
        }
        // The language is checked at once, before the command is known.
        if (name == "--lang") {
            Options scratch;
            int links = 0;
            if (!store(name, value, scratch, links, error))
                return false;
        }
        given.emplace_back(row, value);
    }

    if (!commandOf(positional, options.command, error))
        return false;
    for (const OptionRow& row : optionTable()) {
        if (row.commands.empty())
            continue;
        bool here = false;
        for (Options::Command c : row.commands)
            here = here || c == options.command;
        for (const auto& g : given)
            if (g.first == &row && !here) {
                error = row.misplaced;
                return false;
            }
    }
    if (!positionalArguments(positional, options, error))
        return false;
    int links = 0;
    for (const auto& [row, value] : given)
        if (!store(row->name, value, options, links, error))
            return false;
    if (links > 1) {
        error = "choose one of --sim, --port and --d2xx";
        return false;
    }
    options.measure.sprache = options.lang;
    if (options.command == Options::Command::Export && options.csv == !options.mthOut.empty()) {
        error = "export needs either --csv [OUT] or --mth OUT";
        return false;
    }
    if (options.command == Options::Command::Test && options.profile.empty()) {
        error = "test needs --profile NAME|FILE.json";
        return false;
    }
    if (options.command == Options::Command::Report && options.pdfOut.empty()) {
        error = "report needs --pdf OUT";
        return false;
    }
    if (options.command == Options::Command::ArchiveExport && options.archive.dir.empty()) {
        error = "archive export needs --dir DIR";
        return false;
    }
    return true;
}

} // namespace kav::kavctl
