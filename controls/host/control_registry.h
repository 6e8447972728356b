#pragma once
// The host's control registry: which library serves which identifier.
#include <QString>

namespace kav::controls {

class ControlRegistry {
public:
    // The file named by the environment variable KAV_CONTROL_REGISTRY, else
    // "kavcontrols.reg" in the given folder.
    static QString defaultPath(const QString& folder);

    explicit ControlRegistry(QString filePath);
    QString filePath() const { return path_; }

    // Adds or replaces the line of the identifier; other lines stay as they are.
    // An entry that is there already leaves the file untouched.
    bool add(const QString& progId, const QString& libraryPath);
    // True also when the identifier was not registered (nothing to remove).
    bool remove(const QString& progId);
    // "" when not registered. A relative library path is taken from the
    // registry's own folder, so a registry can travel with its libraries.
    QString libraryFor(const QString& progId) const;

private:
    QString path_;
};

// Used by a library's DllRegisterServer / DllUnregisterServer: the full path
// of the shared library that contains the given address.
QString libraryPathOf(const void* addressInLibrary);

// What DllRegisterServer / DllUnregisterServer do: record or remove
// "progId=<path of the library containing the address>" in the registry at
// defaultPath(folder of that library).
bool registerLibrary(const QString& progId, const void* addressInLibrary);
bool unregisterLibrary(const QString& progId, const void* addressInLibrary);

} // namespace kav::controls
