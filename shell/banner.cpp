#include "banner.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

#include "layout_geometry.h"
#include "vb_colors.h"

namespace kav::shell {

double bildschirmFarben(int bitsPerPixel) { return std::pow(2.0, bitsPerPixel); }

std::vector<BannerBand> bannerBaender(int style, int bannerBreiteTwips, double farben) {
    std::vector<BannerBand> baender;
    if (style != 1 || bannerBreiteTwips <= 0)
        return baender;
    if (farben > 16 && farben < 256) {
        // Grey steps from black.
        const int breite = bannerBreiteTwips / 255;
        if (breite <= 0)
            return baender;
        for (int left = 0, k = 0; left < bannerBreiteTwips; left += breite, ++k)
            baender.push_back({left, breite, rgbWert(k, k, k)});
    } else if (farben > 256) {
        // From near black through blue to a light cyan.
        const int breite = bannerBreiteTwips / 500;
        if (breite <= 0)
            return baender;
        for (int left = 0; left < bannerBreiteTwips; left += breite) {
            const int k = left / breite;
            baender.push_back({left, breite, rgbWert(30, k / 2, k)});
        }
    }
    // 16 or 256 colours exactly, or fewer than 16: nothing is painted.
    return baender;
}

BannerWidget::BannerWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picOben"));
    setAutoFillBackground(false);
}

void BannerWidget::setBaender(std::vector<BannerBand> baender) {
    baender_ = std::move(baender);
    update();
}

void BannerWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    for (const BannerBand& b : baender_) {
        p.fillRect(QRectF(b.left / double(kTwipsProPixel), 0, b.width / double(kTwipsProPixel), height()),
                   qtFarbe(b.farbe));
    }
}

LogoWidget::LogoWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgLogo"));
    setAttribute(Qt::WA_TranslucentBackground);
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height();
    const qreal r = h / 2.0 - 4;
    const QPointF mitte(r + 4, h / 2.0);

    // The code disc: a light ring with dark slots, a hub and a shaft.
    p.setPen(QPen(QColor(20, 40, 70), 1.5));
    p.setBrush(QColor(225, 240, 250));
    p.drawEllipse(mitte, r, r);
    const int schlitze = 24;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 70));
    for (int i = 0; i < schlitze; ++i) {
        const qreal a0 = 2 * M_PI * i / schlitze;
        const qreal a1 = a0 + M_PI / schlitze;
        QPainterPath slot;
        slot.moveTo(mitte + QPointF(std::cos(a0), std::sin(a0)) * (r - 2));
        slot.lineTo(mitte + QPointF(std::cos(a1), std::sin(a1)) * (r - 2));
        slot.lineTo(mitte + QPointF(std::cos(a1), std::sin(a1)) * (r * 0.72));
        slot.lineTo(mitte + QPointF(std::cos(a0), std::sin(a0)) * (r * 0.72));
        slot.closeSubpath();
        p.drawPath(slot);
    }
    p.setBrush(QColor(240, 246, 250));
    p.setPen(QPen(QColor(20, 40, 70), 1.5));
    p.drawEllipse(mitte, r * 0.42, r * 0.42);
    p.setBrush(QColor(20, 40, 70));
    p.drawEllipse(mitte, r * 0.12, r * 0.12);

    // The name beside the disc.
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(qRound(h * 0.46));
    p.setFont(f);
    p.setPen(Qt::white);
    const QRectF text(mitte.x() + r + 10, 0, width() - (mitte.x() + r + 10), h);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KAV"));
}

} // namespace kav::shell
