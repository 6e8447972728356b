#include "dialogs.h"

#include "language.h"

namespace kav::shell {

Dialoge::AboutInhalt aboutInhalt(const QString& programmTitel, const QString& version) {
    Dialoge::AboutInhalt inhalt;
    inhalt.fensterTitel = SprachText(QStringLiteral("Info über")) + u' ' + programmTitel;
    inhalt.titel = programmTitel;
    inhalt.version = SprachText(QStringLiteral("Version")) + u' ' + version;
    const QString nl = QStringLiteral("\n");
    inhalt.beschreibung = SprachText(QStringLiteral("Support: Software")) + nl + nl +
                          SprachText(QStringLiteral("Ihr Software-Team")) + nl +
                          SprachText(QStringLiteral("Telefon: 01234 / 56789-0")) + nl + nl +
                          SprachText(QStringLiteral("Zeiten von Montag bis Freitag")) + nl +
                          SprachText(QStringLiteral("8:00 - 12:00 Uhr und 13:00 - 16:00 Uhr"));
    return inhalt;
}

} // namespace kav::shell
