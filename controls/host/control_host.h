#pragma once
// The host's side: create a control from its identifier by loading the
// registered library, the way the window makes its display controls.
#include <QString>
#include <QStringList>

#include "hosted_control.h"

class QWidget;

namespace kav::controls {

class PropertyBag;

class ControlHost {
public:
    explicit ControlHost(QString registryPath);

    // The base names of the control libraries the program ships.
    static QStringList controlLibraryNames(); // Brinda, Valtrix, Tacho

    // Calls DllRegisterServer of every control library in the folder
    // (libraries named Brinda, Valtrix, Tacho). Returns how many registered.
    int registerLibrariesIn(const QString& folder);
    // The same for the given base names (platform prefix and suffix are added).
    int registerLibraries(const QString& folder, const QStringList& baseNames);

    // The ambient mode flag handed to every control this host creates:
    // True (the default) for the running program, False at design time.
    void setAmbientUserMode(bool userMode) { userMode_ = userMode; }
    bool ambientUserMode() const { return userMode_; }

    // Where create() looks for a library the registry does not name (or names
    // at a place where it is gone): the identifier's first part ("Tacho" of
    // "Tacho.ocxTacho") in this folder. Empty (the default): nowhere.
    void setLibraryFolder(const QString& folder) { libraryFolder_ = folder; }

    // nullptr with error() set when the identifier is unknown or the library
    // fails. With a bag the control reads its stored properties from it,
    // otherwise it initialises a new instance. The library stays loaded.
    HostedControl* create(const QString& progId, QWidget* parent, PropertyBag* bag = nullptr);
    QString error() const { return error_; }

private:
    QString libraryPath(const QString& progId) const;

    QString registryPath_;
    QString libraryFolder_;
    QString error_;
    bool userMode_ = true;
};

} // namespace kav::controls
