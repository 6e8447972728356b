#include "save_names.h"

#include "record_file.h"

namespace kav::records {

namespace {
std::string zweistellig(int v) { return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v); }
} // namespace

std::string standardDateiname(const LocalTime& t) {
    return std::to_string(t.year) + "." + zweistellig(t.month) + "." + zweistellig(t.day) + "-" + zweistellig(t.hour) +
           "." + zweistellig(t.minute) + "." + zweistellig(t.second);
}

std::string onlineDatensatzname(const std::string& dateiname) {
    const auto trenner = dateiname.find_last_of("/\\");
    std::string name = trenner == std::string::npos ? dateiname : dateiname.substr(trenner + 1);
    name.resize(name.size() >= 4 ? name.size() - 4 : 0);
    return rechtsbuendig(name, 10);
}

} // namespace kav::records
