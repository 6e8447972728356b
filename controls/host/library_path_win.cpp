// Windows: the module that contains an address, and its file name.
#include "control_registry.h"

#include <QDir>

#include <iterator>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace kav::controls {

QString libraryPathOf(const void* addressInLibrary) {
    if (addressInLibrary == nullptr)
        return {};
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExW(flags, static_cast<LPCWSTR>(addressInLibrary), &module))
        return {};
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(module, buffer, static_cast<DWORD>(std::size(buffer)));
    if (length == 0 || length >= std::size(buffer))
        return {};
    return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, static_cast<qsizetype>(length)));
}

} // namespace kav::controls
