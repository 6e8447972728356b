#pragma once
// One control in Designer's widget box.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "control_descriptions.h"

namespace kav::controls::designer {

class ControlWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlWidgetPlugin(ControlDescription description, QObject* parent);

    QString name() const override { return d_.className; }
    QString group() const override { return QStringLiteral("KavStudio display controls"); }
    QString toolTip() const override { return d_.toolTip; }
    QString whatsThis() const override { return d_.toolTip + QStringLiteral(" (") + d_.progId + QLatin1Char(')'); }
    QString includeFile() const override { return d_.includeFile; }
    QIcon icon() const override { return {}; }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }
    QString domXml() const override;

    QString lastError() const { return error_; }

private:
    ControlDescription d_;
    bool initialized_ = false;
    QString error_;
};

} // namespace kav::controls::designer
