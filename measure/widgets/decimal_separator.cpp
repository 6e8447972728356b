#include "decimal_separator.h"

#include <QLocale>

namespace kav::measure {

std::string systemDezimalTrenner() { return QLocale::system().decimalPoint().toStdString(); }

} // namespace kav::measure
