#pragma once
// Colour values as the host stores them: 0x00BBGGRR, or 0x80000000 plus the
// index of a system colour, which follows the current palette.
#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace kav::controls::deviation_bar {

QColor resolveColour(qint32 value, const QPalette& palette);

} // namespace kav::controls::deviation_bar
