#include "system_colour.h"

namespace kav::controls::deviation_bar {

namespace {

QColor systemColour(quint32 index, const QPalette& pal)
{
    switch (index) {
    case 0:  return pal.color(QPalette::Mid);             // scroll bar
    case 1:  return pal.color(QPalette::Dark);            // desktop
    case 2:  return pal.color(QPalette::Highlight);       // active caption
    case 3:  return pal.color(QPalette::Mid);             // inactive caption
    case 4:  return pal.color(QPalette::Window);          // menu
    case 5:  return pal.color(QPalette::Base);            // window
    case 6:  return pal.color(QPalette::Shadow);          // window frame
    case 7:  return pal.color(QPalette::WindowText);      // menu text
    case 8:  return pal.color(QPalette::Text);            // window text
    case 9:  return pal.color(QPalette::HighlightedText); // caption text
    case 10: return pal.color(QPalette::Window);          // active border
    case 11: return pal.color(QPalette::Window);          // inactive border
    case 12: return pal.color(QPalette::Dark);            // application workspace
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);          // button face
    case 16: return pal.color(QPalette::Dark);            // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Disabled, QPalette::WindowText); // inactive caption text
    case 20: return pal.color(QPalette::Light);           // button highlight
    case 21: return pal.color(QPalette::Shadow);          // 3D dark shadow
    case 22: return pal.color(QPalette::Midlight);        // 3D light
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(QPalette::WindowText);
    }
}

} // namespace

QColor resolveColour(qint32 value, const QPalette& palette)
{
    const auto v = static_cast<quint32>(value);
    if (v & 0x80000000u)
        return systemColour(v & 0xFFu, palette);
    return QColor(int(v & 0xFFu), int((v >> 8) & 0xFFu), int((v >> 16) & 0xFFu));
}

} // namespace kav::controls::deviation_bar
