#include "kavctl_save.h"

#include "atomic_file.h"
#include "kavctl_files.h"
#include "kavctl_run.h"
#include "record_texts.h"

namespace kav::kavctl {

bool kavDateiname(const std::string& datei) {
    if (datei.size() < 5)
        return false;
    std::string endung = datei.substr(datei.size() - 4);
    for (char& c : endung)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    const char vorher = datei[datei.size() - 5];
    return endung == ".kav" && vorher != '/' && vorher != '\\';
}

int ergebnisSpeichern(const std::string& datei, const Ergebnis& ergebnis, const records::KopfTexte& kopf,
                      const LocalTime& zeit, const std::string& sprache, std::ostream& err) {
    records::Dateiinhalt inhalt;
    if (const auto* w = std::get_if<measure::AktuellWerte>(&ergebnis))
        inhalt = records::DateiSchreiben1(*w, kopf, zeit);
    else if (const auto* w = std::get_if<measure::SchlechtimpulsWerte>(&ergebnis))
        inhalt = records::DateiSchreiben2(*w, kopf, zeit);
    else if (const auto* w = std::get_if<measure::DrehschwebungWerte>(&ergebnis))
        inhalt = records::DateiSchreiben3(*w, kopf, zeit);
    else
        inhalt.fehler = records::Schreibfehler::KeineDaten;
    if (inhalt.fehler == records::Schreibfehler::KeineDaten) {
        err << zeilen(records::keineDatenMeldung(sprache).text) << '\n';
        return kExitFailed;
    }
    if (!inhalt.ok()) {
        err << zeilen(records::speicherFehlerMeldung(inhalt.fehler, sprache).text) << " (" << datei << ")\n";
        return kExitCantCreate;
    }
    const records::DateiFehler f = records::atomarSchreiben(datei, inhalt.bytes);
    if (f != records::DateiFehler::Keiner) {
        err << zeilen(records::speicherFehlerMeldung(f, sprache).text) << " (" << datei << ")\n";
        return kExitCantCreate;
    }
    return kExitOk;
}

} // namespace kav::kavctl
