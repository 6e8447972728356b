#pragma once
// One QCoreApplication per test program that needs Qt's core objects (the
// serial-port backend) but no widgets; created on first use, never destroyed.
#include <QCoreApplication>

namespace kav::test {

inline QCoreApplication& testCoreApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "kav_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
    return *QCoreApplication::instance();
}

} // namespace kav::test
