#include "kavctl_save.h"

#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "record_save.h"

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

int ergebnisSpeichern(const std::string& datei, const records::Datensatz& ergebnis, const records::KopfTexte& kopf,
                      const LocalTime& zeit, const std::string& sprache, std::ostream& err) {
    const records::Speicherergebnis e =
        records::datensatzSpeichern(ergebnis, std::filesystem::path(std::u8string(datei.begin(), datei.end())), kopf,
                                    zeit, {false, '.', sprache});
    switch (e.art) {
    case records::Speicherergebnis::Art::Gespeichert: return kExitOk;
    case records::Speicherergebnis::Art::KeinTyp:
    case records::Speicherergebnis::Art::KeineDaten:
        err << zeilen(records::keineDatenMeldung(sprache).text) << '\n';
        return kExitFailed;
    case records::Speicherergebnis::Art::Fehler: break;
    }
    err << zeilen(e.meldung ? e.meldung->text : std::string()) << " (" << datei << ")\n";
    return kExitCantCreate;
}

} // namespace kav::kavctl
