#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace kav::shell {

namespace {

// One lock per executable: the same program started from two folders may run twice.
QString lockDatei(const QString& lockKey, const QString& folder) {
    QString schluessel = QFileInfo(lockKey).absoluteFilePath();
#ifdef Q_OS_WIN
    schluessel = schluessel.toLower(); // paths do not tell case apart there
#endif
    const QByteArray hash = QCryptographicHash::hash(schluessel.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString ordner = folder.isEmpty() ? QDir::tempPath() : folder;
    return QDir(ordner).filePath(QStringLiteral("KavStudio-") + QString::fromLatin1(hash) + QStringLiteral(".lock"));
}

} // namespace

EinzelInstanz::EinzelInstanz(const QString& lockKey, const QString& folder)
    : lock_(std::make_unique<QLockFile>(lockDatei(lockKey, folder))) {
    // Never take over a lock because of its age: a first instance may run for
    // days. A lock whose process has died counts as stale and is removed.
    lock_->setStaleLockTime(0);
}

EinzelInstanz::~EinzelInstanz() = default; // QLockFile releases the lock

bool EinzelInstanz::erwerben() {
    if (lock_->isLocked())
        return true;
    // tryLock removes a lock whose owner no longer runs; a live owner refuses.
    return lock_->tryLock(0);
}

} // namespace kav::shell
