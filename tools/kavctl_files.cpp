#include "kavctl_files.h"

#include <charconv>
#include <cstdio>

#include "atomic_file.h"
#include "number_text.h"
#include "record_texts.h"
#include "result_json.h"

namespace kav::kavctl {

namespace {

// Shortest text that reads back to the same value, with "." whatever the locale.
template <typename T>
std::string zahl(T v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

int vorzeichen(std::uint8_t b) { return measure::vorzeichenbehaftet(b); }

void zeile(std::string& csv, const std::string& feld, const std::string& wert) { csv += feld + "," + wert + "\n"; }

int hexWert(char c) { return detail::hexDigitValue(c); }

} // namespace

int fileOption(const std::vector<std::string>& args, std::size_t& i, Options& o, std::string& error) {
    const std::string& a = args[i];
    auto wert = [&](const std::string& name, std::string& out, bool optional) {
        if (a.rfind(name + "=", 0) == 0) {
            out = a.substr(name.size() + 1);
        } else if (i + 1 < args.size() && (!optional || args[i + 1].rfind("-", 0) != 0)) {
            out = args[++i];
        } else if (!optional) {
            error = name + " needs a value";
            return false;
        }
        if (out.empty() && (!optional || a != name)) {
            error = name + " needs a value";
            return false;
        }
        return true;
    };
    if (a == "--lang" || a.rfind("--lang=", 0) == 0) {
        if (!wert("--lang", o.lang, false))
            return -1;
        if (o.lang == "d" || o.lang == "e")
            o.lang[0] = static_cast<char>(o.lang[0] - 'a' + 'A');
        if (o.lang != "D" && o.lang != "E") {
            error = "--lang takes D or E";
            return -1;
        }
        return 1;
    }
    if (a == "--csv" || a.rfind("--csv=", 0) == 0) {
        o.csv = true;
        return wert("--csv", o.csvOut, true) ? 1 : -1;
    }
    if (a == "--mth" || a.rfind("--mth=", 0) == 0)
        return wert("--mth", o.mthOut, false) ? 1 : -1;
    if (a == "--pdf" || a.rfind("--pdf=", 0) == 0)
        return wert("--pdf", o.pdfOut, false) ? 1 : -1;
    return 0;
}

bool fileCommand(const std::vector<std::string>& p, bool typeGiven, Options& o, std::string& error) {
    if (typeGiven) {
        error = "--type belongs to exec";
        return false;
    }
    if (p[0] != "export" && (o.csv || !o.mthOut.empty())) {
        error = "--csv and --mth belong to export";
        return false;
    }
    if (p[0] != "report" && !o.pdfOut.empty()) {
        error = "--pdf belongs to report";
        return false;
    }
    if (p[0] == "report") {
        if (p.size() != 2 || p[1].empty()) {
            error = "report takes one record file";
            return false;
        }
        if (o.pdfOut.empty()) {
            error = "report needs --pdf OUT";
            return false;
        }
        o.command = Options::Command::Report;
        o.file = p[1];
        return true;
    }
    if (p[0] == "records") {
        if (p.size() == 2 && p[1] == "list") {
            o.command = Options::Command::RecordsList;
            return true;
        }
        if (p.size() < 2 || p[1] != "get") {
            error = "records takes list or get INDEX";
            return false;
        }
        // A record index is 0 to 253; a count of 255 means the measuring mode.
        if (p.size() != 3 || p[2].empty() || p[2].size() > 3 ||
            p[2].find_first_not_of("0123456789") != std::string::npos || std::stoi(p[2]) > 253) {
            error = "records get takes one record index (0 to 253)";
            return false;
        }
        o.command = Options::Command::RecordsGet;
        o.index = std::stoi(p[2]);
        return true;
    }
    if (p[0] == "show") {
        if (p.size() != 2 || p[1].empty()) {
            error = "show takes one record file";
            return false;
        }
        o.command = Options::Command::Show;
        o.file = p[1];
        return true;
    }
    if (p.size() != 2 || p[1].empty()) {
        error = "export takes one record file";
        return false;
    }
    if (o.csv == !o.mthOut.empty()) {
        error = "export needs either --csv [OUT] or --mth OUT";
        return false;
    }
    o.command = Options::Command::Export;
    o.file = p[1];
    return true;
}

std::string jsonText(const std::string& utf8) { return measure::jsonText(utf8); }

std::string zeilen(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

std::string csvText(const records::Leseergebnis& g) {
    std::string csv;
    if (const auto* w = std::get_if<measure::DrehschwebungWerte>(&g.daten)) {
        csv = "sample,angle_deg,arcsec\n";
        for (int k = 0; k < w->AnzahlMesswerte; ++k) {
            const std::size_t p = static_cast<std::size_t>(k) * 4;
            const auto& m = w->Messdaten;
            // Type letter "I": low byte first.
            const int low = hexWert(m[p]) * 16 + hexWert(m[p + 1]);
            const int high = hexWert(m[p + 2]) * 16 + hexWert(m[p + 3]);
            const auto wert = static_cast<std::int16_t>(static_cast<std::uint16_t>(high * 256 + low));
            csv += std::to_string(k) + "," + zahl(360.0 * k / 200.0) + "," + std::to_string(wert) + "\n";
        }
        return csv;
    }
    csv = "field,value\n";
    if (const auto* w = std::get_if<measure::AktuellWerte>(&g.daten)) {
        zeile(csv, "Impulszahl", std::to_string(w->Impulszahl));
        zeile(csv, "Drehzahl", zahl(w->Drehzahl));
        zeile(csv, "Frequenz", std::to_string(w->Frequenz));
        zeile(csv, "Versorgungsspannung", zahl(w->Versorgungsspannung));
        zeile(csv, "Stromaufnahme", std::to_string(w->Stromaufnahme));
        zeile(csv, "Symmetrie0", std::to_string(vorzeichen(w->Symmetrie0)));
        zeile(csv, "Symmetrie90", std::to_string(vorzeichen(w->Symmetrie90)));
        zeile(csv, "Phasenlage", std::to_string(vorzeichen(w->Phasenlage)));
        zeile(csv, "Spurfehler", std::to_string(w->Spurfehler));
    } else if (const auto* w = std::get_if<measure::SchlechtimpulsWerte>(&g.daten)) {
        zeile(csv, "Drehzahl", zahl(w->Drehzahl));
        zeile(csv, "Impulszahl", std::to_string(w->Impulszahl));
        zeile(csv, "AnzahlAbweichungen", std::to_string(w->AnzahlAbweichungen));
        zeile(csv, "PosMaxPositiv", std::to_string(w->PosMaxPositiv));
        zeile(csv, "MaxPositiv", std::to_string(vorzeichen(w->MaxPositiv)));
        zeile(csv, "PosMaxNegativ", std::to_string(w->PosMaxNegativ));
        zeile(csv, "MaxNegativ", std::to_string(vorzeichen(w->MaxNegativ)));
        for (std::size_t k = 0; k < w->AbwPos.size(); ++k)
            zeile(csv, "AbwPos" + std::to_string(k + 1), std::to_string(w->AbwPos[k]));
        for (std::size_t k = 0; k < w->AbwWert.size(); ++k)
            zeile(csv, "AbwWert" + std::to_string(k + 1), std::to_string(vorzeichen(w->AbwWert[k])));
    }
    return csv;
}

int recordLesen(const Options& o, records::Leseergebnis& g, std::ostream& err) {
    const records::DateiGelesen datei = records::dateiLesen(o.file);
    if (!datei.ok()) {
        err << zeilen(records::lesenFehlerMeldung(o.lang).text) << " (" << o.file << ")\n";
        return kExitNoInput;
    }
    g = records::DateiLesen(datei.inhalt);
    if (g.fehler == records::Lesefehler::KeineKavDatei) {
        err << zeilen(records::unbekanntesFormatMeldung(o.lang).text) << " (" << o.file << ")\n";
        return kExitDataErr;
    }
    if (!g.ok()) {
        err << zeilen(records::bearbeitenFehlerMeldung(o.lang).text) << " (" << o.file << ")\n";
        return kExitDataErr;
    }
    return 0;
}

int exportFile(const Options& o, std::ostream& out, std::ostream& err) {
    records::Leseergebnis g;
    if (const int code = recordLesen(o, g, err); code != 0)
        return code;

    std::string inhalt;
    std::string ziel;
    if (o.csv) {
        inhalt = csvText(g);
        if (o.csvOut.empty()) {
            out << inhalt;
            return out.good() ? 0 : kExitCantCreate;
        }
        ziel = o.csvOut;
    } else {
        const auto* w = std::get_if<measure::DrehschwebungWerte>(&g.daten);
        if (!w) {
            err << "kavctl: the mth export needs a rotational oscillation record (type 3); " << o.file << " holds type "
                << g.typ << "\n";
            return kExitDataErr;
        }
        // The header texts as the file holds them: a trimmed name would be right-aligned anew.
        const records::Dateiinhalt mth = records::DateiSchreiben3Mth(*w, g.kopfWieGespeichert, g.zeit);
        if (!mth.ok()) {
            err << zeilen(records::speicherFehlerMeldung(mth.fehler, o.lang).text) << "\n";
            return kExitDataErr;
        }
        inhalt = mth.bytes;
        ziel = o.mthOut;
    }
    const records::DateiFehler f = records::atomarSchreiben(ziel, inhalt);
    if (f != records::DateiFehler::Keiner) {
        err << zeilen(records::speicherFehlerMeldung(f, o.lang).text) << " (" << ziel << ")\n";
        return kExitCantCreate;
    }
    return 0;
}

} // namespace kav::kavctl
