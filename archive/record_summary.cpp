#include "record_summary.h"

#include <QCryptographicHash>

#include <nlohmann/json.hpp>
#include <string_view>
#include <variant>

#include "ansi_utf8.h"
#include "record_file.h"
#include "result_json.h"

namespace kav::archive {

namespace {

QString text(const std::string& cp1252) {
    return QString::fromStdString(ansiToUtf8(cp1252));
}

// The record's own JSON values (the same as `kavctl show` prints), of which
// the plain numbers are searchable.
nlohmann::ordered_json valuesObject(const records::Leseergebnis& r) {
    return std::visit(
        [](const auto& w) -> nlohmann::ordered_json {
            if constexpr (std::is_same_v<std::decay_t<decltype(w)>, std::monostate>)
                return nlohmann::ordered_json::object();
            else
                return measure::valuesObject(w);
        },
        r.daten);
}

} // namespace

std::optional<RecordSummary> summarise(const QByteArray& bytes) {
    const auto gelesen = records::DateiLesen(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!gelesen.ok() || !gelesen.datumGelesen)
        return std::nullopt;
    RecordSummary s;
    s.type = gelesen.typ;
    const auto& z = gelesen.zeit;
    s.taken = QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", z.year, z.month, z.day, z.hour, z.minute, z.second);
    s.firmware = text(gelesen.kopf.firmware);
    s.encoderSerial = text(gelesen.kopf.geberSN);
    s.deviceSerial = text(gelesen.kopf.geraetSN);
    s.name = text(gelesen.kopf.name);
    const auto werte = valuesObject(gelesen);
    if (werte.is_object()) {
        for (const auto& [feld, wert] : werte.items()) {
            if (wert.is_number())
                s.values.emplace_back(QString::fromStdString(feld), wert.get<double>());
        }
    }
    return s;
}

QString contentHash(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace kav::archive
