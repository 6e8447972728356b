#include "kavctl_show.h"

#include "ansi_utf8.h"
#include "device_header.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "kavctl_profile.h"
#include "result_json.h"

namespace kav::kavctl {

json::Json headerObject(const records::KopfTexte& t, const std::string& datum) {
    return {{"firmware", ansiToUtf8(t.firmware)},
            {"encoder_serial", ansiToUtf8(t.geberSN)},
            {"device_serial", ansiToUtf8(t.geraetSN)},
            {"name", ansiToUtf8(t.name)},
            {"date", datum}};
}

json::Json recordObject(const records::Leseergebnis& g) {
    json::Json werte = json::Json::object();
    std::visit(
        [&](const auto& w) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(w)>, std::monostate>)
                werte = measure::valuesObject(w);
        },
        g.daten);
    return {{"header", headerObject(g.kopf, records::datumText(g.zeit))}, {"type", g.typ}, {"values", std::move(werte)}};
}

int showFile(const Options& o, std::ostream& out, std::ostream& err) {
    records::Leseergebnis g;
    if (const int code = recordLesen(o, g, err); code != 0)
        return code;
    json::Json object = recordObject(g);
    int code = kExitOk;
    if (o.measure.profile) {
        if (const auto v = judgeRecord(*o.measure.profile, g.daten)) {
            object["verdict"] = verdict::verdictJson(*v, o.measure.profile->name);
            code = verdictExit(v->result);
        } else {
            // A record of no result type has nothing to judge.
            err << "kavctl: " << o.file << " holds record type " << g.typ << ": nothing to judge\n";
            code = kExitVerdict;
        }
    }
    out << json::zeile(object) << '\n';
    return out.good() ? code : kExitCantCreate;
}

} // namespace kav::kavctl
