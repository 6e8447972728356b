#pragma once
// Every modal interaction of the program goes through this interface: the Qt
// implementation shows real windows, tests install a recording fake, so no
// test ever blocks on a window.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kav::shell {

class Dialoge {
public:
    enum class Symbol { Keins = 0, Stopp = 16, Frage = 32, Ausrufezeichen = 48, Information = 64 };
    // JaNeinVorgabeNein: as JaNein, with "Nein" the default button (a question
    // whose "Ja" cannot be undone).
    enum class Knoepfe { Ok, JaNein, JaNeinVorgabeNein };
    enum class Antwort { Ok, Ja, Nein };

    struct SpeichernOptionen {
        QString titel;
        QString standardErweiterung; // ".kav"
        QString dateiname;           // the default name shown
        QString filter;              // "KAV Datei (*.kav)|*.kav"
        int flags = 0;
    };

    struct AboutInhalt {
        QString fensterTitel;
        QString titel;
        QString version;
        QString beschreibung;
    };

    virtual ~Dialoge() = default;
    // An empty title means the program's title (the default title of a message box).
    virtual Antwort meldung(const QString& text, const QString& titel = {}, Knoepfe knoepfe = Knoepfe::Ok,
                            Symbol symbol = Symbol::Keins) = 0;
    // The chosen full file name; on cancel the file name passed in, unchanged.
    virtual QString speichernUnter(const SpeichernOptionen& optionen) = 0;
    // The administrator dialog: the typed text (not trimmed) after "OK", "" after
    // "Abbrechen". `vorher` is the previous input; the Qt dialog treats closing
    // by other means (close box, Escape) as "Abbrechen" and returns "", so an
    // old serial number is never sent without the user's "OK".
    virtual QString adminDialog(const QString& vorher) = 0;
    virtual void about(const AboutInhalt& inhalt) = 0;
    // A folder to write into: the chosen folder, "" on cancel. A fake that
    // does not say otherwise cancels.
    virtual QString ordnerWaehlen(const QString& titel, const QString& vorgabe) {
        (void)titel;
        (void)vorgabe;
        return {};
    }
    // An existing file to read (`filter` as in SpeichernOptionen): "" on cancel.
    virtual QString dateiWaehlen(const QString& titel, const QString& filter) {
        (void)titel;
        (void)filter;
        return {};
    }
};

// The dialogs in use; tests replace them with setDialoge.
Dialoge& dialoge();
void setDialoge(Dialoge* d); // nullptr: back to the Qt implementation
void setDialogParent(QWidget* parent);

// The About window's content in the current language: caption "Info über"
// and the title, "Version" and the version text, the block saying what the
// program is, where it is described, its licence and, when given, the
// settings file and the logs' folder.
Dialoge::AboutInhalt aboutInhalt(const QString& programmTitel, const QString& version,
                                 const QString& einstellungsDatei = {}, const QString& protokollOrdner = {});

// A filter of the common dialog ("KAV Datei (*.kav)|*.kav": description and
// pattern pairs separated by "|") in Qt's syntax ("KAV Datei (*.kav)").
QString qtDateiFilter(const QString& filter);

} // namespace kav::shell
