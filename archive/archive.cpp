#include "archive.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "record_summary.h"
#include "schema.h"

namespace kav::archive {

namespace {

QAtomicInteger<quint64> connectionCounter;

QString why(const QSqlError& e) {
    const QString text = e.text().trimmed();
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

QVariant nullable(const std::optional<QString>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::QString));
}

std::optional<QString> optionalText(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

QString describe(const Location& loc) {
    if (loc.driver == Location::Driver::SQLite)
        return loc.path;
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(loc.user, loc.host).arg(loc.port).arg(loc.database);
}

const QString kRowColumns = QStringLiteral(
    "id, type, taken, archived_at, source, encoder_serial, device_serial, firmware, name, profile, verdict");

ResultRow rowFrom(const QSqlQuery& q) {
    ResultRow r;
    r.id = q.value(0).toLongLong();
    r.type = q.value(1).toInt();
    r.taken = q.value(2).toString();
    r.archivedAt = q.value(3).toString();
    r.source = q.value(4).toString();
    r.encoderSerial = q.value(5).toString();
    r.deviceSerial = q.value(6).toString();
    r.firmware = q.value(7).toString();
    r.name = q.value(8).toString();
    r.profile = optionalText(q.value(9));
    r.verdict = optionalText(q.value(10));
    return r;
}

} // namespace

QString sourceName(Source s) {
    switch (s) {
    case Source::Online: return QStringLiteral("online");
    case Source::Device: return QStringLiteral("device");
    case Source::File: break;
    }
    return QStringLiteral("file");
}

Archive::Archive() : connection_(QStringLiteral("kav_archive_%1").arg(++connectionCounter)) {}

Archive::~Archive() { close(); }

void Archive::close() {
    if (!db_.isValid())
        return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
    version_ = 0;
}

Error Archive::failed(Error::Kind kind, const QString& what, const QString& reason) const {
    return {kind, QStringLiteral("archive %1: %2: %3").arg(describe(location_), what, reason)};
}

Error Archive::open(const QString& text, int targetVersion) {
    close();
    QString problem;
    location_ = parseLocation(text, problem);
    if (!problem.isEmpty())
        return {Error::Kind::BadLocation, QStringLiteral("archive %1: %2").arg(text, problem)};

    const bool sqlite = location_.driver == Location::Driver::SQLite;
    const QString driverName = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driverName))
        return failed(Error::Kind::Unreachable, QStringLiteral("cannot connect"),
                      QStringLiteral("the Qt SQL driver %1 is not installed").arg(driverName));
    db_ = QSqlDatabase::addDatabase(driverName, connection_);
    if (sqlite) {
        // Created on first use, folder included.
        const QFileInfo file(location_.path);
        if (!QDir().mkpath(file.absolutePath()))
            return failed(Error::Kind::Unreachable, QStringLiteral("cannot create its folder"), file.absolutePath());
        db_.setDatabaseName(location_.path);
        // Another program writing at the same moment is waited for, not an error.
        db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db_.setHostName(location_.host);
        db_.setPort(location_.port);
        db_.setUserName(location_.user);
        db_.setDatabaseName(location_.database);
        db_.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutSeconds));
    }
    if (!db_.open()) {
        const Error e = failed(Error::Kind::Unreachable, QStringLiteral("cannot connect"), why(db_.lastError()));
        close();
        return e;
    }
    QSqlQuery(dialectOf(location_.driver).sessionSetup, db_);
    if (Error e = migrate(targetVersion)) {
        close();
        e.kind = Error::Kind::Unreachable;
        return e;
    }
    return {};
}

Error Archive::begin(bool write) {
    const Dialect d = dialectOf(location_.driver);
    QSqlQuery q(db_);
    if (!q.exec(write ? d.beginWrite : QStringLiteral("BEGIN")))
        return failed(Error::Kind::Database, QStringLiteral("cannot begin a transaction"), why(q.lastError()));
    return {};
}

Error Archive::commit() {
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const Error e = failed(Error::Kind::Database, QStringLiteral("cannot commit"), why(q.lastError()));
        rollback();
        return e;
    }
    return {};
}

void Archive::rollback() { QSqlQuery(QStringLiteral("ROLLBACK"), db_); }

Error Archive::migrate(int targetVersion) {
    const Dialect d = dialectOf(location_.driver);
    QSqlQuery q(db_);
    // The schema version as it stands; 0 for a fresh archive (no table yet).
    auto readVersion = [&] {
        const bool read = q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && q.next();
        version_ = read ? q.value(0).toInt() : 0;
        q.finish();
    };
    auto tooNew = [&] {
        return failed(Error::Kind::Unreachable, QStringLiteral("schema version %1").arg(version_),
                      QStringLiteral("newer than this program knows (%1)").arg(kSchemaVersion));
    };
    // An archive that is up to date is only read here: a read-only one still opens.
    readVersion();
    if (version_ > kSchemaVersion)
        return tooNew();
    if (version_ >= targetVersion)
        return {};

    if (Error e = begin(true))
        return e;
    auto run = [&](const QString& sql, const QString& what) -> Error {
        if (q.exec(sql))
            return {};
        const Error e = failed(Error::Kind::Database, what, why(q.lastError()));
        rollback();
        return e;
    };
    if (!d.lockSchema.isEmpty())
        if (Error e = run(d.lockSchema, QStringLiteral("cannot lock the schema")))
            return e;
    if (Error e = run(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version ("
                                     " version INTEGER NOT NULL PRIMARY KEY, applied_at TEXT NOT NULL)"),
                      QStringLiteral("not an archive")))
        return e;
    // Again under the lock: another program may have migrated meanwhile.
    readVersion();
    if (version_ > kSchemaVersion) {
        rollback();
        return tooNew();
    }
    for (int v = version_ + 1; v <= targetVersion; ++v) {
        const QString what = QStringLiteral("migration %1").arg(v);
        for (const QString& sql : migrationStatements(v, d))
            if (Error e = run(sql, what))
                return e;
        if (v == 2) {
            // The values for searching of the rows archived before.
            QSqlQuery rows(db_);
            rows.setForwardOnly(true);
            if (!rows.exec(QStringLiteral("SELECT id, bytes FROM results"))) {
                const Error e = failed(Error::Kind::Database, what, why(rows.lastError()));
                rollback();
                return e;
            }
            std::vector<std::pair<qint64, RecordSummary>> found;
            while (rows.next())
                if (auto s = summarise(rows.value(1).toByteArray()))
                    found.emplace_back(rows.value(0).toLongLong(), std::move(*s));
            rows.finish();
            for (const auto& [id, s] : found)
                if (Error e = insertValues(id, s.values))
                    return e;
        }
        q.prepare(QStringLiteral("INSERT INTO schema_version (version, applied_at) VALUES (?, ?)"));
        q.addBindValue(v);
        q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        if (!q.exec()) {
            const Error e = failed(Error::Kind::Database, what, why(q.lastError()));
            rollback();
            return e;
        }
        version_ = v;
    }
    return commit();
}

Error Archive::insertValues(qint64 id, const std::vector<std::pair<QString, double>>& values) {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("INSERT INTO result_values (result_id, field, value) VALUES (?, ?, ?)"));
    for (const auto& [field, value] : values) {
        q.bindValue(0, id);
        q.bindValue(1, field);
        q.bindValue(2, value);
        if (!q.exec()) {
            const Error e = failed(Error::Kind::Database, QStringLiteral("cannot store its values"), why(q.lastError()));
            rollback();
            return e;
        }
    }
    return {};
}

// Inside an open transaction; on failure the transaction is rolled back.
Error Archive::insert(const NewResult& result, const RecordSummary& s, Added& out) {
    out = {};
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("INSERT INTO results (type, taken, archived_at, source, encoder_serial, device_serial,"
                             " firmware, name, profile, verdict, content_hash, bytes)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                             " ON CONFLICT (content_hash) DO NOTHING RETURNING id"));
    const QString hash = contentHash(result.bytes);
    q.addBindValue(s.type);
    q.addBindValue(s.taken);
    q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    q.addBindValue(sourceName(result.source));
    q.addBindValue(s.encoderSerial);
    q.addBindValue(s.deviceSerial);
    q.addBindValue(s.firmware);
    q.addBindValue(s.name);
    q.addBindValue(nullable(result.profile));
    q.addBindValue(nullable(result.verdict));
    q.addBindValue(hash);
    q.addBindValue(result.bytes);
    if (!q.exec()) {
        const Error e = failed(Error::Kind::Database, QStringLiteral("cannot add a result"), why(q.lastError()));
        rollback();
        return e;
    }
    if (q.next()) {
        out.added = true;
        out.id = q.value(0).toLongLong();
        q.finish();
        return version_ >= 2 ? insertValues(out.id, s.values) : Error{};
    }
    q.finish();
    // Already there (perhaps added by another program a moment ago).
    q.prepare(QStringLiteral("SELECT id FROM results WHERE content_hash = ?"));
    q.addBindValue(hash);
    if (!q.exec() || !q.next()) {
        const Error e = failed(Error::Kind::Database, QStringLiteral("cannot find a result"), why(q.lastError()));
        rollback();
        return e;
    }
    out.id = q.value(0).toLongLong();
    return {};
}

Error Archive::add(const NewResult& result, Added& out) {
    std::vector<Added> added;
    const Error e = addAll({result}, added);
    out = added.empty() ? Added{} : added.front();
    return e;
}

Error Archive::addAll(const std::vector<NewResult>& results, std::vector<Added>& out) {
    out.clear();
    std::vector<RecordSummary> summaries;
    for (const auto& r : results) {
        auto s = summarise(r.bytes);
        if (!s)
            return {Error::Kind::NotARecord, QStringLiteral("not a record file")};
        summaries.push_back(std::move(*s));
    }
    if (Error e = begin(true))
        return e;
    std::vector<Added> added(results.size());
    for (std::size_t i = 0; i < results.size(); ++i)
        if (Error e = insert(results[i], summaries[i], added[i]))
            return e;
    if (Error e = commit())
        return e;
    out = std::move(added);
    return {};
}

Error Archive::list(const Filter& f, std::vector<ResultRow>& out) {
    out.clear();
    QString sql = QStringLiteral("SELECT %1 FROM results WHERE 1 = 1").arg(kRowColumns);
    QVariantList binds;
    auto where = [&](const QString& clause, const QVariant& v) {
        sql += QStringLiteral(" AND ") + clause;
        binds << v;
    };
    if (!f.encoderSerial.isEmpty())
        where(QStringLiteral("encoder_serial = ?"), f.encoderSerial);
    if (!f.deviceSerial.isEmpty())
        where(QStringLiteral("device_serial = ?"), f.deviceSerial);
    // ISO texts sort as their dates do; the end day is included.
    if (f.since)
        where(QStringLiteral("taken >= ?"), f.since->toString(Qt::ISODate));
    if (f.until)
        where(QStringLiteral("taken < ?"), f.until->addDays(1).toString(Qt::ISODate));
    if (f.type)
        where(QStringLiteral("type = ?"), *f.type);
    if (f.verdict)
        where(QStringLiteral("verdict = ?"), *f.verdict);
    sql += QStringLiteral(" ORDER BY taken, id");
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec())
        return failed(Error::Kind::Database, QStringLiteral("cannot list"), why(q.lastError()));
    while (q.next())
        out.push_back(rowFrom(q));
    return {};
}

Error Archive::find(qint64 id, std::optional<StoredResult>& out) {
    out.reset();
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1, bytes FROM results WHERE id = ?").arg(kRowColumns));
    q.addBindValue(id);
    if (!q.exec())
        return failed(Error::Kind::Database, QStringLiteral("cannot read result %1").arg(id), why(q.lastError()));
    if (!q.next())
        return {};
    StoredResult r{rowFrom(q), q.value(11).toByteArray(), {}};
    q.finish();
    if (version_ >= 2) {
        q.prepare(QStringLiteral("SELECT field, value FROM result_values WHERE result_id = ? ORDER BY field"));
        q.addBindValue(id);
        if (!q.exec())
            return failed(Error::Kind::Database, QStringLiteral("cannot read result %1").arg(id), why(q.lastError()));
        while (q.next())
            r.values.emplace_back(q.value(0).toString(), q.value(1).toDouble());
    }
    out = std::move(r);
    return {};
}

Error Archive::stats(Stats& out) {
    out = {};
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    auto run = [&](const char* sql) { return q.exec(QString::fromLatin1(sql)); };
    if (!run("SELECT COUNT(*), MIN(taken), MAX(taken) FROM results") || !q.next())
        return failed(Error::Kind::Database, QStringLiteral("cannot count"), why(q.lastError()));
    out.total = q.value(0).toLongLong();
    out.firstTaken = q.value(1).toString();
    out.lastTaken = q.value(2).toString();
    if (!run("SELECT type, COUNT(*) FROM results GROUP BY type"))
        return failed(Error::Kind::Database, QStringLiteral("cannot count"), why(q.lastError()));
    while (q.next())
        out.perType[q.value(0).toInt()] = q.value(1).toLongLong();
    if (!run("SELECT verdict, COUNT(*) FROM results GROUP BY verdict"))
        return failed(Error::Kind::Database, QStringLiteral("cannot count"), why(q.lastError()));
    while (q.next())
        out.perVerdict[q.value(0).toString()] = q.value(1).toLongLong();
    return {};
}

} // namespace kav::archive
