#pragma once
// What the host needs of a control beyond its Qt properties: the lifecycle of
// a hosted control (new instance, properties read from and written to the
// property store) and the host's ambient mode flag.
class QWidget;

namespace kav::controls {

class PropertyBag;

// Error numbers a control raises when a property refuses assignment.
inline constexpr int kErrSetNotPermitted = 387;          // ambient user mode False
inline constexpr int kErrSetNotSupportedAtRuntime = 382; // ambient user mode True

class HostedControl {
public:
    virtual ~HostedControl() = default;

    virtual QWidget* widget() = 0;
    // A new instance without stored properties.
    virtual void InitProperties() = 0;
    virtual void ReadProperties(PropertyBag& bag) = 0;
    virtual void WriteProperties(PropertyBag& bag) = 0;

    // The host's ambient mode flag: True while the program runs, False at design time.
    virtual void setAmbientUserMode(bool userMode) = 0;
    virtual bool ambientUserMode() const = 0;
};

} // namespace kav::controls
