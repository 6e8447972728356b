#include "kavctl_run.h"

#include "ansi_utf8.h"
#include "com_usb.h"
#include "device_call.h"
#include "device_status.h"
#include "kavctl_files.h"
#include "kavctl_records.h"
#include "kavctl_test.h"

namespace kav::kavctl {

json::Json infoObject(int result, const std::string& diagnose, const std::string& serial, const std::string& firmware,
                      const ComUSB& link) {
    json::Json commands = json::Json::array();
    for (int i = 1; i <= link.commandCount(); ++i) {
        const auto& e = link.befehlsliste()[static_cast<std::size_t>(i)];
        commands.push_back({{"index", i}, {"name", ansiToUtf8(e.Name)}, {"structure", ansiToUtf8(e.arr_Struktur_txt)}});
    }
    json::Json info = json::Json::array();
    for (int j = 0; j < link.infoCount(); ++j) {
        const auto& e = link.infoListe()[static_cast<std::size_t>(j)];
        info.push_back({{"name", ansiToUtf8(e.Name)}, {"type", ansiToUtf8(e.Typ)}, {"value", ansiToUtf8(e.Wert)}});
    }
    return {{"result", result},
            {"diagnostic", ansiToUtf8(diagnose)},
            {"serial", ansiToUtf8(serial)},
            {"firmware", ansiToUtf8(firmware)},
            {"commands", std::move(commands)},
            {"info", std::move(info)}};
}

namespace {

// The converter as the user chose it, for the message when it vanished.
std::string converterName(const Options& options, const std::string& diagnose) {
    if (options.link.kind == LinkChoice::Kind::SerialPort)
        return options.link.port;
    const std::string marke = "Device Description ";
    if (const auto pos = diagnose.find(marke); pos != std::string::npos)
        return diagnose.substr(pos + marke.size(), diagnose.find('\r', pos) - pos - marke.size());
    return "the converter";
}

// A converter that vanished while a command ran ends kavctl as a link failure.
int linkLost(const Options& options, const std::string& diagnose, std::ostream& err) {
    err << "kavctl: " << ansiToUtf8(converterName(options, diagnose))
        << ": the converter vanished (unplugged?); the link is lost\n";
    return kExitNoLink;
}

} // namespace

int run(const Options& options, ft::FtApi& api, const std::string& backendDiagnose, std::ostream& out,
        std::ostream& err) {
    if (options.command == Options::Command::Exec && !isTypeLetter(options.type)) {
        err << "kavctl: unknown type letter " << options.type << " (one of " << kTypeLetters << ")\n";
        return kExitUsage;
    }
    LinkHooks hooks;
    if (options.trace) {
        hooks.kommunAn = [] { return true; };
        hooks.kommunLog = [&err](const std::string& line) { err << line << '\n' << std::flush; };
    }
    ComUSB link(api, std::move(hooks));
    std::string diagnose = backendDiagnose;
    const int result = link.COM_USBOeffnen(diagnose);

    if (options.command == Options::Command::Info) {
        std::string serial;
        std::string firmware;
        int code = kExitOk;
        if (result != 0) {
            code = kExitNoLink;
        } else {
            const Identitaet id = identitaetLesen(link);
            serial = id.seriennummer.text;
            firmware = id.firmware.text;
            link.COM_USBSchliessen();
            if (link.linkLost())
                return linkLost(options, diagnose, err);
            if (!id.seriennummer.ok() || !id.firmware.ok())
                code = kExitFailed;
        }
        out << json::block(infoObject(result, diagnose, serial, firmware, link)) << '\n';
        return code;
    }

    if (result != 0) {
        err << "kavctl: the link did not open (result " << result << ")\n" << ansiToUtf8(diagnose);
        return kExitNoLink;
    }
    if (options.command == Options::Command::RecordsList || options.command == Options::Command::RecordsGet) {
        const int code = options.command == Options::Command::RecordsList ? recordsList(link, options, out, err)
                                                                          : recordsGet(link, options, out, err);
        link.COM_USBSchliessen();
        return link.linkLost() ? linkLost(options, diagnose, err) : code;
    }
    if (options.command == Options::Command::Measure || options.command == Options::Command::Test) {
        const int code = options.command == Options::Command::Test
                             ? runTest(options, link, out, err)
                             : runMeasure(options.measure, options.lang, link, out, err, options.trace);
        link.COM_USBSchliessen();
        return link.linkLost() ? linkLost(options, diagnose, err) : code;
    }
    // A request that cannot be built is never sent: the command's places are
    // known only now, so a parameter they cannot take is a bad argument.
    const Aufruf a = geraetAufruf(link, options.name, options.parameters, options.type);
    link.COM_USBSchliessen();
    if (link.linkLost())
        return linkLost(options, diagnose, err);
    if (a.fehler == Aufruffehler::UngueltigeAnfrage) {
        err << "kavctl: " << options.name << ": " << ansiToUtf8(a.anfrageGrund) << '\n';
        return kExitUsage;
    }
    if (a.fehler == Aufruffehler::NichtGelistet)
        err << "kavctl: the device does not list the command " << options.name << '\n';
    // A failed command prints its failure text, never a number decoded from it.
    out << ansiToUtf8(a.ok() ? a.wert.toText() : a.text) << '\n';
    return a.ok() ? kExitOk : kExitFailed;
}

} // namespace kav::kavctl
