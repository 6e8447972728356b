#include "vb_colors.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace kav::shell {

void setForeColor(QWidget* widget, std::uint32_t bgr) {
    if (!widget)
        return;
    QPalette p = widget->palette();
    const QColor c = qtFarbe(bgr);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::WindowText, c);
    widget->setPalette(p);
    widget->setProperty("ForeColor", QVariant::fromValue<quint32>(bgr));
}

std::uint32_t foreColor(const QWidget* widget) {
    if (!widget)
        return 0;
    const QVariant v = widget->property("ForeColor");
    if (v.isValid())
        return v.value<quint32>();
    const QColor c = widget->palette().color(QPalette::Text);
    return rgbWert(c.red(), c.green(), c.blue());
}

} // namespace kav::shell
