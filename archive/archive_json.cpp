#include "archive_json.h"

namespace kav::archive {

namespace {

nlohmann::ordered_json text(const QString& s) { return s.toStdString(); }

nlohmann::ordered_json orNull(const std::optional<QString>& s) {
    return s ? text(*s) : nlohmann::ordered_json(nullptr);
}

} // namespace

nlohmann::ordered_json listEntryJson(const ResultRow& r) {
    return {{"id", r.id},
            {"type", r.type},
            {"taken", text(r.taken)},
            {"source", text(r.source)},
            {"encoder_serial", text(r.encoderSerial)},
            {"device_serial", text(r.deviceSerial)},
            {"name", text(r.name)},
            {"verdict", orNull(r.verdict)}};
}

nlohmann::ordered_json listJson(const std::vector<ResultRow>& rows) {
    auto out = nlohmann::ordered_json::array();
    for (const auto& r : rows)
        out.push_back(listEntryJson(r));
    return out;
}

nlohmann::ordered_json detailJson(const StoredResult& result) {
    auto out = listEntryJson(result.row);
    out["archived_at"] = text(result.row.archivedAt);
    out["firmware"] = text(result.row.firmware);
    out["profile"] = orNull(result.row.profile);
    auto values = nlohmann::ordered_json::object();
    for (const auto& [field, value] : result.values)
        values[field.toStdString()] = value;
    out["values"] = std::move(values);
    return out;
}

nlohmann::ordered_json statsJson(const Stats& s) {
    auto perType = nlohmann::ordered_json::object();
    for (const auto& [type, n] : s.perType)
        perType[std::to_string(type)] = n;
    auto perVerdict = nlohmann::ordered_json::object();
    for (const auto& [verdict, n] : s.perVerdict)
        perVerdict[verdict.isEmpty() ? std::string("none") : verdict.toStdString()] = n;
    auto when = [&](const QString& t) { return t.isEmpty() ? nlohmann::ordered_json(nullptr) : text(t); };
    return {{"total", s.total},
            {"per_type", std::move(perType)},
            {"per_verdict", std::move(perVerdict)},
            {"first_taken", when(s.firstTaken)},
            {"last_taken", when(s.lastTaken)}};
}

} // namespace kav::archive
