#include "kavctl_archive_commands.h"

#include "archive_json.h"
#include "json_writer.h"
#include "kavctl_archive.h"
#include "kavctl_exit.h"
#include "kavctl_files.h"
#include "kavctl_show.h"
#include "record_texts.h"

namespace kav::kavctl {

namespace {

using C = Options::Command;

std::optional<QDate> day(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    return QDate::fromString(QString::fromStdString(text), Qt::ISODate);
}

int list(archive::Archive& a, const ArchiveOptions& o, std::ostream& out, std::ostream& err) {
    archive::Filter filter;
    filter.encoderSerial = QString::fromStdString(o.serial);
    filter.since = day(o.since);
    filter.until = day(o.until);
    if (o.type != 0)
        filter.type = o.type;
    if (!o.verdict.empty())
        filter.verdict = QString::fromStdString(o.verdict);
    std::vector<archive::ResultRow> rows;
    if (const archive::Error e = a.list(filter, rows))
        return archivFehler(e, err);
    out << json::block(archive::listJson(rows)) << '\n';
    return kExitOk;
}

// The archive's fields, then what `show` prints for the record's bytes.
int show(archive::Archive& a, long long id, const std::string& sprache, std::ostream& out, std::ostream& err) {
    std::optional<archive::StoredResult> r;
    if (const archive::Error e = a.find(id, r))
        return archivFehler(e, err);
    if (!r) {
        err << "kavctl: the archive holds no result " << id << '\n';
        return kExitDataErr;
    }
    const records::Leseergebnis g = records::DateiLesen(std::string_view(r->bytes.constData(), r->bytes.size()));
    if (g.fehler != records::Lesefehler::Keiner) {
        err << zeilen(records::bearbeitenFehlerMeldung(sprache).text) << " (archive result " << id << ")\n";
        return kExitDataErr;
    }
    json::Json ausgabe = archive::detailJson(*r);
    ausgabe.erase("values"); // the record's own values follow
    const json::Json datei = recordObject(g);
    for (const auto& [name, wert] : datei.items())
        ausgabe[name] = wert;
    out << json::zeile(ausgabe) << '\n';
    return kExitOk;
}

int exportIds(archive::Archive& a, const ArchiveOptions& o, std::ostream& out, std::ostream& err) {
    const std::vector<qint64> ids(o.ids.begin(), o.ids.end());
    QStringList written;
    if (const archive::Error e = a.exportResults(ids, QString::fromStdString(o.dir), written))
        return archivFehler(e, err);
    json::Json files = json::Json::array();
    for (const QString& f : written)
        files.push_back(f.toStdString());
    out << json::block(files) << '\n';
    return kExitOk;
}

int import(archive::Archive& a, const ArchiveOptions& o, std::ostream& out, std::ostream& err) {
    QStringList paths;
    for (const std::string& p : o.paths)
        paths << QString::fromStdString(p);
    archive::ImportReport report;
    const archive::Error e = a.importPaths(paths, report);
    for (const QString& f : report.notRecords)
        err << "kavctl: not a record file: " << f.toStdString() << '\n';
    for (const QString& f : report.unreadable)
        err << "kavctl: cannot be read: " << f.toStdString() << '\n';
    // What was committed before a failure is in the archive: said either way.
    out << json::zeile({{"imported", report.imported},
                        {"already_there", report.alreadyThere},
                        {"not_record_files", report.notRecords.size()},
                        {"unreadable", report.unreadable.size()}})
        << '\n';
    return archivFehler(e, err);
}

} // namespace

bool isArchiveCommand(Options::Command c) {
    return c == C::ArchiveList || c == C::ArchiveShow || c == C::ArchiveExport || c == C::ArchiveImport ||
           c == C::ArchiveStats;
}

int archiveCommand(const Options& o, std::ostream& out, std::ostream& err) {
    archive::Archive a;
    if (const int code = archiveOeffnen(o.archive.url, a, err); code != kExitOk)
        return code;
    switch (o.command) {
    case C::ArchiveList: return list(a, o.archive, out, err);
    case C::ArchiveShow: return show(a, o.archive.ids.front(), o.lang, out, err);
    case C::ArchiveExport: return exportIds(a, o.archive, out, err);
    case C::ArchiveImport: return import(a, o.archive, out, err);
    case C::ArchiveStats: {
        archive::Stats stats;
        if (const archive::Error e = a.stats(stats))
            return archivFehler(e, err);
        out << json::zeile(archive::statsJson(stats)) << '\n';
        return kExitOk;
    }
    default: break;
    }
    return kExitUsage;
}

} // namespace kav::kavctl
