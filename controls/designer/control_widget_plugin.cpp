#include "control_widget_plugin.h"

#include <QLabel>

namespace kav::controls::designer {

ControlWidgetPlugin::ControlWidgetPlugin(ControlDescription description, QObject* parent)
    : QObject(parent), d_(std::move(description)) {}

QWidget* ControlWidgetPlugin::createWidget(QWidget* parent) {
    error_.clear();
    if (QWidget* w = createDesignControl(d_, parent, &error_))
        return w;
    // Designer needs a widget in any case: say what is missing instead.
    qWarning("%s", qPrintable(error_));
    auto* placeholder = new QLabel(error_, parent);
    placeholder->setWordWrap(true);
    return placeholder;
}

QString ControlWidgetPlugin::domXml() const {
    const QString objectName = d_.className.mid(d_.className.lastIndexOf(QLatin1Char(':')) + 1);
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(d_.className, objectName)
        .arg(d_.width)
        .arg(d_.height);
}

} // namespace kav::controls::designer
