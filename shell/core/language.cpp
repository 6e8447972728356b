#include "language.h"

#include "globals.h"
#include "language_table.h"
#include "logs.h"

#include <iterator>
#include <utility>
#include <vector>

namespace kav::shell {

namespace {

const std::vector<std::pair<QString, QString>>& tabelle() {
    static const std::vector<std::pair<QString, QString>> t = [] {
        int anzahl = 0;
        const texts::SprachPaar* paare = texts::englischTabelle(&anzahl);
        std::vector<std::pair<QString, QString>> v;
        v.reserve(static_cast<std::size_t>(anzahl));
        for (int i = 0; i < anzahl; ++i)
            v.emplace_back(QString::fromUtf8(paare[i].deutsch), QString::fromUtf8(paare[i].englisch));
        return v;
    }();
    return t;
}

} // namespace

QString SprachText(const QString& deutsch) {
    if (deutsch.isEmpty())
        return {};
    const Global& g = global();
    if (g.Sprache == QLatin1StringView("D"))
        return deutsch;
    // Any code other than "D" counts as English: a hand-edited settings file
    // must not leave the window without captions.
    for (const auto& [de, en] : tabelle())
        if (de == deutsch)
            return en;
    if (g.SpracheAn)
        LogSchreiben(QStringLiteral("(De): \"") + deutsch + QStringLiteral("\" - (En): \"\""));
    return deutsch;
}

} // namespace kav::shell
