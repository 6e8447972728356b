#pragma once
// The three live measurements, one table-driven controller: per result type
// its page, buttons, poll timer and the procedures that show and clear its
// result. Starts, poll ticks and readouts run as jobs on the device worker;
// the result travels back as a copy of the live record and is shown here.
#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "device_worker.h"
#include "measure_host.h"
#include "window_parts.h"

namespace kav {
class ComUSB;
}

namespace kav::measure {
class ChartBox;
class MeasurementCycle;
struct AktuellWerte;
struct SchlechtimpulsWerte;
struct DrehschwebungWerte;
struct PollResult;
} // namespace kav::measure

namespace kav::shell {

class MeasurementController : public QObject {
    Q_OBJECT
public:
    MeasurementController(Fensterteile& t, ComUSB& link);
    ~MeasurementController() override;

    // Start: lock the page's buttons, send the start command, arm the poll
    // timer; a refused start switches continuous reading off, clears the
    // identity fields and connects again.
    void starten(int typ);
    // One poll tick of a type (its timer's timeout).
    void tick(int typ);
    // The display procedure: the live record of the type on its result panel
    // (pages 3 to 7), then the saved copy taken from it. False when nothing
    // was shown.
    bool anzeigen(int typ);
    // The page's clear procedure: its fields and the saved copy.
    void loeschen(int typ);
    // Entering a measurement page lets its measurement run; leaving it
    // cancels the measurement and any readout of it.
    void seiteZeigen(int typ, bool zeigen);
    // "Werte immer lesen" (check box 0 or 1) was switched.
    void dauerlesenGeklickt(int chkIndex);
    // The shown results once more from their saved copies (a language switch).
    void werteNeuZeigen();
    // Every poll timer off and continuous reading switched off (the converter vanished).
    void allesStoppen();
    QTimer& timer(int typ);
    // ocxTacho.MaxAnzahl back to 6000.
    void TachoSkalaZuruecksetzen();
    bool DrehschwebungGrafik(std::int16_t Wert1, std::int16_t Wert2, int impulszahl);
    bool GrafikZeichnen(measure::ChartBox& Box, int Xmin, int Ymin, int Xmax, int Ymax, int impulszahl,
                        std::optional<double> XSchritt = std::nullopt, std::optional<double> YSchritt = std::nullopt);

    // The measurement logic; used only inside jobs on the worker.
    measure::MeasurementCycle* zyklus() const { return zyklus_.get(); }
    // What the measurement logic calls out to, from the worker thread.
    measure::MeasureHost& host();

signals:
    // A result of the type was shown and became its saved copy (a measurement,
    // a record from the device's memory or a record file: the session's page
    // tells which). What follows a result (judging, archiving, the trend)
    // listens here.
    void ergebnisAngezeigt(int typ);

private:
    template <class Werte>
    void tickTyp(int typ, Werte& live);
    void tickAuswerten(int typ, const measure::PollResult& r);
    void startFehlgeschlagen(int chkIndex);
    void liveAnzeigerSetzen(int typ);
    void nachAnzeige(int typ);
    // The three result panels (measurement_panels.cpp); false: nothing to show.
    bool aktuellZeigen(const measure::AktuellWerte& w);
    bool schlechtimpulseZeigen(const measure::SchlechtimpulsWerte& w);
    bool drehschwebungZeigen(const measure::DrehschwebungWerte& w);
    void aktuellLeeren();
    void schlechtimpulseLeeren();
    void drehschwebungLeeren();

    Fensterteile& t_;
    class WorkerHost;
    std::unique_ptr<WorkerHost> host_;
    std::unique_ptr<measure::MeasurementCycle> zyklus_;
    std::array<QTimer, 3> timer_;
    // The job of each type that runs or waits, for the cancel on leaving its page.
    std::array<std::optional<session::JobNummer>, 3> job_{};
};

} // namespace kav::shell
