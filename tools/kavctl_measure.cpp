#include "kavctl_measure.h"

#include <chrono>

#include "com_usb.h"
#include "kavctl_files.h"
#include "language_table.h"
#include "measurement_cycle.h"
#include "result_json.h"

namespace kav::kavctl {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 3;

// The window's part, on a console: messages and failures to standard error.
class ConsoleHost final : public measure::MeasureHost {
public:
    ConsoleHost(std::ostream& err, bool trace, std::string sprache)
        : err_(err), trace_(trace), sprache_(std::move(sprache)) {}

    std::string serial;
    int meldungen = 0;

    void meldung(const std::string& text) override {
        ++meldungen;
        err_ << "kavctl: " << zeilen(text) << '\n' << std::flush;
    }
    void debugLog(const std::string& zeile) override {
        if (trace_)
            err_ << zeilen(zeile) << '\n' << std::flush;
    }
    void tagesLog(const std::string& zeile) override { err_ << "kavctl: " << zeilen(zeile) << '\n' << std::flush; }
    void fehlerLog(const std::string&) override {} // the JSON carries the track error
    bool seiteSichtbar(int) override { return true; }
    void geberSeriennummer(const std::string& text) override { serial = text; }
    void beschaeftigt(bool) override {}
    void druckenSperren() override {}
    void wartehinweis(bool) override {}
    std::string sprachText(const std::string& deutsch) override { return texts::sprachText(deutsch, sprache_); }

private:
    std::ostream& err_;
    bool trace_;
    std::string sprache_;
};

template <class Werte>
int einmal(measure::MeasurementCycle& cycle, ConsoleHost& host, Clock& clock, int typ, std::ostream& out,
           std::ostream& err) {
    static constexpr const char* kBefehl[] = {"", "DO_MesAktuell", "DO_MesSchlechtimpuls", "DO_MesDrehschwebung"};
    const int vorher = host.meldungen;
    const bool gestartet = typ == 1 ? cycle.DateiTyp1Live() : typ == 2 ? cycle.DateiTyp2Live() : cycle.DateiTyp3Live();
    if (!gestartet) {
        if (host.meldungen == vorher) // an unlisted command shows no message in the window
            err << "kavctl: the device does not list " << kBefehl[typ] << '\n';
        return kExitFailed;
    }
    Werte live;
    for (;;) {
        clock.sleepFor(std::chrono::milliseconds(measure::kPollIntervalMs));
        switch (cycle.pollTick(live)) {
        case measure::PollOutcome::Again: continue;
        case measure::PollOutcome::Finished:
            out << measure::resultJson(live, host.serial, [&](const std::string& d) { return host.sprachText(d); })
                << '\n'
                << std::flush;
            return kExitOk;
        case measure::PollOutcome::Failed:
        case measure::PollOutcome::TimedOut:
        case measure::PollOutcome::Dropped: return kExitFailed;
        }
    }
}

bool ganzeZahl(const std::string& text, int& wert) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    wert = std::stoi(text);
    return true;
}

} // namespace

bool isMeasureOption(const std::string& arg) {
    for (const char* name : {"--repeat", "--save"}) {
        const std::string n = name;
        if (arg == n || arg.rfind(n + "=", 0) == 0)
            return true;
    }
    return false;
}

bool parseMeasure(const std::vector<std::string>& positional, const std::vector<std::string>& optionArgs,
                  MeasureOptions& options, std::string& error) {
    options = MeasureOptions{};
    if (positional.size() != 2) {
        error = positional.size() < 2 ? "measure needs a mode (current, badpulses or oscillation)"
                                      : "measure takes one mode";
        return false;
    }
    const std::string& mode = positional[1];
    options.typ = mode == "current" ? 1 : mode == "badpulses" ? 2 : mode == "oscillation" ? 3 : 0;
    if (options.typ == 0) {
        error = "unknown measurement " + mode + " (current, badpulses or oscillation)";
        return false;
    }
    for (std::size_t i = 0; i < optionArgs.size(); ++i) {
        const std::string& a = optionArgs[i];
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        std::string value;
        if (eq != std::string::npos)
            value = a.substr(eq + 1);
        else if (i + 1 < optionArgs.size())
            value = optionArgs[++i];
        if (value.empty()) {
            error = name + " needs a value";
            return false;
        }
        if (name == "--repeat") {
            if (!ganzeZahl(value, options.repeat) || options.repeat < 1) {
                error = "--repeat needs a whole number of 1 or more";
                return false;
            }
        } else {
            options.save = value;
        }
    }
    if (!options.save.empty()) {
        error = "--save is not available yet: this kavctl cannot write record files";
        return false;
    }
    return true;
}

int runMeasure(const MeasureOptions& options, const std::string& sprache, ComUSB& link, std::ostream& out,
               std::ostream& err, bool trace) {
    ConsoleHost host(err, trace, sprache);
    measure::MeasurementCycle cycle(link, host);
    for (int n = 0; n < options.repeat; ++n) {
        int code = kExitFailed;
        switch (options.typ) {
        case 1: code = einmal<measure::AktuellWerte>(cycle, host, link.clock(), 1, out, err); break;
        case 2: code = einmal<measure::SchlechtimpulsWerte>(cycle, host, link.clock(), 2, out, err); break;
        case 3: code = einmal<measure::DrehschwebungWerte>(cycle, host, link.clock(), 3, out, err); break;
        default: break;
        }
        if (code != kExitOk)
            return code;
    }
    return kExitOk;
}

} // namespace kav::kavctl
