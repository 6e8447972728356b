#pragma once
// The guided test run in the window: current values, bad pulses and
// rotational oscillation, one device job per step, an instruction before each
// step, the progress and at the end the unit's verdict in a window of its own
// that blocks nothing. The judging, the ERROR of a failed step and the run's
// folder are the test run's of verdict/: the steps' outcomes are handed to it
// once the last step is back, so a cancel or an ERROR leaves no folder.
#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>

#include "clock.h"
#include "device_worker.h"
#include "test_run.h"
#include "window_parts.h"

class QLabel;
class QPushButton;
class QWidget;

namespace kav::shell {

class VerdictController;

class TestRunController : public QObject {
    Q_OBJECT
public:
    TestRunController(Fensterteile& t, VerdictController& urteil, QString settingsDatei);
    ~TestRunController() override;

    // "Test run": needs a profile and the device; asks for the folder, then
    // posts the first step.
    void starten();
    // Ends the run before its next step (the running one at its next transaction).
    void abbrechen();
    bool laeuft() const { return laeuft_; }

    // The run's window (progress, then the verdict with the three results).
    QWidget* fenster() const { return fenster_.get(); }
    QLabel* fortschritt() const { return fortschritt_; }
    QLabel* ergebnisText() const { return ergebnisText_; }
    // The last finished run.
    const std::optional<verdict::RunOutcome>& ergebnis() const { return ergebnis_; }

signals:
    void beendet();

private:
    struct Schritt {
        verdict::StepOutcome outcome;
        LocalTime zeit; // the clock when the step began
    };
    void fensterAufbauen();
    void schrittPosten(int i);
    void schrittFertig(int i, session::JobErgebnis<Schritt> r);
    void auswerten();

    Fensterteile& t_;
    VerdictController& urteil_;
    QString settingsDatei_;
    std::unique_ptr<QWidget> fenster_;
    QLabel* fortschritt_ = nullptr;
    QLabel* ergebnisText_ = nullptr;
    QPushButton* knopf_ = nullptr;

    bool laeuft_ = false;
    std::atomic<bool> abbruch_{false};
    std::optional<session::JobNummer> job_;
    std::filesystem::path ordner_;
    LocalTime start_;
    std::array<verdict::StepOutcome, verdict::kStepCount> schritte_{};
    std::optional<verdict::RunOutcome> ergebnis_;
};

} // namespace kav::shell
