#include "dialogs.h"

#include "language.h"

namespace kav::shell {

Dialoge::AboutInhalt aboutInhalt(const QString& programmTitel, const QString& version, const QString& einstellungsDatei,
                                 const QString& protokollOrdner) {
    Dialoge::AboutInhalt inhalt;
    inhalt.fensterTitel = SprachText(QStringLiteral("Info über")) + u' ' + programmTitel;
    inhalt.titel = programmTitel;
    inhalt.version = SprachText(QStringLiteral("Version")) + u' ' + version;
    // Only what is true of this copy: no contact data that nobody answers.
    const QString nl = QStringLiteral("\n");
    inhalt.beschreibung = SprachText(QStringLiteral("Programm für das Prüfgerät KAV100")) + nl + nl +
                          SprachText(QStringLiteral("Beschreibung und Anleitung: README.md des Projekts")) + nl +
                          SprachText(QStringLiteral("Lizenz: proprietär, alle Rechte vorbehalten"));
    if (!einstellungsDatei.isEmpty())
        inhalt.beschreibung += nl + nl + SprachText(QStringLiteral("Einstellungen:")) + nl + einstellungsDatei;
    if (!protokollOrdner.isEmpty())
        inhalt.beschreibung += nl + SprachText(QStringLiteral("Protokolle:")) + nl + protokollOrdner;
    return inhalt;
}

} // namespace kav::shell
