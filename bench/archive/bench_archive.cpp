// The archive on SQLite and, when KAV_BENCH_PG_URL names a server, on
// PostgreSQL (whose tables are dropped first: give it a database of its own).
//  - Import: 10000 record files (types 1 and 2, every tenth a type 3 with
//    10000 samples) from a folder into an empty archive. Target 15 s on SQLite.
//  - Among 100000 results (1000 encoder serials, three years): the results of
//    one encoder serial (target 20 ms), of one month (50 ms), one result opened
//    with its bytes and values (10 ms).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

#include "archive.h"
#include "record_file.h"
#include "ten_thousand.h"

using namespace kav;

namespace {

QByteArray record(int n, int type) {
    const records::KopfTexte kopf{"V2.13", "S" + std::to_string(n % 1000), "070123", "R" + std::to_string(n)};
    // Three years of results, n spread over them.
    const int tag = n % (3 * 365);
    const LocalTime zeit{2021 + tag / 365, 1 + (tag % 365) / 31 % 12, 1 + tag % 28, n % 24, n % 60, (n / 60) % 60};
    records::Dateiinhalt d;
    if (type == 3) {
        d = records::DateiSchreiben3(bench::zehntausend(), kopf, zeit);
    } else if (type == 2) {
        measure::SchlechtimpulsWerte w;
        w.Impulszahl = 1024;
        w.AnzahlAbweichungen = 1 + n % 5;
        d = records::DateiSchreiben2(w, kopf, zeit);
    } else {
        measure::AktuellWerte w;
        w.Impulszahl = 1000 + n;
        w.Drehzahl = 1500.5f;
        d = records::DateiSchreiben1(w, kopf, zeit);
    }
    return QByteArray::fromStdString(d.bytes);
}

// The archive's URL for benchmark argument 0 (SQLite) or 1 (PostgreSQL), emptied.
QString freshArchive(benchmark::State& state, const QTemporaryDir& dir, const QString& name) {
    if (state.range(0) == 0) {
        QFile::remove(dir.filePath(name));
        return dir.filePath(name);
    }
    const QString url = qEnvironmentVariable("KAV_BENCH_PG_URL");
    if (url.isEmpty()) {
        state.SkipWithError("KAV_BENCH_PG_URL names no PostgreSQL server");
        return {};
    }
    QString problem;
    const auto loc = archive::parseLocation(url, problem);
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_drop"));
        db.setHostName(loc.host);
        db.setPort(loc.port);
        db.setUserName(loc.user);
        db.setDatabaseName(loc.database);
        if (db.open())
            QSqlQuery(QStringLiteral("DROP TABLE IF EXISTS result_values, results, schema_version"), db);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_drop"));
    return url;
}

void BM_Import10000Files(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("files"));
    QDir().mkpath(folder);
    for (int n = 0; n < 10000; ++n) {
        QFile f(QStringLiteral("%1/%2.kav").arg(folder).arg(n));
        if (!f.open(QIODevice::WriteOnly))
            return state.SkipWithError("cannot write the record files");
        f.write(record(n, n % 10 == 0 ? 3 : 1 + n % 2));
    }
    for (auto _ : state) {
        const QString url = freshArchive(state, dir, QStringLiteral("import.sqlite"));
        if (url.isEmpty())
            return;
        archive::Archive a;
        archive::ImportReport report;
        if (a.open(url) || a.importPaths({folder}, report) || report.imported != 10000)
            return state.SkipWithError("the import failed");
    }
}
BENCHMARK(BM_Import10000Files)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// 100000 results, filled once per database.
archive::Archive& hundredThousand(benchmark::State& state) {
    static QTemporaryDir dir;
    static std::unique_ptr<archive::Archive> archives[2];
    auto& a = archives[state.range(0)];
    if (a)
        return *a;
    const QString url = freshArchive(state, dir, QStringLiteral("search.sqlite"));
    a = std::make_unique<archive::Archive>();
    if (url.isEmpty() || a->open(url))
        return *a;
    std::vector<archive::NewResult> batch;
    std::vector<archive::Added> added;
    for (int n = 0; n < 100000; ++n) {
        batch.push_back({record(n, 1 + n % 2), archive::Source::File, std::nullopt, std::nullopt});
        if (batch.size() == 1000) {
            if (a->addAll(batch, added)) {
                state.SkipWithError("filling the archive failed");
                break;
            }
            batch.clear();
        }
    }
    return *a;
}

void BM_SearchBySerial(benchmark::State& state) {
    auto& a = hundredThousand(state);
    std::vector<archive::ResultRow> rows;
    int n = 0;
    for (auto _ : state) {
        archive::Filter f;
        f.encoderSerial = QStringLiteral("S%1").arg(n++ % 1000);
        if (a.list(f, rows) || rows.size() != 100)
            return state.SkipWithError("search failed");
    }
}
BENCHMARK(BM_SearchBySerial)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchOneMonth(benchmark::State& state) {
    auto& a = hundredThousand(state);
    std::vector<archive::ResultRow> rows;
    int n = 0;
    for (auto _ : state) {
        archive::Filter f;
        f.since = QDate(2022, 1 + n++ % 12, 1);
        f.until = f.since->addMonths(1).addDays(-1);
        if (a.list(f, rows) || rows.empty())
            return state.SkipWithError("search failed");
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_SearchOneMonth)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenResult(benchmark::State& state) {
    auto& a = hundredThousand(state);
    std::optional<archive::StoredResult> r;
    qint64 id = 1;
    for (auto _ : state) {
        id = id * 7919 % 99991 + 1;
        if (a.find(id, r) || !r)
            return state.SkipWithError("open failed");
    }
}
BENCHMARK(BM_OpenResult)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
