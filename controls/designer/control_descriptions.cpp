#include "control_descriptions.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

#include "control_library.h"
#include "control_registry.h"

namespace kav::controls::designer {

const std::vector<ControlDescription>& controlDescriptions() {
    static const std::vector<ControlDescription> list = {
        {QStringLiteral("Valtrix.ocxMinMaxWert"), QStringLiteral("Valtrix"), QStringLiteral("ocxMinMaxWert"),
         QStringLiteral("ocx_minmax_wert.h"), QStringLiteral("Value on a scale with good range and value box"), 200,
         20},
        {QStringLiteral("Tacho.ocxTacho"), QStringLiteral("Tacho"), QStringLiteral("kav::controls::ocxTacho"),
         QStringLiteral("ocx_tacho.h"), QStringLiteral("Dial gauge"), 200, 200},
        {QStringLiteral("Brinda.ocxBadInc"), QStringLiteral("Brinda"), QStringLiteral("kav::controls::ocxBadInc"),
         QStringLiteral("ocx_bad_inc.h"), QStringLiteral("Deviation ring with minimum and maximum marks"), 260, 260},
    };
    return list;
}

namespace {

// Where to look for the control libraries: beside this plugin, one level up
// (the build folder) and, installed, the program's private library folder.
QStringList searchFolders() {
    static const int anchor = 0;
    const QString self = libraryPathOf(&anchor);
    if (self.isEmpty())
        return {};
    const QDir here = QFileInfo(self).absoluteDir();
    QStringList folders{here.absolutePath()};
    QDir up = here;
    if (up.cdUp())
        folders << up.absolutePath();
#ifdef KAV_PRIVATE_LIBDIR_FROM_DESIGNER
    const QString installed = QDir::cleanPath(here.absoluteFilePath(QStringLiteral(KAV_PRIVATE_LIBDIR_FROM_DESIGNER)));
    if (QFileInfo(installed).isDir())
        folders << installed;
#endif
    return folders;
}

// The library's path: a registered one first, else the library by its name.
QString findLibrary(const ControlDescription& d) {
    const QStringList folders = searchFolders();
    for (const QString& folder : folders) {
        const QString registered = ControlRegistry(ControlRegistry::defaultPath(folder)).libraryFor(d.progId);
        if (!registered.isEmpty() && QLibrary::isLibrary(registered) && QFileInfo::exists(registered)) {
            return registered;
        }
    }
    for (const QString& folder : folders) {
        QLibrary probe(QDir(folder).filePath(d.libraryName));
        if (probe.load())
            return probe.fileName();
    }
    return {};
}

} // namespace

QWidget* createDesignControl(const ControlDescription& d, QWidget* parent, QString* error) {
    const auto fail = [&](const QString& why) -> QWidget* {
        if (error != nullptr)
            *error = why;
        return nullptr;
    };
    const QString path = findLibrary(d);
    if (path.isEmpty())
        return fail(QStringLiteral("%1: library %2 not found").arg(d.progId, d.libraryName));
    QLibrary library(path); // stays loaded while Designer runs
    if (!library.load())
        return fail(library.errorString());
    auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(library.resolve("DllGetClassObject"));
    if (getClassObject == nullptr)
        return fail(QStringLiteral("%1: no DllGetClassObject").arg(path));
    ControlFactory* factory = nullptr;
    const QByteArray id = d.progId.toUtf8();
    if (getClassObject(id.constData(), &factory) != kS_OK || factory == nullptr) {
        return fail(QStringLiteral("%1: class not available in %2").arg(d.progId, path));
    }
    HostedControl* control = factory->createInstance(parent);
    if (control == nullptr)
        return fail(QStringLiteral("%1: no instance").arg(d.progId));
    control->setAmbientUserMode(false); // design time
    control->InitProperties();
    control->widget()->resize(d.width, d.height);
    return control->widget();
}

} // namespace kav::controls::designer
