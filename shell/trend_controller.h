#pragma once
// The trend of the current values: a button of its own below the page's
// panel opens the trend window (non-modal); while it is open every reading
// shown on the current-values page goes in, timed from the run's start (the
// page entered). Entering the page again starts a new trend; closing the
// window drops it, so nothing keeps running.
#include <QObject>
#include <QPointer>
#include <array>
#include <chrono>

#include "trend_layout.h"
#include "trend_store.h"
#include "window_parts.h"

class QPushButton;

namespace kav::measure {
class TrendWindow;
}

namespace kav::shell {

class TrendController : public QObject {
    Q_OBJECT
public:
    explicit TrendController(Fensterteile& t);
    ~TrendController() override;

    // Opens the window (or raises it when open).
    void oeffnen();
    // The profile's limits per series, kept for a window opened later.
    void setGrenzen(const std::array<measure::TrendGrenze, measure::kTrendReihen>& grenzen);
    // The captions in the current language.
    void spracheSetzen();

    QPushButton& knopf() const { return *knopf_; }
    // The open window; nullptr when closed.
    measure::TrendWindow* fenster() const;

private:
    void seiteGewechselt();
    void ergebnis(int typ);
    double sekundenSeitStart() const;

    Fensterteile& t_;
    QPushButton* knopf_ = nullptr;
    QPointer<measure::TrendWindow> fenster_;
    std::array<measure::TrendGrenze, measure::kTrendReihen> grenzen_{};
    std::chrono::steady_clock::time_point start_{};
    bool aufSeite_ = false;
};

} // namespace kav::shell
