#include "archive_location.h"

#include <QDir>
#include <QStandardPaths>
#include <QUrl>

namespace kav::archive {

Location parseLocation(const QString& text, QString& error) {
    error.clear();
    Location loc;
    if (text.trimmed().isEmpty()) {
        error = QStringLiteral("no archive given");
        return loc;
    }
    if (!text.startsWith(QLatin1String("postgresql://")) && !text.startsWith(QLatin1String("postgres://"))) {
        loc.path = text;
        return loc;
    }
    const QUrl url(text, QUrl::StrictMode);
    loc.driver = Location::Driver::PostgreSQL;
    loc.user = url.userName();
    loc.host = url.host();
    loc.port = url.port(5432);
    loc.database = url.path().mid(1);
    if (!url.isValid())
        error = QStringLiteral("not a PostgreSQL URL: %1").arg(url.errorString());
    else if (!url.password().isEmpty())
        error = QStringLiteral("a password does not belong in the archive URL: put it into ~/.pgpass or PGPASSWORD");
    else if (loc.host.isEmpty() || loc.database.isEmpty() || loc.database.contains(QLatin1Char('/')))
        error = QStringLiteral("expected postgresql://user@host:port/dbname");
    else if (url.hasQuery() || url.hasFragment())
        error = QStringLiteral("options after the database name are not understood");
    return loc;
}

QString defaultArchivePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("archive.sqlite"));
}

} // namespace kav::archive
