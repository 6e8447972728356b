#include "kavctl_run.h"

#include "com_usb.h"
#include "device_call.h"
#include "kavctl_files.h"
#include "kavctl_records.h"

namespace kav::kavctl {

std::string latin1ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string jsonString(const std::string& latin1Text) { return jsonText(latin1ToUtf8(latin1Text)); }

namespace {

void printInfo(std::ostream& out, int result, const std::string& diagnose, const std::string& serial,
               const std::string& firmware, const ComUSB& link) {
    out << "{\n"
        << "  \"result\": " << result << ",\n"
        << "  \"diagnostic\": " << jsonString(diagnose) << ",\n"
        << "  \"serial\": " << jsonString(serial) << ",\n"
        << "  \"firmware\": " << jsonString(firmware) << ",\n"
        << "  \"commands\": [";
    for (int i = 1; i <= link.commandCount(); ++i) {
        const auto& e = link.befehlsliste()[static_cast<std::size_t>(i)];
        out << (i > 1 ? ",\n" : "\n") << "    {\"index\": " << i << ", \"name\": " << jsonString(e.Name)
            << ", \"structure\": " << jsonString(e.arr_Struktur_txt) << "}";
    }
    out << (link.commandCount() > 0 ? "\n  ],\n" : "],\n") << "  \"info\": [";
    for (int j = 0; j < link.infoCount(); ++j) {
        const auto& e = link.infoListe()[static_cast<std::size_t>(j)];
        out << (j > 0 ? ",\n" : "\n") << "    {\"name\": " << jsonString(e.Name) << ", \"type\": " << jsonString(e.Typ)
            << ", \"value\": " << jsonString(e.Wert) << "}";
    }
    out << (link.infoCount() > 0 ? "\n  ]\n" : "]\n") << "}\n";
}

} // namespace

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
    err << "kavctl: " << latin1ToUtf8(converterName(options, diagnose))
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
            const Aufruf sn = wertLesen(link, wert::GeraetSN, "S");
            const Aufruf fw = wertLesen(link, wert::Firmware, "S");
            serial = sn.text;
            firmware = fw.text;
            link.COM_USBSchliessen();
            if (link.linkLost())
                return linkLost(options, diagnose, err);
            if (!sn.ok() || !fw.ok())
                code = kExitFailed;
        }
        printInfo(out, result, diagnose, serial, firmware, link);
        return code;
    }

    if (result != 0) {
        err << "kavctl: the link did not open (result " << result << ")\n" << latin1ToUtf8(diagnose);
        return kExitNoLink;
    }
    if (options.command == Options::Command::RecordsList || options.command == Options::Command::RecordsGet) {
        const int code = options.command == Options::Command::RecordsList ? recordsList(link, options, out, err)
                                                                          : recordsGet(link, options, out, err);
        link.COM_USBSchliessen();
        return link.linkLost() ? linkLost(options, diagnose, err) : code;
    }
    if (options.command == Options::Command::Measure) {
        const int code = runMeasure(options.measure, options.lang, link, out, err, options.trace);
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
        err << "kavctl: " << options.name << ": " << latin1ToUtf8(a.anfrageGrund) << '\n';
        return kExitUsage;
    }
    if (a.fehler == Aufruffehler::NichtGelistet)
        err << "kavctl: the device does not list the command " << options.name << '\n';
    // A failed command prints its failure text, never a number decoded from it.
    out << latin1ToUtf8(a.ok() ? a.wert.toText() : a.text) << '\n';
    return a.ok() ? kExitOk : kExitFailed;
}

} // namespace kav::kavctl
