#include "test_application.h"

namespace kav::test {

QApplication& testApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program takes its decimal separator from QLocale::system(), which
    // on Unix Qt reads once from these variables: pinned before Qt starts,
    // so the pages' numbers read the same on every machine. KAV_TEST_LC_ALL
    // picks another locale (a test runs its own program again with it).
    const QByteArray gebiet =
        qEnvironmentVariableIsEmpty("KAV_TEST_LC_ALL") ? QByteArray("C.UTF-8") : qgetenv("KAV_TEST_LC_ALL");
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"})
        qputenv(name, gebiet);
    static int argc = 1;
    static char name[] = "kav_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the other static destructors at
    // exit crashes once QTest's input helpers have been used.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace kav::test
