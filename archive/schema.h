#pragma once
// The archive's schema as numbered migrations. Migration n brings a schema
// of version n-1 to version n; `schema_version` holds one row per migration
// applied. The few words the two databases spell differently come from the
// dialect; everything else is the same SQL for both.
#include <QString>
#include <QStringList>

#include "archive_location.h"

namespace kav::archive {

struct Dialect {
    QString idColumn;  // an auto-numbered 64-bit primary key
    QString blobType;  // raw bytes
    QString beginWrite; // a transaction that writes (SQLite takes its lock at once, so no reader can deadlock it)
    QString lockSchema; // run first in the migration's transaction (empty: the write lock suffices)
    QString sessionSetup; // once after connecting; its failure is not an error
};

Dialect dialectOf(Location::Driver driver);

// The statements of migration `version` (1 to kSchemaVersion).
QStringList migrationStatements(int version, const Dialect& dialect);

} // namespace kav::archive
