#pragma once
// Colour values as the controls keep them: 0x00BBGGRR, or a system colour
// 0x80000000 | index that follows the widget's palette when drawing.
#include <QColor>
#include <QtGlobal>

class QPalette;

namespace kav::controls {

inline constexpr qint32 kSysColorFlag = static_cast<qint32>(0x80000000u);

constexpr qint32 systemColor(int index) { return kSysColorFlag | index; }

// Indexes of the system colours used by the controls' defaults.
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorButtonFace = 15;
inline constexpr int kColorButtonText = 18;

constexpr bool isSystemColor(qint32 value) { return (static_cast<quint32>(value) & 0xFF000000u) == 0x80000000u; }

// Plain colours use the low three bytes (so -1 reads as white); system
// colours are looked up in the palette.
QColor toQColor(qint32 value, const QPalette& palette);

// The 0x00BBGGRR value of a plain colour.
qint32 fromQColor(const QColor& color);

} // namespace kav::controls
