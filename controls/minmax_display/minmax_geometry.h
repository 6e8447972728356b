#pragma once
// Where the parts of the min/max value display go, in twips of the control's
// client area. Plain functions, so the layout can be checked without a widget.
#include <QString>

namespace kav::controls::minmax {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kArrowLength = 120; // twips from the bar's end to the arrow's tail

struct Rect {
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Line {
    bool visible = false;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const Line&) const = default;
};

// What the redraw works from: the control's size and the kept properties.
struct Input {
    int width = 0;  // twips
    int height = 0; // twips
    float iMin = -1.0f;
    float iMax = 1.0f;
    float iOMin = -0.5f;
    float iOMax = 0.5f;
    float iValue = 0.0f;
    int minHeight = 255;
    int minWidth = 540;
    int txtGroesse = 600;
    int minTxtGroesse = 240;
    int wertGrafikAbst = 135;
    bool wertVisible = true;
    bool ufZeigen = true;
};

struct Layout {
    // The control's size after the smallest height and width were enforced.
    int width = 0;
    int height = 0;
    // The value box was narrower than allowed or did not fit: iTxtGroesse has
    // to fall back to MinTxtGroesse before the layout below holds.
    bool resetTxtGroesse = false;
    int boxWidth = 0;
    // False when iMax equals iMin: no scale, so nothing is placed on the bar.
    bool scaled = false;
    double scale = 0; // k, twips per unit

    Rect shpHintergrund; // the bar
    Rect shpGBereich;    // the good range
    Rect lblWert;        // the value box
    Line linWert;
    Line linZero;
    Line linLinksOben;
    Line linLinksUnten;
    Line linRechtsOben;
    Line linRechtsUnten;

    bool boxWarning = false; // value box in the warning colour
    QString text;            // the value box's text
};

// The redraw's placement of every part for the given size and properties.
Layout computeLayout(const Input& in);

// The value as the value box shows it: up to seven significant digits in the
// shortest form ("0.25", "-56", "1.5", "1E-05", "1.234568E+07").
QString valueText(float value);

// Int(): rounds toward minus infinity, kept inside the int range.
int floorToInt(double value);

// Twips to pixels of the widget, and back.
int toPixels(int twips);
int toTwips(int pixels);

} // namespace kav::controls::minmax
