#pragma once
// A KavStudio window in a temporary program folder, with its own
// "Settings.ini", the simulated device in the process on a manual clock, the
// recording dialogs, a printer that never prints and the logs redirected.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "clock.h"
#include "globals_sichern.h"
#include "kav_main.h"
#include "log_umgebung.h"
#include "recording_dialoge.h"
#include "scenario.h"
#include "simulated_converter.h"
#include "test_printer.h"
#include "window_access.h"

namespace kav::test {

class FensterTest : public ::testing::Test {
protected:
    FensterTest();
    ~FensterTest() override;

    // The device; call before starting a window to change its scenario.
    sim::SimulatedConverter& geraet();
    void neuesGeraet(const sim::Scenario& scenario);
    // A device with the flags of kav100sim ("--steady --speed 18001"), on the test's clock.
    void neuesGeraet(const std::string& flags);

    shell::ProgramEnvironment umgebung(const QString& befehlszeile = {});
    // Creates and loads a window; the load must succeed.
    std::unique_ptr<shell::KAV_Main> starte(const QString& befehlszeile = {});
    // Loads and runs the first activation (connects when "Connect on load" says so).
    std::unique_ptr<shell::KAV_Main> starteUndAktiviere(const QString& befehlszeile = {});

    QString iniPfad() const;
    void schreibeSettings(const QByteArray& inhalt);
    QByteArray settings() const;
    bool settingsExistiert() const;
    // A settings file that keeps the window offline at its first activation.
    void offlineStart(const QByteArray& sprache = "E");

    QString ordner() const { return ordner_.path(); }

    GlobalSichern globals_;
    LogUmgebung logs_;
    RecordingDialoge dialoge_;
    DialogeEinsetzen einsetzen_{dialoge_};
    TestDrucker drucker_;
    DruckerEinsetzen druckerEinsetzen_{&drucker_};
    ManualClock uhr_;

private:
    QTemporaryDir ordner_;
    std::unique_ptr<sim::SimulatedConverter> geraet_;
};

// Device scenarios the window tests use.
sim::Scenario ohneWandler();                       // no converter plugged in
sim::Scenario versionAbgelehnt();                  // the device refuses the PC version identifier
sim::Scenario ohneBefehl(const std::string& name); // the command list lacks a command

// jobsAbwarten as a test expectation.
inline void warteBisFrei(const shell::KAV_Main& w) {
    EXPECT_TRUE(jobsAbwarten(w)) << "device jobs still open after 30 s";
}

// Text of a QLabel, QPushButton, QGroupBox title or QCheckBox.
QString beschriftung(const QWidget* w);

} // namespace kav::test
