#pragma once
// One QApplication per test process, created on first use.
#include <QApplication>

namespace kav::test {

// Chooses the offscreen platform unless QT_QPA_PLATFORM is set already.
QApplication& testApplication();

} // namespace kav::test
