#include "kavctl_show.h"

#include "cp1252.h"
#include "device_header.h"
#include "kavctl_files.h"
#include "result_json.h"

namespace kav::kavctl {

std::string headerJson(const records::KopfTexte& t, const std::string& datum) {
    auto text = [](const std::string& ansi) { return jsonText(records::cp1252ToUtf8(ansi)); };
    return "{\"firmware\": " + text(t.firmware) + ", \"encoder_serial\": " + text(t.geberSN) +
           ", \"device_serial\": " + text(t.geraetSN) + ", \"name\": " + text(t.name) +
           ", \"date\": " + jsonText(datum) + "}";
}

std::string recordJson(const records::Leseergebnis& g) {
    std::string werte = "{}";
    std::visit(
        [&](const auto& w) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(w)>, std::monostate>)
                werte = measure::valuesJson(w);
        },
        g.daten);
    return "{\"header\": " + headerJson(g.kopf, records::datumText(g.zeit)) + ", \"type\": " + std::to_string(g.typ) +
           ", \"values\": " + werte + "}";
}

int showFile(const Options& o, std::ostream& out, std::ostream& err) {
    records::Leseergebnis g;
    if (const int code = recordLesen(o, g, err); code != 0)
        return code;
    out << recordJson(g) << '\n';
    return out.good() ? 0 : kExitCantCreate;
}

} // namespace kav::kavctl
