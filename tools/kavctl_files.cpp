#include "kavctl_files.h"

#include <charconv>
#include <cstdio>

#include "atomic_file.h"
#include "display_rules.h"
#include "record_fields.h"
#include "record_texts.h"

namespace kav::kavctl {

namespace {

// Shortest text that reads back to the same value, with "." whatever the locale.
template <typename T>
std::string zahl(T v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

} // namespace

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
        const std::vector<std::int16_t> samples = measure::messwerte(*w);
        for (std::size_t k = 0; k < samples.size(); ++k)
            csv += std::to_string(k) + "," + zahl(360.0 * static_cast<double>(k) / 200.0) + "," +
                   std::to_string(samples[k]) + "\n";
        return csv;
    }
    csv = "field,value\n";
    if (const auto* w = std::get_if<measure::AktuellWerte>(&g.daten))
        csv += measure::csvZeilen(*w);
    else if (const auto* w = std::get_if<measure::SchlechtimpulsWerte>(&g.daten))
        csv += measure::csvZeilen(*w);
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
