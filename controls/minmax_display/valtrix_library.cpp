// The library's entry points: registration in the host's control registry,
// the factory for "Valtrix.ocxMinMaxWert" and the unload check.
#include "control_library.h"
#include "control_registry.h"
#include "ocx_minmax_wert.h"

using namespace kav::controls;

namespace {

constexpr const char* kProgId = "Valtrix.ocxMinMaxWert";

class MinMaxWertFactory final : public ControlFactory {
public:
    QString progId() const override { return QString::fromLatin1(kProgId); }
    HostedControl* createInstance(QWidget* parent) override { return new ocxMinMaxWert(parent); }
};

MinMaxWertFactory g_factory;

} // namespace

extern "C" {

KAV_CONTROL_EXPORT HResult DllRegisterServer() {
    return registerLibrary(g_factory.progId(), reinterpret_cast<const void*>(&DllRegisterServer))
               ? kS_OK
               : kSELFREG_E_CLASS;
}

KAV_CONTROL_EXPORT HResult DllUnregisterServer() {
    return unregisterLibrary(g_factory.progId(), reinterpret_cast<const void*>(&DllUnregisterServer))
               ? kS_OK
               : kSELFREG_E_CLASS;
}

KAV_CONTROL_EXPORT HResult DllGetClassObject(const char* progId, ControlFactory** factory) {
    if (factory == nullptr) return kE_FAIL;
    *factory = nullptr;
    if (progId == nullptr || QString::fromUtf8(progId).compare(g_factory.progId(), Qt::CaseInsensitive) != 0) {
        return kCLASS_E_CLASSNOTAVAILABLE;
    }
    *factory = &g_factory;
    return kS_OK;
}

KAV_CONTROL_EXPORT HResult DllCanUnloadNow() { return ocxMinMaxWert::aliveInstances() == 0 ? kS_OK : kS_FALSE; }

} // extern "C"
