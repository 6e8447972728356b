#pragma once
// The archive: every result kept once (its exact ".kav" bytes and the columns
// it is found by), in SQLite on a single bench or PostgreSQL for a
// department's benches, through one Qt SQL code path for both. Several
// programs may write to one archive at once: the content hash is unique and
// a second copy of the same bytes is "already there", never a second row.
#include <QByteArray>
#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "archive_location.h"
#include "record_summary.h"

namespace kav::archive {

// The newest schema this program knows (migrations 1 to this).
inline constexpr int kSchemaVersion = 2;

enum class Source { Online, Device, File };
QString sourceName(Source s); // "online", "device", "file"

struct Error {
    enum class Kind {
        None,
        BadLocation, // the archive URL cannot be understood
        Unreachable, // no connection, not a database, a schema we do not know
        Database,    // a statement failed (a read-only file, a full disk, a lost server)
        NotARecord,  // bytes given to add() that are no record file
        NotFound,    // an id the archive does not hold
        Files,       // a folder or file of an export could not be written
    };
    Kind kind = Kind::None;
    QString message;

    explicit operator bool() const { return kind != Kind::None; }
};

struct NewResult {
    QByteArray bytes; // the whole ".kav" file
    Source source = Source::File;
    std::optional<QString> profile;
    std::optional<QString> verdict; // "PASS", "FAIL", "INCOMPLETE"
};

struct Added {
    bool added = false; // false: the same bytes were already there
    qint64 id = 0;
};

// One archived result without its bytes (a line of the list).
struct ResultRow {
    qint64 id = 0;
    int type = 0;
    QString taken;      // the record's own date and time, 2024-03-07T09:05:00
    QString archivedAt; // UTC, 2024-03-07T09:05:00Z
    QString source;
    QString encoderSerial;
    QString deviceSerial;
    QString firmware;
    QString name;
    std::optional<QString> profile;
    std::optional<QString> verdict;
};

struct StoredResult {
    ResultRow row;
    QByteArray bytes;
    std::vector<std::pair<QString, double>> values; // the values for searching
};

struct Filter {
    QString encoderSerial; // empty: any
    QString deviceSerial;
    std::optional<QDate> since; // whole days, both ends included
    std::optional<QDate> until;
    std::optional<int> type;
    std::optional<QString> verdict;
};

struct Stats {
    qint64 total = 0;
    std::map<int, qint64> perType;
    std::map<QString, qint64> perVerdict; // "" for results without a verdict
    QString firstTaken;                   // empty for an empty archive
    QString lastTaken;
};

struct ImportReport {
    qint64 imported = 0;
    qint64 alreadyThere = 0;
    QStringList notRecords; // files that are not record files (or cannot be taken apart)
    QStringList unreadable; // files that could not be read
};

struct ImportOptions {
    int batchSize = 200; // files per committed transaction
    // After each record file taken into the open batch (`pendingInBatch` of
    // them) and once after each commit (`pendingInBatch` 0): for a progress
    // display.
    std::function<void(const ImportReport& committed, int pendingInBatch)> progress;
};

class Archive {
public:
    Archive();
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    // Opens (and creates on first use) the archive at `location` and brings
    // its schema up to `targetVersion` (only tests ask for an older one).
    Error open(const QString& location, int targetVersion = kSchemaVersion);
    void close();
    bool isOpen() const { return db_.isOpen(); }
    Location::Driver driver() const { return location_.driver; }
    int schemaVersion() const { return version_; }

    Error add(const NewResult& result, Added& out);
    // Several results in one transaction (all or none): the records of a
    // device's memory at once.
    Error addAll(const std::vector<NewResult>& results, std::vector<Added>& out);
    Error list(const Filter& filter, std::vector<ResultRow>& out);
    Error find(qint64 id, std::optional<StoredResult>& out);
    Error stats(Stats& out);

    // Walks files and folders (recursively, "*.kav" in any case) and adds
    // every record file found as source "file", committing every
    // `batchSize` files. A file that is not a record file or cannot be read
    // is counted and named, never the end of the walk; a failing database
    // is (what was committed before stays).
    Error importPaths(const QStringList& paths, ImportReport& report, const ImportOptions& options = {});
    // Writes the results' bytes unchanged into `folder` (created when
    // missing), one file each named after the record; never overwrites.
    Error exportResults(const std::vector<qint64>& ids, const QString& folder, QStringList& written);

private:
    Error migrate(int targetVersion);
    Error begin(bool write);
    Error commit();
    void rollback();
    Error insert(const NewResult& result, const RecordSummary& summary, Added& out);
    Error insertValues(qint64 id, const std::vector<std::pair<QString, double>>& values);
    Error failed(Error::Kind kind, const QString& what, const QString& why) const;

    QString connection_;
    QSqlDatabase db_;
    Location location_;
    int version_ = 0;
};

} // namespace kav::archive
