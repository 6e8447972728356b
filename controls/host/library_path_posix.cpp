// POSIX: the dynamic loader knows which object holds an address.
#include "control_registry.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace kav::controls {

QString libraryPathOf(const void* addressInLibrary) {
    Dl_info info{};
    if (addressInLibrary == nullptr || dladdr(addressInLibrary, &info) == 0 || info.dli_fname == nullptr ||
        info.dli_fname[0] == '\0') {
        return {};
    }
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

} // namespace kav::controls
