#include "controls_collection.h"

#include "control_widget_plugin.h"

namespace kav::controls::designer {

ControlsCollection::ControlsCollection(QObject* parent) : QObject(parent) {
    for (const ControlDescription& d : controlDescriptions())
        widgets_.append(new ControlWidgetPlugin(d, this));
}

} // namespace kav::controls::designer
