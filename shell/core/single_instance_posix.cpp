// The lock on POSIX systems: flock on the lock file. The lock belongs to the
// open file, so a second open in the same process is refused as well, and the
// kernel drops it when the process ends, however it ends.
#include "single_instance.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kav::shell::detail {

namespace {

QString systemText(int fehler) { return QString::fromLocal8Bit(std::strerror(fehler)); }

} // namespace

EinzelInstanz::Ergebnis dateiSperren(const QString& datei, qintptr& handle, QString& grund) {
    const QByteArray pfad = QFile::encodeName(datei);
    bool schreibbar = true;
    int fd = ::open(pfad.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EISDIR)) {
        // A lock file this user may only read still carries a lock.
        fd = ::open(pfad.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        schreibbar = false;
    }
    if (fd < 0) {
        grund = systemText(errno);
        return EinzelInstanz::Ergebnis::OhneSperre;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        grund = QStringLiteral("no regular file");
        return EinzelInstanz::Ergebnis::OhneSperre;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int fehler = errno;
        ::close(fd);
        if (fehler == EWOULDBLOCK)
            return EinzelInstanz::Ergebnis::Belegt;
        grund = systemText(fehler);
        return EinzelInstanz::Ergebnis::OhneSperre;
    }
    // The holder's process id, for a person who looks; the lock never reads it.
    if (schreibbar && ::ftruncate(fd, 0) == 0) {
        const std::string pid = std::to_string(::getpid()) + "\n";
        const ssize_t geschrieben = ::write(fd, pid.data(), pid.size());
        static_cast<void>(geschrieben);
    }
    handle = fd;
    return EinzelInstanz::Ergebnis::Gesperrt;
}

void sperreFreigeben(qintptr handle) { ::close(static_cast<int>(handle)); }

QString benutzerKennung() { return QString::number(::getuid()); }

} // namespace kav::shell::detail
