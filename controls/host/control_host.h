#pragma once
// The host's side: create a control from its identifier by loading the
// registered library, the way the window makes its display controls.
#include <QString>

#include "hosted_control.h"

class QWidget;

namespace kav::controls {

class PropertyBag;

class ControlHost {
public:
    explicit ControlHost(QString registryPath);

    // Calls DllRegisterServer of every control library in the folder
    // (libraries named Brinda, Valtrix, Tacho). Returns how many registered.
    int registerLibrariesIn(const QString& folder);

    // nullptr with error() set when the identifier is unknown or the library
    // fails. With a bag the control reads its stored properties from it,
    // otherwise it initialises a new instance.
    HostedControl* create(const QString& progId, QWidget* parent, PropertyBag* bag = nullptr);
    QString error() const { return error_; }

private:
    QString registryPath_;
    QString error_;
};

} // namespace kav::controls
