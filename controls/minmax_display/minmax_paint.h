#pragma once
// How the parts of the min/max value display look (the child elements'
// appearance), and the drawing of a computed layout.
#include <QFont>
#include <QtGlobal>

#include "minmax_geometry.h"

class QPainter;
class QPalette;

namespace kav::controls::minmax {

struct Style {
    qint32 backColor = static_cast<qint32>(0x8000000Fu); // the control
    // lblWert
    QFont font;
    qint16 wertStyle = 1;  // 0 transparent, 1 opaque
    qint16 wertBorder = 1; // 0 none, 1 single
    qint32 fontColor = static_cast<qint32>(0x80000008u);
    qint32 wertBackColor = 0xFFFFFF; // set by every redraw from WertColor or UfFarbe
    // the four arrow lines
    qint32 pfeileColor = 255;
    qint16 pfeileWidth = 2;
    // linWert, linZero
    qint32 wertGrColor = -1;
    qint16 wertGrWidth = 3;
    qint32 zeroColor = 0;
    qint16 zeroWidth = 1;
    // shpHintergrund
    qint32 hintBackColor = 0xC0C0C0;
    qint32 hintBorderColor = 0;
    qint32 hintFillColor = 0;
    qint16 hintBackStyle = 1; // 0 transparent, 1 opaque
    qint16 hintFillStyle = 5; // 0 solid, 1 transparent, 2-7 hatches
    // shpGBereich
    qint32 gberBackColor = 0xC000;
    qint32 gberBorderColor = 0;
};

// Draws the control's background and every visible part, in pixels of the
// target (15 twips per pixel).
void paintLayout(QPainter& painter, const Layout& layout, const Style& style, const QPalette& palette, int widthPixels,
                 int heightPixels);

} // namespace kav::controls::minmax
