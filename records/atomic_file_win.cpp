// Windows side of atomic_file: exclusive creation, commit, and the rename that
// replaces an existing file (MoveFileExW with MOVEFILE_REPLACE_EXISTING).
#include <cerrno>
#include <cstdio>
#include <io.h>
#include <windows.h>

#include "atomic_file.h"

namespace kav::records::platform {

namespace {
int errnoAus(DWORD fehler) {
    switch (fehler) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return EINVAL;
    default: return EIO;
    }
}
} // namespace

int exklusivAnlegen(const std::filesystem::path& pfad, std::FILE*& datei) {
    datei = nullptr;
    errno = 0;
    datei = ::_wfopen(pfad.c_str(), L"wbx");
    return datei ? 0 : (errno ? errno : EIO);
}

int aufPlatte(std::FILE* datei) {
    if (std::fflush(datei) != 0)
        return errno ? errno : EIO;
    return ::_commit(::_fileno(datei)) == 0 ? 0 : errno;
}

int ersetzen(const std::filesystem::path& von, const std::filesystem::path& nach) {
    if (::MoveFileExW(von.c_str(), nach.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return errnoAus(::GetLastError());
}

bool schreibgeschuetzt(const std::filesystem::path& pfad) {
    const DWORD a = ::GetFileAttributesW(pfad.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace kav::records::platform
