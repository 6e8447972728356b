#pragma once
// Small helpers the window's measurement files share (measurement_panels.cpp, records_*.cpp).
#include <QString>
#include <QVariant>
#include <QWidget>
#include <string>

#include "measure_host.h"

namespace kav::shell::messung {

// SprachText for the measurement logic's UTF-8 texts.
measure::Translator uebersetzer();
// The system locale's decimal separator, as the pages show numbers.
std::string trenner();

inline QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// A display control's property by name; a control whose library is missing
// is skipped.
inline void setzen(QWidget* anzeige, const char* name, const QVariant& wert) {
    if (anzeige)
        anzeige->setProperty(name, wert);
}
inline QVariant kurz(int wert) { return QVariant::fromValue(static_cast<qint16>(wert)); }

} // namespace kav::shell::messung
