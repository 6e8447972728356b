#pragma once
// Geometry of the dial gauge, in twips of the control's client area (15 twips
// per pixel). Plain functions without widgets: the control paints exactly what
// they compute, and tests call them directly.
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace kav::controls::tacho {

inline constexpr int kTwipsPerPixel = 15;
// Margin and offset unit of the drawing (one pixel at the usual resolution).
inline constexpr int kUnit = 15;
inline constexpr int kLargestMax = 31999;

// Rounds the way an assignment to a 16-bit integer does: halves to even.
int roundToInteger(double value);

// Font size, bold flag and line width (pixels) for a control of the given size.
struct FontChoice {
    int size = 8;
    bool bold = false;
    int lineWidth = 1;
};
FontChoice SchriftGroesse(double widthTwips, double heightTwips);

// Centre, radius and tick units shared by both drawing layers.
struct DialFrame {
    int width = 0;
    int height = 0;
    int cx = 0;
    int cy = 0;
    int r = 0;
    int t1 = 0;
    int t2 = 0;
    int t3 = 0;
    int labelRadius = 0; // r - 15 * t1
};
DialFrame dialFrame(int widthTwips, int heightTwips);

// Point at a mathematical angle (counter-clockwise from the right, degrees).
QPointF pointAtMathAngle(const DialFrame& frame, double degrees, double radius);
// Point at a screen angle (clockwise from the right, degrees; screen y grows downward).
QPointF pointAtScreenAngle(const DialFrame& frame, double degrees, double radius);

struct Line {
    QPointF from;
    QPointF to;
};

struct Tick {
    double angle = 0; // mathematical degrees
    int length = 0;   // twips
    Line line;        // from radius r inward
};

// How a number label hangs on its point P at the label radius.
enum class LabelAnchor {
    LeftBottom,  // "0": left edge 15 right of P, bottom on P
    RightBottom, // full scale: right edge 30 left of P, bottom on P
    LeftMiddle,  // left half: left edge 15 left of P, centred vertically
    RightMiddle, // right half: right edge 15 left of P, centred vertically
    CentreTop,   // top: centred horizontally, top on P
};

struct ScaleLabel {
    double angle = 0; // mathematical degrees
    int twelfths = 0; // share of full scale in twelfths
    QString text;
    LabelAnchor anchor = LabelAnchor::LeftBottom;
    QPointF point; // P
    QRectF rect;   // where the text goes (twips)
};

// Width and height (twips) of a text in Arial of the given size and weight.
using TextMeasure = std::function<QSizeF(const QString& text, int pointSize, bool bold)>;

// The static layer: arc, 13 ticks and 7 number labels.
struct ScaleLayout {
    DialFrame frame;
    FontChoice font;
    QRectF arcRect;                 // circle of radius r around the centre
    double arcStart = 315;          // mathematical degrees
    double arcSpan = 270;           // counter-clockwise, leaving the bottom quarter open
    std::vector<Tick> ticks;        // from 225 degrees down to -45 degrees
    std::vector<ScaleLabel> labels; // 0, 2/12, 4/12, 6/12, 8/12, 10/12, full scale
};

// Label text for twelfths/12 of the full scale: the integer part only.
QString scaleLabelText(int maxAnzahl, int twelfths);
// A full scale below 1 would leave the pointer angle undefined; 1 stands in.
int usableMax(int maxAnzahl);

ScaleLayout scaleLayout(int widthTwips, int heightTwips, int maxAnzahl, const TextMeasure& measure);

// Screen angle (clockwise from the right) of a value: 135 degrees at 0, 405 at full scale.
double pointerAngle(int value, int maxAnzahl);

// The dynamic layer: value digits, pointer, drag mark, caption.
struct PointerLayout {
    DialFrame frame;
    FontChoice font;
    int valueFontSize = 14; // font size + 6, bold
    QString valueText;
    QRectF valueRect;
    Line pointer;         // centre to the label radius
    int pointerWidth = 2; // pixels
    bool dragMarkVisible = false;
    Line dragMark; // radius r to the label radius
    int dragMarkWidth = 2;
    QString caption;
    QRectF captionRect;
};

// maxReached is the drag-mark value after the layer's own update (see nextMaxReached).
PointerLayout pointerLayout(int widthTwips, int heightTwips, int value, int maxAnzahl, int maxReached,
                            const QString& caption, const TextMeasure& measure);

// The drag mark follows the highest value drawn.
qint16 nextMaxReached(qint16 maxReached, qint16 value);

} // namespace kav::controls::tacho
