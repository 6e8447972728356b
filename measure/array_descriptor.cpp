#include "array_descriptor.h"

namespace kav::measure {

namespace {
// The decimal number at 1-based positions [von, bis]; -1 when a character is not a digit.
int digits(const std::string& text, std::size_t von, std::size_t bis) {
    int n = 0;
    for (std::size_t i = von - 1; i < bis; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}
} // namespace

ArrayDescriptor arrayDescriptor(const std::string& text) {
    if (text.size() < 14)
        return {};
    const int nummer = digits(text, 1, 3);
    const int anzahl = digits(text, 7, 10);
    const int block = digits(text, 12, 14);
    if (nummer < 0 || anzahl < 0 || block < 0)
        return {};
    return {nummer, text.substr(4, 1), anzahl, block};
}

} // namespace kav::measure
