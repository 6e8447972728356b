#include "chart_box.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "chart_image.h"
#include "decimal_separator.h"
#include "display_rules.h"

namespace kav::measure {

namespace {

// How far from a point's centre the pointer still hits it, pixels.
constexpr int kFang = 4;

// The tooltip's words; the shared text table does not hold them.
QString wort(const QString& sprache, const char* deutsch) {
    static const std::pair<const char*, const char*> kPaare[] = {
        {"Messwert:", "Sample:"}, {"Winkel:", "Angle:"}, {"Wert:", "Value:"}};
    if (sprache != QLatin1String("D"))
        for (const auto& [d, e] : kPaare)
            if (qstrcmp(d, deutsch) == 0)
                return QString::fromUtf8(e);
    return QString::fromUtf8(deutsch);
}

} // namespace

ChartBox::ChartBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_OpaquePaintEvent);
    leeren();
}

QColor ChartBox::hintergrund() const { return palette().color(QPalette::Button); }

QSizeF ChartBox::boxEinheiten() const {
    const QSize s = contentsRect().size();
    return {s.width() * kBoxEinheitenProPixel, s.height() * kBoxEinheitenProPixel};
}

QRectF ChartBox::bildZiel() const {
    const qreal dpr = devicePixelRatioF();
    return QRectF(QPointF(0, 0), QSizeF(contentsRect().size()) * dpr);
}

void ChartBox::neuesBild() {
    const QRectF ziel = bildZiel();
    if (hatLayout_) {
        bild_ = chartBild(layout_, samples_, ziel.size().toSize(), font(), hintergrund());
    } else {
        bild_ = QImage(ziel.size().toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        bild_.fill(hintergrund());
    }
    bild_.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void ChartBox::leeren() {
    layout_ = {};
    hatLayout_ = false;
    samples_.clear();
    neuesBild();
}

void ChartBox::achsenZeichnen(const ChartLayout& layout) {
    layout_ = layout;
    hatLayout_ = true;
    samples_.clear();
    neuesBild();
}

void ChartBox::punkteZeichnen(const std::vector<std::int16_t>& samples) {
    if (!hatLayout_)
        return;
    samples_.insert(samples_.end(), samples.begin(), samples.end());
    // The points go onto the picture as it is; the axes are not drawn again.
    bild_.setDevicePixelRatio(1); // drawn in device pixels
    {
        QPainter p(&bild_);
        punkteMalen(p, layout_, samples, bildZiel());
    }
    bild_.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void ChartBox::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.drawImage(contentsRect().topLeft(), bild_);
    }
    QFrame::paintEvent(event); // the border
}

void ChartBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    neuesBild();
}

std::optional<std::size_t> ChartBox::sampleBei(const QPoint& pos) const {
    if (!hatLayout_ || samples_.empty() || !layout_.ok())
        return std::nullopt;
    const QRect c = contentsRect();
    const ChartAbbildung a(layout_, QRectF(c));
    if (a.sx <= 0 || a.sy <= 0 || layout_.FaktorX <= 0)
        return std::nullopt;
    // The samples whose points can lie within reach of the pointer.
    const double links = layout_.datenX((pos.x() - kFang - 1 - c.left()) / a.sx);
    const double rechts = layout_.datenX((pos.x() + kFang + 1 - c.left()) / a.sx);
    const double letzter = static_cast<double>(samples_.size() - 1);
    const double von = std::clamp(std::ceil(links), 0.0, letzter);
    const double bis = std::clamp(std::floor(rechts), 0.0, letzter);
    std::optional<std::size_t> bester;
    long long besterAbstand = 0;
    for (auto i = static_cast<std::size_t>(von); i <= static_cast<std::size_t>(bis); ++i) {
        const QPointF q = a.punkt(layout_.GrafikX(static_cast<double>(i)), layout_.GrafikY(samples_[i]));
        const long long dx = static_cast<long long>(std::floor(q.x())) - pos.x();
        const long long dy = static_cast<long long>(std::floor(q.y())) - pos.y();
        if (std::abs(dx) > kFang || std::abs(dy) > kFang)
            continue;
        const long long abstand = dx * dx + dy * dy;
        if (!bester || abstand < besterAbstand) {
            bester = i;
            besterAbstand = abstand;
        }
    }
    return bester;
}

QString ChartBox::hinweisBei(const QPoint& pos) const {
    const std::optional<std::size_t> i = sampleBei(pos);
    if (!i)
        return {};
    const std::string trenner = systemDezimalTrenner();
    const double winkel = layout_.winkel(static_cast<double>(*i));
    return wort(sprache_, "Messwert:") + QLatin1Char(' ') + QString::number(*i) + QLatin1Char('\n') +
           wort(sprache_, "Winkel:") + QLatin1Char(' ') + QString::fromStdString(zahlText(winkel, 1, trenner)) +
           QChar(0x00B0) + QLatin1Char('\n') + wort(sprache_, "Wert:") + QLatin1Char(' ') +
           QString::number(samples_[*i]) + QStringLiteral(" ''");
}

void ChartBox::setSprache(const QString& code) { sprache_ = code; }

bool hinweisEreignis(QWidget& box, QEvent* event, const std::function<QString(const QPoint&)>& hinweis) {
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* hilfe = static_cast<QHelpEvent*>(event);
    const QString text = hinweis(hilfe->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(hilfe->globalPos(), text, &box);
    }
    return true;
}

bool ChartBox::event(QEvent* event) {
    return hinweisEreignis(*this, event, [this](const QPoint& p) { return hinweisBei(p); }) || QFrame::event(event);
}

} // namespace kav::measure
