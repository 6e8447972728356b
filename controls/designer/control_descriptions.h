#pragma once
// The controls the plugin offers and where their code lives.
#include <QString>

#include <vector>

class QWidget;

namespace kav::controls::designer {

struct ControlDescription {
    QString progId;      // "Valtrix.ocxMinMaxWert"
    QString libraryName; // "Valtrix"
    QString className;   // the widget's meta-object class name
    QString includeFile;
    QString toolTip;
    int width = 0; // size of a newly placed control, pixels
    int height = 0;
};

const std::vector<ControlDescription>& controlDescriptions();

// A new control of the given description in design mode, or nullptr with a
// reason when its library cannot be found or does not serve it.
QWidget* createDesignControl(const ControlDescription& description, QWidget* parent, QString* error);

} // namespace kav::controls::designer
