// POSIX side of atomic_file: exclusive creation, fsync, rename over the target.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "atomic_file.h"

namespace kav::records::platform {

int exklusivAnlegen(const std::filesystem::path& pfad, std::FILE*& datei) {
    datei = nullptr;
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    datei = ::fdopen(fd, "wb");
    if (!datei) {
        const int e = errno;
        ::close(fd);
        ::unlink(pfad.c_str());
        return e;
    }
    return 0;
}

int aufPlatte(std::FILE* datei) {
    if (std::fflush(datei) != 0)
        return errno ? errno : EIO;
    return ::fsync(::fileno(datei)) == 0 ? 0 : errno;
}

int ersetzen(const std::filesystem::path& von, const std::filesystem::path& nach) {
    if (std::rename(von.c_str(), nach.c_str()) != 0)
        return errno;
    // The rename itself lasts only once the folder's entry is on the disk.
    const std::filesystem::path ordner = nach.has_parent_path() ? nach.parent_path() : std::filesystem::path(".");
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return 0;
}

bool schreibgeschuetzt(const std::filesystem::path& pfad) {
    return ::access(pfad.c_str(), F_OK) == 0 && ::access(pfad.c_str(), W_OK) != 0;
}

} // namespace kav::records::platform
