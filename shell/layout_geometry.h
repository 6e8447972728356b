#pragma once
// Where everything sits on the main window. The window's own places are kept
// in twips (15 per pixel), the unit its fixed layout is given in, and the
// inner layout of the panels in pixels. Plain functions, so
// tests check the geometry without painting anything.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace kav::shell {

inline constexpr int kTwipsProPixel = 15;

constexpr int twipsZuPixel(int twips) { return twips / kTwipsProPixel; }
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsZuPixel(left), twipsZuPixel(top), twipsZuPixel(width), twipsZuPixel(height));
}

// The window and its fixed areas (client area below the menu bar).
inline constexpr int kFensterBreiteTwips = 15360;
inline constexpr int kFensterHoeheTwips = 11520;
inline constexpr QSize kFensterGroesse(1024, 768);
inline constexpr QRect kBannerRect = twipsRect(0, 0, 15240, 1290);
inline constexpr QRect kIdentitaetRect = twipsRect(0, 1290, 15240, 495);
inline constexpr int kNavigationLinks = twipsZuPixel(120);
inline constexpr int kNavigationOben = twipsZuPixel(1800);
inline constexpr int kNavigationBreite = twipsZuPixel(2895);
inline constexpr QRect kErgebnisRect = twipsRect(3120, 1800, 12015, 8870);
inline constexpr int kOverlayBreiteTwips = 8775;
inline constexpr int kOverlayHoeheTwips = 6375;

// Left and top of a window centred on a screen, or of an overlay centred on the window.
constexpr QPoint zentriert(QSize aussen, QSize innen) {
    return QPoint((aussen.width() - innen.width()) / 2, (aussen.height() - innen.height()) / 2);
}
// The window's top left corner on a screen whose available area (without
// task bars) is `verfuegbar`: centred there, but never beyond its top or left
// edge, so the title bar and the menu stay reachable when the window (its
// frame included) is larger than the area.
QPoint fensterPlatz(const QRect& verfuegbar, const QSize& fenster);
// The overlays (frames 8 and 10): centred on the window, in twips, as pixels.
QRect overlayRect();

// The logo's place in the banner: its left edge 500 twips short of the window's right edge.
QRect logoRect(int fensterBreiteTwips);

// Frames of the navigation column.
QRect navigationFrameRect(int frameIndex);

// The result area's picture boxes (0, 1, 2 fill the area; 3 is the chart box inside 0).
QRect ergebnisRect(int pictureIndex);

} // namespace kav::shell
