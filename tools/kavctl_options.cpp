#include "kavctl_options.h"

#include "kavctl_files.h"

namespace kav::kavctl {

const char kUsage[] =
    "Usage: kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] info\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] exec NAME [PARAMS] [--type T]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] records list [--lang D|E]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] records get INDEX\n"
    "              [--save FILE.kav] [--lang D|E]\n"
    "       kavctl [--sim | --port PATH | --d2xx[=LIBRARY]] [--trace] measure current|badpulses|oscillation\n"
    "              [--repeat N] [--lang D|E] [--save FILE.kav]\n"
    "       kavctl export FILE.kav (--csv [OUT] | --mth OUT) [--lang D|E]\n"
    "       kavctl show FILE.kav [--lang D|E]\n"
    "       kavctl report FILE.kav --pdf OUT.pdf [--lang D|E]\n"
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
    "                   result as a record file\n"
    "  export FILE.kav  a record file as CSV (to OUT or standard output) or, type 3, as\n"
    "                   the mth export to OUT\n"
    "  show FILE.kav    a record file's header and values as one JSON object\n"
    "  report FILE.kav  a record file's printout (the window's \"Drucken\") as a PDF\n"
    "  --lang D|E       language of the messages on standard error and of measure's\n"
    "                   texts (default E)\n"
    "\n"
    "Exit: 0 success, 2 link not opened, 3 command, identity, record listing or\n"
    "      loading or measurement failed, 64 bad arguments, 65 not a record file or\n"
    "      not readable as one, 66 file cannot be read, 73 output file cannot be written.\n";

bool isTypeLetter(const std::string& letter) {
    return letter.size() == 1 && letter != " " && std::string(kTypeLetters).find(letter) != std::string::npos;
}

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    options = Options{};
    int linkOptions = 0;
    bool typeGiven = false;
    bool endOfOptions = false;
    std::vector<std::string> positional;
    std::vector<std::string> measureArgs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // "--" ends the options; a single dash with a digit is a negative parameter.
        if (endOfOptions || a.size() < 2 || a[0] != '-' || (a[1] != '-' && a[1] != 'h')) {
            positional.push_back(a);
            continue;
        }
        const auto value = [&](const std::string& option, std::string& out) {
            if (a.rfind(option + "=", 0) == 0) {
                out = a.substr(option.size() + 1);
            } else if (i + 1 < args.size()) {
                out = args[++i];
            } else {
                error = option + " needs a value";
                return false;
            }
            if (out.empty()) {
                error = option + " needs a value";
                return false;
            }
            return true;
        };
        if (a == "--") {
            endOfOptions = true;
        } else if (a == "--help" || a == "-h") {
            options.command = Options::Command::Help;
            return true;
        } else if (a == "--version") {
            options.command = Options::Command::Version;
            return true;
        } else if (a == "--sim") {
            options.link.kind = LinkChoice::Kind::Simulated;
            ++linkOptions;
        } else if (a == "--port" || a.rfind("--port=", 0) == 0) {
            if (!value("--port", options.link.port))
                return false;
            options.link.kind = LinkChoice::Kind::SerialPort;
            ++linkOptions;
        } else if (a == "--d2xx" || a.rfind("--d2xx=", 0) == 0) {
            options.link.kind = LinkChoice::Kind::D2xx;
            if (a.size() > 7) {
                options.link.d2xxLibrary = a.substr(7);
                if (options.link.d2xxLibrary.empty()) {
                    error = "--d2xx= needs a library";
                    return false;
                }
            }
            ++linkOptions;
        } else if (isMeasureOption(a)) {
            measureArgs.push_back(a);
            if (a.find('=') == std::string::npos && i + 1 < args.size())
                measureArgs.push_back(args[++i]);
        } else if (a == "--trace") {
            options.trace = true;
        } else if (a == "--type" || a.rfind("--type=", 0) == 0) {
            if (!value("--type", options.type))
                return false;
            if (!isTypeLetter(options.type)) {
                error = "unknown type letter " + options.type + " (one of " + kTypeLetters + ")";
                return false;
            }
            typeGiven = true;
        } else if (const int r = fileOption(args, i, options, error); r != 0) {
            if (r < 0)
                return false;
        } else {
            error = "unknown option " + a;
            return false;
        }
    }
    if (linkOptions > 1) {
        error = "choose one of --sim, --port and --d2xx";
        return false;
    }
    if (positional.empty()) {
        error = "no command given (info, exec, measure, records, export, show or report)";
        return false;
    }
    if (positional[0] == "measure") {
        if (typeGiven || options.csv || !options.mthOut.empty() || !options.pdfOut.empty()) {
            error = typeGiven                ? "--type belongs to exec"
                    : options.pdfOut.empty() ? "--csv and --mth belong to export"
                                             : "--pdf belongs to report";
            return false;
        }
        options.command = Options::Command::Measure;
        return parseMeasure(positional, measureArgs, options.measure, error);
    }
    if (positional[0] == "records" && positional.size() > 1 && positional[1] == "get") {
        // records get takes measure's --save, and only that.
        MeasureOptions m;
        std::vector<std::string> nurSave;
        for (std::size_t i = 0; i < measureArgs.size(); ++i) {
            if (measureArgs[i].rfind("--repeat", 0) == 0) {
                error = "--repeat belongs to measure";
                return false;
            }
            nurSave.push_back(measureArgs[i]);
        }
        if (!parseMeasure({"measure", "current"}, nurSave, m, error))
            return false;
        options.save = m.save;
    } else if (!measureArgs.empty()) {
        error = measureArgs[0] + " belongs to measure";
        return false;
    }
    if (positional[0] == "records" || positional[0] == "export" || positional[0] == "show" || positional[0] == "report")
        return fileCommand(positional, typeGiven, options, error);
    if (!options.pdfOut.empty()) {
        error = "--pdf belongs to report";
        return false;
    }
    if (positional[0] == "info") {
        if (positional.size() > 1) {
            error = "info takes no arguments";
            return false;
        }
        if (typeGiven) {
            error = "--type belongs to exec";
            return false;
        }
        options.command = Options::Command::Info;
        return true;
    }
    if (positional[0] == "exec") {
        if (positional.size() < 2 || positional[1].empty()) {
            error = "exec needs a command name";
            return false;
        }
        if (positional.size() > 3) {
            error = "exec takes a name and one parameter text";
            return false;
        }
        options.command = Options::Command::Exec;
        options.name = positional[1];
        if (positional.size() == 3)
            options.parameters = positional[2];
        return true;
    }
    error = "unknown command " + positional[0];
    return false;
}

} // namespace kav::kavctl
