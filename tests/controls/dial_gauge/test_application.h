#pragma once
// One QApplication for the whole test program (offscreen platform under CTest).
#include <QApplication>

namespace kav::controls::test_support {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "dial_gauge_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

} // namespace kav::controls::test_support
