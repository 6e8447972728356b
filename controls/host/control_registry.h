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

    bool add(const QString& progId, const QString& libraryPath);
    bool remove(const QString& progId);
    QString libraryFor(const QString& progId) const; // "" when not registered

private:
    QString path_;
};

// Used by a library's DllRegisterServer / DllUnregisterServer: the full path
// of the shared library that contains the given address.
QString libraryPathOf(const void* addressInLibrary);

} // namespace kav::controls
