#pragma once
// Creation by identifier, in place of an in-process component server: every
// control library exports the four entry points below with C linkage. The
// registry is a small text file of "identifier=library path" lines.
#include <QString>

#include "hosted_control.h"

class QWidget;

#if defined(_WIN32)
#define KAV_CONTROL_EXPORT __declspec(dllexport)
#else
#define KAV_CONTROL_EXPORT __attribute__((visibility("default")))
#endif

namespace kav::controls {

// Result codes of the entry points (the values of the component-server ABI).
using HResult = long;
inline constexpr HResult kS_OK = 0;
inline constexpr HResult kS_FALSE = 1;
inline constexpr HResult kE_FAIL = static_cast<HResult>(0x80004005L);
inline constexpr HResult kCLASS_E_CLASSNOTAVAILABLE = static_cast<HResult>(0x80040111L);
inline constexpr HResult kSELFREG_E_CLASS = static_cast<HResult>(0x80040201L);

// A factory lives as long as its library; the caller never deletes it.
class ControlFactory {
public:
    virtual ~ControlFactory() = default;
    virtual QString progId() const = 0;
    // A new instance; the caller owns the widget (through its parent).
    virtual HostedControl* createInstance(QWidget* parent) = 0;
};

// Signatures of the exported entry points. DllGetClassObject sets *factory to
// nullptr and returns kCLASS_E_CLASSNOTAVAILABLE for an identifier it does not serve.
using DllRegisterServerFn = HResult (*)();
using DllUnregisterServerFn = HResult (*)();
using DllGetClassObjectFn = HResult (*)(const char* progId, ControlFactory** factory);
using DllCanUnloadNowFn = HResult (*)();

} // namespace kav::controls
