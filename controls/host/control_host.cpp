#include "control_host.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

#include "control_library.h"
#include "control_registry.h"
#include "property_bag.h"

namespace kav::controls {

ControlHost::ControlHost(QString registryPath) : registryPath_(std::move(registryPath)) {}

QStringList ControlHost::controlLibraryNames() {
    return {QStringLiteral("Brinda"), QStringLiteral("Valtrix"), QStringLiteral("Tacho")};
}

int ControlHost::registerLibrariesIn(const QString& folder) { return registerLibraries(folder, controlLibraryNames()); }

int ControlHost::registerLibraries(const QString& folder, const QStringList& baseNames) {
    error_.clear();
    int registered = 0;
    QStringList failures;
    for (const QString& name : baseNames) {
        // QLibrary adds the platform's prefix and suffix (libValtrix.so, Valtrix.dll).
        QLibrary library(QDir(folder).filePath(name));
        if (!library.load()) {
            failures << name + QStringLiteral(": ") + library.errorString();
            continue;
        }
        auto fn = reinterpret_cast<DllRegisterServerFn>(library.resolve("DllRegisterServer"));
        if (fn == nullptr) {
            failures << name + QStringLiteral(": no DllRegisterServer");
            continue;
        }
        const HResult hr = fn();
        if (hr == kS_OK) {
            ++registered;
        } else {
            failures << name + QStringLiteral(": DllRegisterServer returned 0x") +
                            QString::number(static_cast<quint32>(hr), 16);
        }
    }
    error_ = failures.join(QLatin1Char('\n'));
    return registered;
}

QString ControlHost::libraryPath(const QString& progId) const {
    const QString registered = ControlRegistry(registryPath_).libraryFor(progId);
    if (libraryFolder_.isEmpty() || (!registered.isEmpty() && QFileInfo::exists(registered)))
        return registered;
    const QString name = progId.trimmed().section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty())
        return registered;
    // QLibrary knows the platform's prefix and suffix (libTacho.so, Tacho.dll).
    QLibrary probe(QDir(libraryFolder_).filePath(name));
    return probe.load() ? probe.fileName() : registered;
}

HostedControl* ControlHost::create(const QString& progId, QWidget* parent, PropertyBag* bag) {
    error_.clear();
    const QString path = libraryPath(progId);
    if (path.isEmpty()) {
        error_ = QStringLiteral("%1 is not registered in %2").arg(progId, registryPath_);
        return nullptr;
    }
    // The library stays loaded: its code runs every created control.
    QLibrary library(path);
    if (!library.load()) {
        error_ = QStringLiteral("%1: %2").arg(progId, library.errorString());
        return nullptr;
    }
    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(library.resolve("DllGetClassObject"));
    if (getClassObject == nullptr) {
        error_ = QStringLiteral("%1: %2 has no DllGetClassObject").arg(progId, path);
        return nullptr;
    }
    ControlFactory* factory = nullptr;
    const QByteArray id = progId.trimmed().toUtf8();
    const HResult hr = getClassObject(id.constData(), &factory);
    if (hr != kS_OK || factory == nullptr) {
        error_ = QStringLiteral("%1: class not available in %2").arg(progId, path);
        return nullptr;
    }
    HostedControl* control = factory->createInstance(parent);
    if (control == nullptr) {
        error_ = QStringLiteral("%1: the factory made no instance").arg(progId);
        return nullptr;
    }
    control->setAmbientUserMode(userMode_);
    if (bag != nullptr) {
        control->ReadProperties(*bag);
    } else {
        control->InitProperties();
    }
    return control;
}

} // namespace kav::controls
