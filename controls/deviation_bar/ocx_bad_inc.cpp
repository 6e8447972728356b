#include "ocx_bad_inc.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <atomic>

#include "ole_color.h"

namespace kav::controls {

using namespace deviation_bar;

namespace {

constexpr double kTwipsPerPixel = 15.0;
// The control's own background: the system colour "button face".
constexpr qint32 kBackColour = systemColor(kColorButtonFace);

std::atomic<int> g_liveInstances{0};

class WidgetTextMeasure final : public TextMeasure {
public:
    explicit WidgetTextMeasure(const ocxBadInc& control) : control_(control) {}
    double textWidth(const QString& text) const override { return control_.textWidth(text); }
    double textHeight(const QString& text) const override { return control_.textHeight(text); }

private:
    const ocxBadInc& control_;
};

QPointF toPixels(QPointF twips) { return twips / kTwipsPerPixel; }

} // namespace

ocxBadInc::ocxBadInc(QWidget* parent) : QWidget(parent) {
    ++g_liveInstances;
    applyDefaults();
    QWidget::setEnabled(enabled_);
    redraw();
}

ocxBadInc::~ocxBadInc() { --g_liveInstances; }

int ocxBadInc::liveInstances() { return g_liveInstances.load(); }

double ocxBadInc::textWidth(const QString& text) const {
    return QFontMetricsF(font()).horizontalAdvance(text) * kTwipsPerPixel;
}

double ocxBadInc::textHeight(const QString&) const {
    // The height of one line of the font, also for an empty text.
    return QFontMetricsF(font()).height() * kTwipsPerPixel;
}

BarInput ocxBadInc::layoutInput() const {
    BarInput in;
    in.width = width() * kTwipsPerPixel;
    in.height = height() * kTwipsPerPixel;
    in.enabled = enabled_;
    in.impulsZahl = impulsZahl_;
    in.marks = marks_;
    for (int i = 0; i < kMarkCount; ++i) {
        if (i == kMaxMark)
            in.marks[i].colour = maxFarbe_;
        else if (i == kMinMark)
            in.marks[i].colour = minFarbe_;
        else if (i < kFirstNegativeMark)
            in.marks[i].colour = posMaxFarbe_;
        else
            in.marks[i].colour = posMinFarbe_;
    }
    return in;
}

void ocxBadInc::redraw() {
    layout_ = computeLayout(layoutInput(), WidgetTextMeasure(*this), layout_);
    update();
}

template <typename T>
void ocxBadInc::assign(T& field, T value, void (ocxBadInc::*notify)(), const char* name) {
    if (field == value)
        return;
    field = value;
    redraw();
    emit(this->*notify)();
    emit propertyChanged(QString::fromLatin1(name));
}

void ocxBadInc::setEnabledProperty(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    QWidget::setEnabled(value);
    redraw();
    emit EnabledChanged();
    emit propertyChanged(QStringLiteral("Enabled"));
}

void ocxBadInc::setImpulsZahl(qint16 value) {
    // A pulse number of 0 or below would divide by zero in the mark angle;
    // it switches the control off instead.
    const bool enable = value > 0;
    if (impulsZahl_ == value && enabled_ == enable)
        return;
    const bool valueChanged = impulsZahl_ != value;
    const bool enabledChanged = enabled_ != enable;
    impulsZahl_ = value;
    enabled_ = enable;
    QWidget::setEnabled(enable);
    redraw();
    if (valueChanged)
        emit ImpulsZahlChanged();
    if (enabledChanged)
        emit EnabledChanged();
    emit propertyChanged(QStringLiteral("ImpulsZahl"));
    if (enabledChanged)
        emit propertyChanged(QStringLiteral("Enabled"));
}

void ocxBadInc::setPosMax1(qint16 value) { assign(marks_[0].position, value, &ocxBadInc::PosMax1Changed, "PosMax1"); }
void ocxBadInc::setPosMax2(qint16 value) { assign(marks_[1].position, value, &ocxBadInc::PosMax2Changed, "PosMax2"); }
void ocxBadInc::setPosMax3(qint16 value) { assign(marks_[2].position, value, &ocxBadInc::PosMax3Changed, "PosMax3"); }
void ocxBadInc::setPosMax4(qint16 value) { assign(marks_[3].position, value, &ocxBadInc::PosMax4Changed, "PosMax4"); }
void ocxBadInc::setPosMax5(qint16 value) { assign(marks_[4].position, value, &ocxBadInc::PosMax5Changed, "PosMax5"); }
void ocxBadInc::setPosMin1(qint16 value) { assign(marks_[5].position, value, &ocxBadInc::PosMin1Changed, "PosMin1"); }
void ocxBadInc::setPosMin2(qint16 value) { assign(marks_[6].position, value, &ocxBadInc::PosMin2Changed, "PosMin2"); }
void ocxBadInc::setPosMin3(qint16 value) { assign(marks_[7].position, value, &ocxBadInc::PosMin3Changed, "PosMin3"); }
void ocxBadInc::setPosMin4(qint16 value) { assign(marks_[8].position, value, &ocxBadInc::PosMin4Changed, "PosMin4"); }
void ocxBadInc::setPosMin5(qint16 value) { assign(marks_[9].position, value, &ocxBadInc::PosMin5Changed, "PosMin5"); }
void ocxBadInc::setPosMin(qint16 value) {
    assign(marks_[kMinMark].position, value, &ocxBadInc::PosMinChanged, "PosMin");
}
void ocxBadInc::setPosMax(qint16 value) {
    assign(marks_[kMaxMark].position, value, &ocxBadInc::PosMaxChanged, "PosMax");
}
void ocxBadInc::setMax(qint16 value) { assign(marks_[kMaxMark].value, value, &ocxBadInc::MaxChanged, "Max"); }
void ocxBadInc::setMax1(qint16 value) { assign(marks_[0].value, value, &ocxBadInc::Max1Changed, "Max1"); }
void ocxBadInc::setMax2(qint16 value) { assign(marks_[1].value, value, &ocxBadInc::Max2Changed, "Max2"); }
void ocxBadInc::setMax3(qint16 value) { assign(marks_[2].value, value, &ocxBadInc::Max3Changed, "Max3"); }
void ocxBadInc::setMax4(qint16 value) { assign(marks_[3].value, value, &ocxBadInc::Max4Changed, "Max4"); }
void ocxBadInc::setMax5(qint16 value) { assign(marks_[4].value, value, &ocxBadInc::Max5Changed, "Max5"); }
void ocxBadInc::setMin(qint16 value) { assign(marks_[kMinMark].value, value, &ocxBadInc::MinChanged, "Min"); }
void ocxBadInc::setMin1(qint16 value) { assign(marks_[5].value, value, &ocxBadInc::Min1Changed, "Min1"); }
void ocxBadInc::setMin2(qint16 value) { assign(marks_[6].value, value, &ocxBadInc::Min2Changed, "Min2"); }
void ocxBadInc::setMin3(qint16 value) { assign(marks_[7].value, value, &ocxBadInc::Min3Changed, "Min3"); }
void ocxBadInc::setMin4(qint16 value) { assign(marks_[8].value, value, &ocxBadInc::Min4Changed, "Min4"); }
void ocxBadInc::setMin5(qint16 value) { assign(marks_[9].value, value, &ocxBadInc::Min5Changed, "Min5"); }
void ocxBadInc::setPosMaxFarbe(qint32 value) {
    assign(posMaxFarbe_, value, &ocxBadInc::PosMaxFarbeChanged, "PosMaxFarbe");
}
void ocxBadInc::setPosMinFarbe(qint32 value) {
    assign(posMinFarbe_, value, &ocxBadInc::PosMinFarbeChanged, "PosMinFarbe");
}
void ocxBadInc::setMaxFarbe(qint32 value) { assign(maxFarbe_, value, &ocxBadInc::MaxFarbeChanged, "MaxFarbe"); }
void ocxBadInc::setMinFarbe(qint32 value) { assign(minFarbe_, value, &ocxBadInc::MinFarbeChanged, "MinFarbe"); }
void ocxBadInc::setPosMaxZeigen(bool value) {
    assign(marks_[kMaxMark].showLabels, value, &ocxBadInc::PosMaxZeigenChanged, "PosMaxZeigen");
}
void ocxBadInc::setPosMax1Zeigen(bool value) {
    assign(marks_[0].showLabels, value, &ocxBadInc::PosMax1ZeigenChanged, "PosMax1Zeigen");
}
void ocxBadInc::setPosMax2Zeigen(bool value) {
    assign(marks_[1].showLabels, value, &ocxBadInc::PosMax2ZeigenChanged, "PosMax2Zeigen");
}
void ocxBadInc::setPosMax3Zeigen(bool value) {
    assign(marks_[2].showLabels, value, &ocxBadInc::PosMax3ZeigenChanged, "PosMax3Zeigen");
}
void ocxBadInc::setPosMax4Zeigen(bool value) {
    assign(marks_[3].showLabels, value, &ocxBadInc::PosMax4ZeigenChanged, "PosMax4Zeigen");
}
void ocxBadInc::setPosMax5Zeigen(bool value) {
    assign(marks_[4].showLabels, value, &ocxBadInc::PosMax5ZeigenChanged, "PosMax5Zeigen");
}
void ocxBadInc::setPosMinZeigen(bool value) {
    assign(marks_[kMinMark].showLabels, value, &ocxBadInc::PosMinZeigenChanged, "PosMinZeigen");
}
void ocxBadInc::setPosMin1Zeigen(bool value) {
    assign(marks_[5].showLabels, value, &ocxBadInc::PosMin1ZeigenChanged, "PosMin1Zeigen");
}
void ocxBadInc::setPosMin2Zeigen(bool value) {
    assign(marks_[6].showLabels, value, &ocxBadInc::PosMin2ZeigenChanged, "PosMin2Zeigen");
}
void ocxBadInc::setPosMin3Zeigen(bool value) {
    assign(marks_[7].showLabels, value, &ocxBadInc::PosMin3ZeigenChanged, "PosMin3Zeigen");
}
void ocxBadInc::setPosMin4Zeigen(bool value) {
    assign(marks_[8].showLabels, value, &ocxBadInc::PosMin4ZeigenChanged, "PosMin4Zeigen");
}
void ocxBadInc::setPosMin5Zeigen(bool value) {
    assign(marks_[9].showLabels, value, &ocxBadInc::PosMin5ZeigenChanged, "PosMin5Zeigen");
}

void ocxBadInc::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redraw();
    emit Resize();
}

void ocxBadInc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    redraw();
    emit Show();
}

void ocxBadInc::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        redraw();
}

void ocxBadInc::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), toQColor(kBackColour, pal));
    p.setBrush(Qt::NoBrush);

    for (const CircleShape* c : {&layout_.outer, &layout_.inner}) {
        if (!c->visible)
            continue;
        const double d = c->diameter() / kTwipsPerPixel;
        const QPointF centre = toPixels(c->box.center());
        p.setPen(QPen(toQColor(c->colour, pal), 0));
        p.drawEllipse(QRectF(centre.x() - d / 2, centre.y() - d / 2, d, d));
    }

    auto drawLabel = [&](const Label& l) {
        if (!l.visible)
            return;
        p.setPen(toQColor(l.foreColour, pal));
        p.drawText(QRectF(toPixels(l.topLeft), QSizeF(textWidth(l.caption), textHeight(l.caption)) / kTwipsPerPixel),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, l.caption);
    };
    auto drawLine = [&](const Line& l) {
        if (!l.visible)
            return;
        p.setPen(QPen(toQColor(l.colour, pal), 0));
        p.drawLine(QLineF(toPixels(l.from), toPixels(l.to)));
    };

    p.setFont(font());
    drawLabel(layout_.centre);
    for (const Mark& m : layout_.marks) {
        drawLine(m.pointer);
        drawLine(m.leftWing);
        drawLine(m.rightWing);
        drawLabel(m.position);
        drawLabel(m.percent);
    }
}

} // namespace kav::controls
