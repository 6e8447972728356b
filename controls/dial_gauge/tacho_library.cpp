// Entry points of the control library Tacho: registration in the host's
// control registry and the factory for "Tacho.ocxTacho".
#include "control_library.h"
#include "control_registry.h"
#include "ocx_tacho.h"

using namespace kav::controls;

namespace {

constexpr const char* kProgId = "Tacho.ocxTacho";

class TachoFactory final : public ControlFactory {
public:
    QString progId() const override { return QString::fromLatin1(kProgId); }
    HostedControl* createInstance(QWidget* parent) override { return new ocxTacho(parent); }
};

// Any address inside this library tells the registry where the library lives.
const void* ownAddress() { return reinterpret_cast<const void*>(&ownAddress); }

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

KAV_CONTROL_EXPORT HResult DllGetClassObject(const char* progId, ControlFactory** factory)
{
    if (factory == nullptr)
        return kE_FAIL;
    *factory = nullptr;
    // Identifiers compare without regard to case, as in the registry.
    if (progId == nullptr || QString::fromUtf8(progId).compare(QLatin1String(kProgId), Qt::CaseInsensitive) != 0)
        return kCLASS_E_CLASSNOTAVAILABLE;
    static TachoFactory theFactory;
    *factory = &theFactory;
    return kS_OK;
}

KAV_CONTROL_EXPORT HResult DllCanUnloadNow() { return ocxTacho::liveInstances() == 0 ? kS_OK : kS_FALSE; }

} // extern "C"
