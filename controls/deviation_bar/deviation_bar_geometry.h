#pragma once
// Layout of the deviation bar: the ring, the pulse number in its centre and
// the twelve marks, computed in twips of the control's client area. Nothing
// here needs a widget, so the numbers can be checked without painting.
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtGlobal>

#include <array>

#include "ole_color.h"

namespace kav::controls::deviation_bar {

inline constexpr int kMarkCount = 12;

// Mark indices: 0-4 the further positive deviations, 5-9 the further
// negative ones, 10 the largest positive and 11 the largest negative one.
inline constexpr int kFirstPositiveMark = 0;
inline constexpr int kFirstNegativeMark = 5;
inline constexpr int kMaxMark = 10;
inline constexpr int kMinMark = 11;

// The drawing constants, digit for digit as given, so every mark lands on
// the same twip whatever the compiler's own value of pi.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kQuarterPi = 0.7853981633974475;

inline constexpr double kRingMargin = 135; // outer ring to the control's edge, beside the text room
inline constexpr double kInnerGap = 150;   // inner ring to the outer ring, beside the text room
inline constexpr double kPointerLength = 120;
inline constexpr double kWingLength = 120;
inline constexpr double kLabelGap = 15;

// Colours the drawn elements use where the control has no property for them:
// the system colours "window text" (ring) and "button text" (centre label).
inline constexpr qint32 kRingColour = systemColor(kColorWindowText);
inline constexpr qint32 kCentreLabelColour = systemColor(kColorButtonText);

// The control's text measurement (TextWidth / TextHeight), in twips.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;
};

struct Line {
    QPointF from;
    QPointF to;
    qint32 colour = 0;
    bool visible = false;
};

struct Label {
    QString caption;
    QPointF topLeft;
    qint32 foreColour = 0;
    bool visible = false;
};

// A circle shape: Left, Top, Width and Height of its box; it shows the
// largest circle that fits the box, centred in it.
struct CircleShape {
    QRectF box;
    qint32 colour = kRingColour;
    bool visible = false;

    double diameter() const { return qMin(box.width(), box.height()); }
};

struct Mark {
    Line pointer;   // linZeiger
    Line leftWing;  // linLinks
    Line rightWing; // linRechts
    Label position; // lblPosition
    Label percent;  // lblProcent
};

struct Layout {
    CircleShape outer; // shpAussen
    CircleShape inner; // shpInnen
    Label centre;      // lblImpulszahl
    std::array<Mark, kMarkCount> marks;
};

// What one mark is asked to show.
struct MarkInput {
    qint16 position = 0;
    qint16 value = 0;
    qint32 colour = 0;
    bool showLabels = true;
};

// Everything the layout depends on.
struct BarInput {
    double width = 0; // client area, twips
    double height = 0;
    bool enabled = true;
    qint16 impulsZahl = 1024;
    std::array<MarkInput, kMarkCount> marks;
};

// The three lines of a mark.
struct MarkLines {
    Line pointer;
    Line leftWing;
    Line rightWing;
};

// "0" repeated one less time than the pulse number has digits (1024 -> "000").
QString innerRingText(qint16 impulsZahl);

CircleShape outerCircle(double width, double height, const TextMeasure& measure);
CircleShape innerCircle(const CircleShape& outer, const QString& zeros, const TextMeasure& measure);
Label centreLabel(double width, double height, qint16 impulsZahl, const TextMeasure& measure);

// Position 0 at the top, growing clockwise, n/2 at the bottom. n must be > 0.
double markAngle(double position, double n);
MarkLines markLines(double position, double n, double diameter, QPointF centre, qint32 colour);

// Label sectors, compared as floating point; a position on a boundary
// belongs to the lower sector. 0..7 for the position label (eighths of the
// ring), 0..4 for the percent label.
int positionLabelSector(double position, double n);
int percentLabelSector(double position, double n);

// Top-left corners of the two labels for a caption of width w and height t.
QPointF positionLabelTopLeft(double position, double n, const MarkLines& lines, double w, double t);
QPointF percentLabelTopLeft(double position, double n, const MarkLines& lines, double w, double t);

// Whether a mark at this position is on the ring (1 ... impulsZahl).
bool positionOnRing(qint16 position, qint16 impulsZahl);

// One mark drawn; labels are left as in `previous` when showLabels is False.
Mark drawMark(const MarkInput& input, qint16 impulsZahl, const CircleShape& outer, QPointF centre,
              const TextMeasure& measure, const Mark& previous);
Mark hiddenMark(const Mark& previous);

// The whole redraw. `previous` is the last layout: elements that a redraw
// does not touch keep their state from it.
Layout computeLayout(const BarInput& input, const TextMeasure& measure, const Layout& previous);

} // namespace kav::controls::deviation_bar
