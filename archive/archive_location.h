#pragma once
// Where an archive lives: a SQLite file (any path) or a PostgreSQL database
// (postgresql://user@host:port/dbname). A password is never part of it: libpq
// takes it from ~/.pgpass or PGPASSWORD, so nothing of ours stores one.
#include <QString>

namespace kav::archive {

struct Location {
    enum class Driver { SQLite, PostgreSQL };
    Driver driver = Driver::SQLite;
    QString path; // SQLite
    QString user; // PostgreSQL
    QString host;
    int port = 5432;
    QString database;
};

// Empty `error` on success.
Location parseLocation(const QString& text, QString& error);

// The user's own archive: <AppDataLocation>/archive.sqlite (the application's
// name must be set before).
QString defaultArchivePath();

// How long a connection attempt may take before the archive counts as unreachable.
inline constexpr int kConnectTimeoutSeconds = 5;

} // namespace kav::archive
