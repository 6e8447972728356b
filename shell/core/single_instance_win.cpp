// The lock on Windows: the lock file opened without sharing. Nobody else can
// open it while the holder runs, and the system closes it when the process
// ends, however it ends.
#include "single_instance.h"

#include <QDir>

#include <windows.h>

namespace kav::shell::detail {

EinzelInstanz::Ergebnis dateiSperren(const QString& datei, qintptr& handle, QString& grund) {
    const std::wstring pfad = QDir::toNativeSeparators(datei).toStdWString();
    HANDLE h = ::CreateFileW(pfad.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD fehler = ::GetLastError();
        if (fehler == ERROR_SHARING_VIOLATION || fehler == ERROR_LOCK_VIOLATION)
            return EinzelInstanz::Ergebnis::Belegt;
        grund = QStringLiteral("Windows error %1").arg(fehler);
        return EinzelInstanz::Ergebnis::OhneSperre;
    }
    handle = reinterpret_cast<qintptr>(h);
    return EinzelInstanz::Ergebnis::Gesperrt;
}

void sperreFreigeben(qintptr handle) { ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

QString benutzerKennung() { return qEnvironmentVariable("USERNAME"); }

} // namespace kav::shell::detail
