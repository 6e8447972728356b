#include "kavctl_records.h"

#include "cp1252.h"
#include "device_memory.h"
#include "kavctl_files.h"
#include "kavctl_run.h"

namespace kav::kavctl {

int recordsList(ComUSB& link, const Options& o, std::ostream& out, std::ostream& err) {
    const records::Auflistung a = records::DatenVomG(link);
    switch (a.ergebnis) {
    case records::Listenergebnis::Ok: break;
    case records::Listenergebnis::AnzahlNichtGelistet:
        err << "kavctl: the device does not list the command RD_FramDataNum\n";
        return kExitFailed;
    case records::Listenergebnis::KopfNichtGelistet:
        err << "kavctl: the device does not list the command RD_FramDataHead\n";
        return kExitFailed;
    case records::Listenergebnis::AnzahlFehler:
    case records::Listenergebnis::Messmodus:
    case records::Listenergebnis::KopfFehler:
        err << zeilen(records::listenMeldung(a.ergebnis, o.lang).text) << "\n";
        return kExitFailed;
    }
    out << "[";
    for (std::size_t i = 0; i < a.zeilen.size(); ++i) {
        // Listed headers are complete, so this always holds a value.
        const auto kopf = records::datensatzkopfLesen(a.KopfListe[i]);
        out << (i ? ",\n" : "\n") << "  {\"index\": " << i
            << ", \"name\": " << jsonText(records::cp1252ToUtf8(a.zeilen[i])) << ", \"type\": " << kopf->typ
            << ", \"date\": " << jsonText(records::datumText(kopf->zeit))
            << ", \"encoder_serial\": " << jsonText(records::cp1252ToUtf8(records::getrimmt(kopf->geberSN)))
            << ", \"device_serial\": " << jsonText(records::cp1252ToUtf8(records::getrimmt(kopf->geraetSN))) << "}";
    }
    out << (a.zeilen.empty() ? "]\n" : "\n]\n");
    return kExitOk;
}

} // namespace kav::kavctl
