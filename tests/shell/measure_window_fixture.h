#pragma once
// A connected window with its display controls for the measurement tests.
// The poll timers never fire by themselves: a test calls the ticks, each
// after 500 ms on the device's manual clock.
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "kav_main.h"
#include "qt_printers.h"
#include "window_fixture.h"

namespace kav::test {

class MessFensterTest : public FensterTest {
protected:
    MessFensterTest();
    ~MessFensterTest() override;

    // A window on a device with these kav100sim flags, connected at its
    // first activation; `sprache` "D" or "E".
    std::unique_ptr<shell::KAV_Main> verbunden(const std::string& flags = {}, const char* sprache = "E",
                                               const QString& befehlszeile = {});
    static QTimer& timer(shell::KAV_Main& w, int typ);
    // One poll tick of the type (1-3), 500 ms after the last.
    void ticke(shell::KAV_Main& w, int typ);
    // Ticks while the type's timer is armed, until `bis` holds; the ticks taken.
    int tickeBis(shell::KAV_Main& w, int typ, const std::function<bool()>& bis, int hoechstens = 60);
    // Ticks until the timer stays off: a single measurement has ended.
    int tickeAus(shell::KAV_Main& w, int typ) {
        return tickeBis(w, typ, [] { return false; });
    }
    // A number text with "." as the system locale writes it.
    static QString zahl(const char* text);
};

} // namespace kav::test
