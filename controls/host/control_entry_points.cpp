#include "control_entry_points.h"

#include "control_registry.h"

namespace kav::controls::entry {

HResult registerServer(const char* progId, const void* addressInLibrary) {
    return registerLibrary(QString::fromLatin1(progId), addressInLibrary) ? kS_OK : kSELFREG_E_CLASS;
}

HResult unregisterServer(const char* progId, const void* addressInLibrary) {
    return unregisterLibrary(QString::fromLatin1(progId), addressInLibrary) ? kS_OK : kSELFREG_E_CLASS;
}

HResult getClassObject(const char* wanted, ControlFactory& factory, ControlFactory** result) {
    if (result == nullptr)
        return kE_FAIL;
    *result = nullptr;
    if (wanted == nullptr || QString::fromUtf8(wanted).compare(factory.progId(), Qt::CaseInsensitive) != 0)
        return kCLASS_E_CLASSNOTAVAILABLE;
    *result = &factory;
    return kS_OK;
}

} // namespace kav::controls::entry
