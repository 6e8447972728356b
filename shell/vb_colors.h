#pragma once
// Colours travel as Windows colour values 0x00BBGGRR, as the workflows and
// the display controls exchange them; these helpers turn them into Qt colours
// and keep the value on the widget so it can be read back exactly.
#include <QColor>
#include <cstdint>

class QWidget;

namespace kav::shell {

inline constexpr std::uint32_t kFarbeCyan = 0xFFFF00;
inline constexpr std::uint32_t kFarbeBlau = 0xFF0000;
inline constexpr std::uint32_t kFarbeRot = 0x0000FF;
inline constexpr std::uint32_t kFarbeGrau = 0x808080;
inline constexpr std::uint32_t kFarbeHellgrau = 0xD0D0D0;
inline constexpr std::uint32_t kFarbeSchwarz = 0x000000;

constexpr std::uint32_t rgbWert(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<std::uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}

inline QColor qtFarbe(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Text colour of a label or text box; kept as the property "ForeColor".
void setForeColor(QWidget* widget, std::uint32_t bgr);
std::uint32_t foreColor(const QWidget* widget);

} // namespace kav::shell
