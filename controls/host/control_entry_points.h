#pragma once
// The four exported entry points of a control library that serves one
// control class. A library states its identifier and class once:
//
//     KAV_CONTROL_LIBRARY("Tacho.ocxTacho", kav::controls::ocxTacho)
//
// The class needs a constructor taking the parent widget and a static
// liveInstances() that counts the instances alive.
#include <QString>

#include "control_library.h"

namespace kav::controls::entry {

template <class Control>
class SingleControlFactory final : public ControlFactory {
public:
    explicit SingleControlFactory(const char* progId) : progId_(progId) {}
    QString progId() const override { return QString::fromLatin1(progId_); }
    HostedControl* createInstance(QWidget* parent) override { return new Control(parent); }

private:
    const char* progId_;
};

// addressInLibrary: any address inside the calling library, which tells the
// registry where the library file lives.
HResult registerServer(const char* progId, const void* addressInLibrary);
HResult unregisterServer(const char* progId, const void* addressInLibrary);
// Identifiers compare without regard to case, as in the registry.
HResult getClassObject(const char* wanted, ControlFactory& factory, ControlFactory** result);

} // namespace kav::controls::entry

#define KAV_CONTROL_LIBRARY(PROG_ID, CONTROL_CLASS)                                                                    \
    namespace {                                                                                                        \
    kav::controls::ControlFactory& kavLibraryFactory() {                                                               \
        static kav::controls::entry::SingleControlFactory<CONTROL_CLASS> factory(PROG_ID);                             \
        return factory;                                                                                                \
    }                                                                                                                  \
    const void* kavLibraryAddress() { return reinterpret_cast<const void*>(&kavLibraryFactory); }                      \
    }                                                                                                                  \
    extern "C" {                                                                                                       \
    KAV_CONTROL_EXPORT kav::controls::HResult DllRegisterServer() {                                                    \
        return kav::controls::entry::registerServer(PROG_ID, kavLibraryAddress());                                     \
    }                                                                                                                  \
    KAV_CONTROL_EXPORT kav::controls::HResult DllUnregisterServer() {                                                  \
        return kav::controls::entry::unregisterServer(PROG_ID, kavLibraryAddress());                                   \
    }                                                                                                                  \
    KAV_CONTROL_EXPORT kav::controls::HResult DllGetClassObject(const char* progId,                                    \
                                                                kav::controls::ControlFactory** factory) {             \
        return kav::controls::entry::getClassObject(progId, kavLibraryFactory(), factory);                             \
    }                                                                                                                  \
    KAV_CONTROL_EXPORT kav::controls::HResult DllCanUnloadNow() {                                                      \
        return CONTROL_CLASS::liveInstances() == 0 ? kav::controls::kS_OK : kav::controls::kS_FALSE;                   \
    }                                                                                                                  \
    }
