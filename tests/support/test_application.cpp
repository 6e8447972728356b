#include "test_application.h"

namespace kav::test {

QApplication& testApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *app;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kav_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the other static destructors at
    // exit crashes once QTest's input helpers have been used.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace kav::test
