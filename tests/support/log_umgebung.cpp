#include "log_umgebung.h"

#include <logs.h>

#include <QDir>
#include <QFile>

namespace kav::test {

LogUmgebung::LogUmgebung() {
    uhr_.setLocalTime({2008, 3, 5, 9, 4, 7});
    shell::setLogClock(&uhr_);
    shell::setLogFolder(ordner_.path());
    shell::setLogFallbackFolder({});
}

LogUmgebung::~LogUmgebung() {
    shell::setLogClock(nullptr);
    shell::setLogFolder({});
    shell::setLogFallbackFolder({});
}

QByteArray LogUmgebung::inhalt(const QString& dateiname) const {
    QFile f(QDir(ordner_.path()).filePath(dateiname));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray LogUmgebung::tagesLog() const {
    const LocalTime t = uhr_.localTime();
    return inhalt(QStringLiteral("%1.%2.%3.log")
                      .arg(t.year)
                      .arg(t.month, 2, 10, QLatin1Char('0'))
                      .arg(t.day, 2, 10, QLatin1Char('0')));
}

bool LogUmgebung::existiert(const QString& dateiname) const {
    return QFile::exists(QDir(ordner_.path()).filePath(dateiname));
}

QStringList LogUmgebung::dateien() const {
    return QDir(ordner_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace kav::test
