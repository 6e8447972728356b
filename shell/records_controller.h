#pragma once
// Stored records: the device's record memory (list, load, the status check
// before a record is read), the file browser, saving and opening record
// files, printing, and the administrator commands. Device work runs as jobs
// on the device worker.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "device_worker.h"
#include "window_parts.h"

namespace kav {
struct LocalTime;
namespace test {
struct FensterZugang;
}
namespace records {
struct Druckseite;
struct KopfTexte;
struct Meldung;
struct LogZeile;
struct Ladung;
} // namespace records
} // namespace kav

namespace kav::shell {

class RecordsController : public QObject {
    Q_OBJECT
    friend struct kav::test::FensterZugang;

public:
    explicit RecordsController(Fensterteile& t);

    // --- The device's memory (records_device.cpp) ---------------------------
    void DatenVomG();
    void lstAlle_Click();
    void lstAlle_DblClick();
    // The status check before a stored record is read, then its readout.
    void tmrDateVomG_Timer();
    QTimer& statusTimer() { return tmrDateVomG_; }
    void statusPruefungStoppen();
    // Leaving "Daten vom Gerät" drops the listing or readout that runs.
    void geraetSeiteVerlassen();

    // --- The file browser (records_browser.cpp) -----------------------------
    void LaufwerkSetzen();
    // Shows a folder in the file browser; false when no drive holds it or it cannot be read.
    bool ordnerZeigen(const QString& pfad);
    void programmPfadSetzen(const QString& pfad, const QString& ersatz);
    const QString& programmPfad() const { return ProgrammPfad; }

    // --- Record files (records_files.cpp) ----------------------------------
    // The save dialog: the chosen full file name, or "" after "Daten wurden
    // nicht gespeichert." (cancelled, or an existing file not to be replaced).
    QString SpeicherDialog(const QString& titel, bool mth = false);
    void GeraeteDatenSpeichern(int dateiTyp);
    void OnlineDatenSpeichern(int dateiTyp);
    void DateiOeffnen();
    // What DateiOeffnen does with the file's bytes once read: the header
    // panel, the type's page and its display (also for an archived record).
    void inhaltZeigen(const std::string& inhalt);

    // --- Printing and the administrator (records_printing.cpp, records_admin.cpp)
    records::Druckseite druckseite() const;
    void Drucken();
    // What "Drucken" adds to the page it built (the verdict, when one is shown).
    std::function<void(records::Druckseite&)> druckZusatz;
    void AdminBefehl(int index);
    void InfoZeigen(const QString& settingsDatei);

    // The identity shown before a page of stored records was opened; it
    // comes back when the page is left.
    QString GeraetSN;
    QString GeraetFW;
    int aktDateiTyp() const { return AktDateiTyp; }

signals:
    // The saved copy of a type was written to a record file (`datei`, the
    // mth export under "/math").
    void datensatzGespeichert(int typ, const QString& datei);
    // DateiOeffnen read a file (before it is shown).
    void dateiGelesen(const QByteArray& inhalt);

public:
    const QString& kopfText() const { return KopfText; }
    const std::array<std::string, 256>& kopfListe() const { return KopfListe; }
    const QString& adminEingabe() const { return AdminEingabe; }

private:
    void datenlistenVerbinden();
    void laufwerkFehler();
    void ordnerFehler();
    void drvAlle_Change();
    void dirAlle_Change();
    void fleAlle_Click();
    void fleAlle_PathChange();
    LocalTime jetzt() const;
    QString speicherDialog(const QString& titel, const QString& endung, const QString& filter, bool mth = false);
    void datensatzSchreiben(int typ, const QString& datei, const records::KopfTexte& kopf, const LocalTime& zeit);
    void geladen(const records::Ladung& l);
    struct Auslesung;
    void auslesungZeigen(Auslesung& a, bool seiteDa);

    Fensterteile& t_;
    QTimer tmrDateVomG_;
    int AktDateiTyp = 0;
    // The loaded record's header, one character per byte (NULs included).
    QString KopfText;
    // The raw header replies of the listed records, by list index ("" for the rest).
    std::array<std::string, 256> KopfListe{};
    QString ProgrammPfad;
    // The serial number last entered in the administrator dialog.
    QString AdminEingabe;
    std::optional<session::JobNummer> geraeteJob_;
};

} // namespace kav::shell
