#pragma once
// The trend window of the current values (non-modal): strip charts of every
// series over the readings of one continuous run, with pause/resume of the
// view, clear and export as CSV. The store keeps taking readings while the
// view is paused. It asks for a file name through a callback (the program's
// dialog interface), so nothing here opens a modal window of its own.
#include <QFrame>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "measure_host.h"
#include "trend_layout.h"
#include "trend_store.h"

class QLabel;
class QPushButton;

namespace kav::measure {

// The strip charts: a retained picture of the trend, painted as it is;
// hovering names the reading under the pointer.
class TrendChartBox : public QFrame {
    Q_OBJECT
public:
    explicit TrendChartBox(QWidget* parent = nullptr);

    // Draws the store into the retained picture (the view as it is now).
    void zeichnen(const TrendStore& store, const TrendAnsicht& ansicht, std::string_view trenner,
                  const Translator& t);
    const QImage& bild() const { return bild_; }
    const TrendLayout& trendLayout() const { return layout_; }
    // The tooltip for a widget position; empty away from the readings.
    QString hinweisBei(const QPoint& pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    const TrendStore* store_ = nullptr;
    TrendAnsicht ansicht_;
    std::string trenner_ = ".";
    Translator t_;
    TrendLayout layout_;
    QImage bild_;
};

class TrendWindow : public QWidget {
    Q_OBJECT
public:
    // The chosen file name for a suggested one and a filter ("CSV-Datei
    // (*.csv)|*.csv" in the current language); empty on cancel.
    using DateiWahl = std::function<QString(const QString& vorschlag, const QString& filter)>;
    // A message for the user (a failed export).
    using Meldung = std::function<void(const QString& text)>;

    TrendWindow(Translator t, std::string trenner, QWidget* parent = nullptr);

    void setDateiWahl(DateiWahl wahl) { dateiWahl_ = std::move(wahl); }
    void setMeldung(Meldung meldung) { meldung_ = std::move(meldung); }
    // The profile's limits per series; no limit leaves the strip plain.
    void setGrenzen(const std::array<TrendGrenze, kTrendReihen>& grenzen);
    // The texts in another language.
    void setTranslator(Translator t);

    // A reading `sekunden` after the run's start; the view follows unless paused.
    void messungHinzufuegen(double sekunden, const AktuellWerte& w);
    void anhalten(bool an);
    bool angehalten() const { return angehalten_; }
    void leeren();
    // Asks for a file name and writes the run as CSV; false on cancel or failure.
    bool exportieren();

    const TrendStore& store() const { return store_; }
    TrendChartBox& chart() { return *chart_; }
    QPushButton& pauseKnopf() { return *pause_; }
    QPushButton& leerenKnopf() { return *leeren_; }
    QPushButton& exportKnopf() { return *export_; }
    QString statusText() const;

private:
    std::string T(const char* deutsch) const { return t_ ? t_(deutsch) : std::string(deutsch); }
    void texteSetzen();
    void neuZeichnen();

    Translator t_;
    std::string trenner_;
    TrendStore store_;
    TrendAnsicht ansicht_;
    bool angehalten_ = false;
    DateiWahl dateiWahl_;
    Meldung meldung_;
    TrendChartBox* chart_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* leeren_ = nullptr;
    QPushButton* export_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace kav::measure
