#pragma once
// One QApplication per test process, created on first use.
#include <QApplication>

namespace kav::test {

// Chooses the offscreen platform unless QT_QPA_PLATFORM is set already, and
// pins the system locale (LC_ALL, LC_NUMERIC, LANG: "C.UTF-8", or the value of
// KAV_TEST_LC_ALL) before Qt first reads it.
QApplication& testApplication();

} // namespace kav::test
