#include "device_header.h"

#include "number_text.h"
#include "typed_values.h"

namespace kav::records {

namespace {

std::string zweistellig(int v) { return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v); }

int code(char c) { return static_cast<unsigned char>(c); }

// Bytes 27-32 of a header: seconds, minutes, hours, day, month, year - 2000, binary.
LocalTime zeitAus(const std::string& b) {
    LocalTime t;
    t.second = code(b[27]);
    t.minute = code(b[28]);
    t.hour = code(b[29]);
    t.day = code(b[30]);
    t.month = code(b[31]);
    t.year = 2000 + code(b[32]);
    return t;
}

} // namespace

std::optional<Datensatzkopf> datensatzkopfLesen(const std::string& rohHex) {
    if (rohHex.size() < 2 * kDatensatzkopfBytes)
        return std::nullopt;
    std::string b;
    b.reserve(kDatensatzkopfBytes);
    for (std::size_t i = 0; i < kDatensatzkopfBytes; ++i) {
        const auto byte = detail::hexPairValue(rohHex[2 * i], rohHex[2 * i + 1]);
        if (!byte)
            return std::nullopt;
        b += static_cast<char>(*byte);
    }
    Datensatzkopf k;
    k.name = b.substr(0, 10);
    k.geberSN = b.substr(11, 8);
    k.geraetSN = b.substr(20, 6);
    k.zeit = zeitAus(b);
    k.typ = code(b[33]);
    return k;
}

std::string listenZeile(const std::string& rohHex) { return COM_WertLesen(rohHex.substr(0, 20), "S").toText(); }

std::string datumText(const LocalTime& t) {
    return zweistellig(t.day) + "." + zweistellig(t.month) + "." + std::to_string(t.year) + " - " +
           zweistellig(t.hour) + ":" + zweistellig(t.minute) + ":" + zweistellig(t.second);
}

std::string getrimmt(const std::string& text) {
    const auto a = text.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    return text.substr(a, text.find_last_not_of(' ') - a + 1);
}

std::optional<GeraeteKopf> kopfTextTexte(const std::string& k) {
    if (k.size() < kDatensatzkopfBytes)
        return std::nullopt;
    GeraeteKopf g;
    const std::string name = k.substr(0, 10);
    g.texte.name = name.substr(0, name.find('\0'));
    g.texte.geraetSN = k.substr(20, 6);
    g.texte.geberSN = k.substr(11, 8);
    g.zeit = zeitAus(k);
    return g;
}

} // namespace kav::records
