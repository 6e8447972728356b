#include "ole_color.h"

#include <QPalette>

namespace kav::controls {

namespace {

// The system colour indexes of the window system, mapped onto palette roles.
QColor systemColorFor(int index, const QPalette& p) {
    switch (index) {
    case 0: return p.color(QPalette::Mid);             // scroll bar
    case 1: return p.color(QPalette::Dark);            // desktop
    case 2: return p.color(QPalette::Highlight);       // active caption
    case 3: return p.color(QPalette::Mid);             // inactive caption
    case 4: return p.color(QPalette::Window);          // menu
    case 5: return p.color(QPalette::Base);            // window
    case 6: return p.color(QPalette::Shadow);          // window frame
    case 7: return p.color(QPalette::WindowText);      // menu text
    case 8: return p.color(QPalette::Text);            // window text
    case 9: return p.color(QPalette::HighlightedText); // caption text
    case 10:
    case 11: return p.color(QPalette::Button); // borders
    case 12: return p.color(QPalette::Dark);   // application workspace
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);                   // button face
    case 16: return p.color(QPalette::Dark);                     // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Disabled, QPalette::WindowText); // inactive caption text
    case 20: return p.color(QPalette::Light);                          // button highlight
    case 21: return p.color(QPalette::Shadow);                         // 3D dark shadow
    case 22: return p.color(QPalette::Midlight);                       // 3D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(qint32 value, const QPalette& palette) {
    const auto bits = static_cast<quint32>(value);
    if (isSystemColor(value))
        return systemColorFor(static_cast<int>(bits & 0xFFFFu), palette);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

qint32 fromQColor(const QColor& color) {
    return static_cast<qint32>(static_cast<quint32>(color.red()) | (static_cast<quint32>(color.green()) << 8) |
                               (static_cast<quint32>(color.blue()) << 16));
}

} // namespace kav::controls
