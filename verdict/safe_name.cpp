#include "safe_name.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kav::verdict {

namespace {
bool refused(unsigned char c) {
    return c < 0x20 || c >= 0x7F || std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

// Windows opens these as devices whatever extension follows.
bool deviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
    static constexpr std::array<std::string_view, 4> kPlain{"CON", "PRN", "AUX", "NUL"};
    if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end())
        return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}
} // namespace

std::string safeFileName(std::string_view text, std::string_view fallback) {
    std::string name;
    name.reserve(text.size());
    for (unsigned char c : text)
        name += refused(c) ? '_' : static_cast<char>(c);
    const auto first = name.find_first_not_of(" .");
    if (first == std::string::npos)
        return std::string(fallback);
    name = name.substr(first, name.find_last_not_of(" .") - first + 1);
    if (deviceName(name))
        name.insert(name.begin(), '_');
    return name;
}

} // namespace kav::verdict
