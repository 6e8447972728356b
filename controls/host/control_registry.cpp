#include "control_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace kav::controls {

namespace {

// The registry is small; it is read whole and rewritten whole.
QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool writeLines(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QByteArray data;
    for (const QString& line : lines) {
        data += line.toUtf8();
        data += '\n';
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The identifier of a line, "" for comments and lines without "=".
QString identifierOf(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('#')) || trimmed.startsWith(QLatin1Char(';')))
        return {};
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return {};
    return line.left(eq).trimmed();
}

} // namespace

QString ControlRegistry::defaultPath(const QString& folder) {
    const QString fromEnv = qEnvironmentVariable("KAV_CONTROL_REGISTRY");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QDir(folder).filePath(QStringLiteral("kavcontrols.reg"));
}

ControlRegistry::ControlRegistry(QString filePath) : path_(std::move(filePath)) {}

bool ControlRegistry::add(const QString& progId, const QString& libraryPath) {
    const QString id = progId.trimmed();
    if (id.isEmpty() || id.contains(QLatin1Char('=')) || libraryPath.isEmpty() ||
        libraryPath.contains(QLatin1Char('\n'))) {
        return false;
    }
    const QStringList before = readLines(path_);
    QStringList lines = before;
    const QString entry = id + QLatin1Char('=') + libraryPath;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size();) {
        if (identifierOf(lines[i]).compare(id, Qt::CaseInsensitive) == 0) {
            if (replaced) {
                lines.removeAt(i);
                continue;
            }
            lines[i] = entry;
            replaced = true;
        }
        ++i;
    }
    if (!replaced)
        lines.append(entry);
    // Registering what is registered already writes nothing: a program that
    // registers its libraries at every start leaves the file alone.
    if (lines == before && QFileInfo::exists(path_))
        return true;
    return writeLines(path_, lines);
}

bool ControlRegistry::remove(const QString& progId) {
    const QString id = progId.trimmed();
    QStringList lines = readLines(path_);
    const qsizetype before = lines.size();
    lines.removeIf([&](const QString& line) { return identifierOf(line).compare(id, Qt::CaseInsensitive) == 0; });
    if (lines.size() == before)
        return true;
    return writeLines(path_, lines);
}

QString ControlRegistry::libraryFor(const QString& progId) const {
    const QString id = progId.trimmed();
    if (id.isEmpty())
        return {};
    for (const QString& line : readLines(path_)) {
        if (identifierOf(line).compare(id, Qt::CaseInsensitive) == 0) {
            const QString library = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
            // A bare file name lies beside the registry (as an installed one names them).
            if (library.isEmpty() || !QDir::isRelativePath(library))
                return library;
            return QFileInfo(path_).absoluteDir().absoluteFilePath(library);
        }
    }
    return {};
}

bool registerLibrary(const QString& progId, const void* addressInLibrary) {
    const QString path = libraryPathOf(addressInLibrary);
    if (path.isEmpty())
        return false;
    ControlRegistry registry(ControlRegistry::defaultPath(QFileInfo(path).absolutePath()));
    return registry.add(progId, path);
}

bool unregisterLibrary(const QString& progId, const void* addressInLibrary) {
    const QString path = libraryPathOf(addressInLibrary);
    if (path.isEmpty())
        return false;
    ControlRegistry registry(ControlRegistry::defaultPath(QFileInfo(path).absolutePath()));
    return registry.remove(progId);
}

} // namespace kav::controls
