// The library's four exported entry points: self-registration in the host's
// control registry, the factory for "Brinda.ocxBadInc", and whether the
// library may be unloaded.
#include <QByteArray>

#include "control_library.h"
#include "control_registry.h"
#include "ocx_bad_inc.h"

namespace {

using namespace kav::controls;

constexpr const char* kProgId = "Brinda.ocxBadInc";

class BadIncFactory final : public ControlFactory {
public:
    QString progId() const override { return QString::fromLatin1(kProgId); }
    HostedControl* createInstance(QWidget* parent) override { return new ocxBadInc(parent); }
};

BadIncFactory& factory()
{
    static BadIncFactory instance;
    return instance;
}

// Any address inside this library locates the library file.
const void* ownAddress()
{
    return reinterpret_cast<const void*>(&factory);
}

} // namespace

extern "C" {

KAV_CONTROL_EXPORT HResult DllRegisterServer()
{
    return registerLibrary(QString::fromLatin1(kProgId), ownAddress()) ? kS_OK : kSELFREG_E_CLASS;
}

KAV_CONTROL_EXPORT HResult DllUnregisterServer()
{
    return unregisterLibrary(QString::fromLatin1(kProgId), ownAddress()) ? kS_OK : kSELFREG_E_CLASS;
}

KAV_CONTROL_EXPORT HResult DllGetClassObject(const char* progId, ControlFactory** result)
{
    if (!result)
        return kE_FAIL;
    *result = nullptr;
    if (!progId || qstricmp(progId, kProgId) != 0)
        return kCLASS_E_CLASSNOTAVAILABLE;
    *result = &factory();
    return kS_OK;
}

KAV_CONTROL_EXPORT HResult DllCanUnloadNow()
{
    return ocxBadInc::liveInstances() == 0 ? kS_OK : kS_FALSE;
}

} // extern "C"
