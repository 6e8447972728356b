// Importing folders of ".kav" files and exporting results as such files.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <filesystem>

#include "archive.h"
#include "atomic_file.h"

namespace kav::archive {

namespace {

// The files a walk of `paths` meets, in a fixed order: a file given by name
// whatever its extension, in a folder every "*.kav" (any case) below it.
QStringList filesOf(const QStringList& paths) {
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.kav")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        files << found;
    }
    return files;
}

// A file name from the record: its name (characters a file system refuses
// replaced) and the time it was taken.
QString fileNameFor(const ResultRow& r) {
    static const QRegularExpression refused(QStringLiteral("[^A-Za-z0-9._-]+"));
    QString name = r.name.trimmed();
    name.replace(refused, QStringLiteral("_"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("result"));
    QString taken = r.taken;
    taken.remove(QLatin1Char('-')).remove(QLatin1Char(':')).replace(QLatin1Char('T'), QLatin1Char('-'));
    return name + QLatin1Char('_') + taken;
}

} // namespace

Error Archive::importPaths(const QStringList& paths, ImportReport& report, const ImportOptions& options) {
    report = {};
    const int batchSize = std::max(1, options.batchSize);
    int pending = 0;
    qint64 pendingAdded = 0;
    qint64 pendingThere = 0;
    auto commitBatch = [&]() -> Error {
        if (pending == 0)
            return {};
        if (Error e = commit())
            return e;
        report.imported += pendingAdded;
        report.alreadyThere += pendingThere;
        pending = 0;
        pendingAdded = pendingThere = 0;
        if (options.progress)
            options.progress(report, 0);
        return {};
    };
    for (const QString& path : filesOf(paths)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            report.unreadable << path;
            continue;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            report.unreadable << path;
            continue;
        }
        const auto summary = summarise(bytes);
        if (!summary) {
            report.notRecords << path;
            continue;
        }
        if (pending == 0)
            if (Error e = begin(true))
                return e;
        Added added;
        if (Error e = insert({bytes, Source::File, std::nullopt, std::nullopt}, *summary, added))
            return e;
        ++(added.added ? pendingAdded : pendingThere);
        ++pending;
        if (options.progress)
            options.progress(report, pending);
        if (pending >= batchSize)
            if (Error e = commitBatch())
                return e;
    }
    return commitBatch();
}

Error Archive::exportResults(const std::vector<qint64>& ids, const QString& folder, QStringList& written) {
    written.clear();
    // Every id is found before the first file is written: an unknown one
    // leaves no half export behind.
    std::vector<StoredResult> results;
    for (const qint64 id : ids) {
        std::optional<StoredResult> r;
        if (Error e = find(id, r))
            return e;
        if (!r)
            return {Error::Kind::NotFound, QStringLiteral("the archive holds no result %1").arg(id)};
        results.push_back(std::move(*r));
    }
    if (!QDir().mkpath(folder))
        return {Error::Kind::Files, QStringLiteral("cannot create the folder %1").arg(folder)};
    const QDir dir(folder);
    QSet<QString> taken;
    for (const StoredResult& r : results) {
        const qint64 id = r.row.id;
        // Unique in the folder: the id tells two records of one name and second apart.
        const QString base = fileNameFor(r.row);
        QString name = base + QStringLiteral(".kav");
        for (int n = 2; taken.contains(name) || dir.exists(name); ++n)
            name = QStringLiteral("%1_%2-%3.kav").arg(base).arg(id).arg(n);
        const QString path = dir.filePath(name);
        const auto fehler = records::atomarSchreiben(std::filesystem::path(path.toStdU16String()),
                                                     std::string_view(r.bytes.constData(), r.bytes.size()));
        if (fehler != records::DateiFehler::Keiner)
            return {Error::Kind::Files, QStringLiteral("cannot write %1").arg(path)};
        taken.insert(name);
        written << path;
    }
    return {};
}

} // namespace kav::archive
