#include "trend_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>

#include "chart_box.h"
#include "chart_image.h"
#include "trend_chart_image.h"
#include "trend_csv.h"

namespace kav::measure {

TrendChartBox::TrendChartBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(400, 300);
}

void TrendChartBox::zeichnen(const TrendStore& store, const TrendAnsicht& ansicht, std::string_view trenner,
                             const Translator& t) {
    store_ = &store;
    ansicht_ = ansicht;
    trenner_ = std::string(trenner);
    t_ = t;
    const QSize s = contentsRect().size();
    layout_ = measure::trendLayout(store, ansicht, s.width() * kBoxEinheitenProPixel,
                                   s.height() * kBoxEinheitenProPixel, trenner, t);
    const qreal dpr = devicePixelRatioF();
    bild_ = trendBild(store, layout_, (QSizeF(s) * dpr).toSize(), font(), palette().color(QPalette::Base));
    bild_.setDevicePixelRatio(dpr);
    update();
}

void TrendChartBox::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.drawImage(contentsRect().topLeft(), bild_);
    }
    QFrame::paintEvent(event);
}

void TrendChartBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (store_)
        zeichnen(*store_, ansicht_, trenner_, t_);
}

QString TrendChartBox::hinweisBei(const QPoint& pos) const {
    if (!store_)
        return {};
    const QRectF ziel(contentsRect());
    const std::optional<TrendTreffer> treffer = trendTrefferBei(*store_, layout_, ziel, QPointF(pos));
    return treffer ? trendHinweis(*store_, *treffer, trenner_, t_) : QString();
}

bool TrendChartBox::event(QEvent* event) {
    return hinweisEreignis(*this, event, [this](const QPoint& p) { return hinweisBei(p); }) || QFrame::event(event);
}

TrendWindow::TrendWindow(Translator t, std::string trenner, QWidget* parent)
    : QWidget(parent, Qt::Window), t_(std::move(t)), trenner_(std::move(trenner)) {
    chart_ = new TrendChartBox(this);
    pause_ = new QPushButton(this);
    leeren_ = new QPushButton(this);
    export_ = new QPushButton(this);
    status_ = new QLabel(this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(pause_);
    knoepfe->addWidget(leeren_);
    knoepfe->addWidget(export_);
    knoepfe->addWidget(status_, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(knoepfe);
    spalte->addWidget(chart_, 1);
    connect(pause_, &QPushButton::clicked, this, [this] { anhalten(!angehalten_); });
    connect(leeren_, &QPushButton::clicked, this, [this] { leeren(); });
    connect(export_, &QPushButton::clicked, this, [this] { exportieren(); });
    resize(900, 760);
    texteSetzen();
    neuZeichnen();
}

void TrendWindow::setGrenzen(const std::array<TrendGrenze, kTrendReihen>& grenzen) {
    ansicht_.grenzen = grenzen;
    neuZeichnen();
}

void TrendWindow::setTranslator(Translator t) {
    t_ = std::move(t);
    texteSetzen();
    neuZeichnen();
}

QString TrendWindow::statusText() const {
    QString text = QString::fromStdString(T("Anzahl")) + QLatin1Char(' ') + QString::number(store_.size());
    if (angehalten_)
        text += QStringLiteral("   ") + QString::fromStdString(T("Angehalten"));
    if (store_.voll())
        text += QStringLiteral("   ") + QString::fromStdString(T("Der Verlauf ist voll (24 Stunden)."));
    return text;
}

void TrendWindow::texteSetzen() {
    setWindowTitle(QString::fromStdString(T("Verlauf der aktuellen Werte")));
    pause_->setText(QString::fromStdString(T(angehalten_ ? "Fortsetzen" : "Anhalten")));
    leeren_->setText(QString::fromStdString(T("Leeren")));
    export_->setText(QString::fromStdString(T("CSV exportieren")));
    status_->setText(statusText());
}

void TrendWindow::neuZeichnen() {
    if (!angehalten_)
        ansicht_ = ganzerLauf(store_, ansicht_);
    chart_->zeichnen(store_, ansicht_, trenner_, t_);
    status_->setText(statusText());
}

void TrendWindow::messungHinzufuegen(double sekunden, const AktuellWerte& w) {
    store_.hinzufuegen(sekunden, w);
    if (angehalten_)
        status_->setText(statusText()); // the picture stays as it was
    else
        neuZeichnen();
}

void TrendWindow::anhalten(bool an) {
    angehalten_ = an;
    texteSetzen();
    if (!an)
        neuZeichnen();
}

void TrendWindow::leeren() {
    store_.leeren();
    neuZeichnen();
}

bool TrendWindow::exportieren() {
    if (!dateiWahl_)
        return false;
    const QString name = dateiWahl_(QStringLiteral("Verlauf.csv"), QString::fromStdString(T("CSV-Datei (*.csv)|*.csv")));
    if (name.isEmpty())
        return false;
    bool ok = false;
    {
        std::ofstream aus(std::filesystem::path(name.toStdU16String()), std::ios::binary | std::ios::trunc);
        if (aus) {
            trendCsvSchreiben(aus, store_);
            aus.close();
            ok = !aus.fail();
        }
    }
    if (!ok && meldung_)
        meldung_(QString::fromStdString(T("Die Datei konnte nicht gespeichert werden.")) + QLatin1Char('\n') + name);
    return ok;
}

} // namespace kav::measure
