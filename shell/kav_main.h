#pragma once
// KAV_Main: the program's one window. Its load starts the program, its close
// request ends it, and every workflow is one of its members. The members live
// in files by topic: kav_main_layout.cpp (controls and places),
// kav_main_panels.cpp (result panels), kav_main_menus.cpp, kav_main_dispatcher.cpp,
// kav_main_startup.cpp (load, activation, close, end), kav_main_language.cpp,
// kav_main_connection.cpp, kav_main_timers.cpp (overlays and decoration timers),
// kav_main_display_controls.cpp, kav_main_measure_*.cpp (the live measurements:
// _cycle shared parts, _current, _bad_pulses, _oscillation),
// kav_main_records_device.cpp (the device's records), kav_main_records_browser.cpp
// (the file browser), kav_main_records_files.cpp (saving and opening record
// files), kav_main_printing.cpp and kav_main_admin.cpp (administrator
// commands, About).
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "program_environment.h"
#include "result_records.h"
#include "single_instance.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;

namespace kav {
class ComUSB;
namespace ft {
class FtApi;
}
namespace controls {
class ControlHost;
class HostedControl;
class MemoryPropertyBag;
} // namespace controls
struct LocalTime;
namespace records {
struct Druckseite;
struct KopfTexte;
} // namespace records
namespace measure {
class ChartBox;
class MeasureHost;
class MeasurementCycle;
enum class PollOutcome;
struct PollResult;
} // namespace measure
} // namespace kav

namespace kav::shell {

class BannerWidget;
class ConnectionDiagram;
class DriveList;
class FileList;
class FolderList;
class LogoWidget;
class ShapeWidget;

class KAV_Main : public QMainWindow {
    Q_OBJECT
public:
    enum class VerbindungsFehler { Usb, Plain, Version, Supply };

    // Builds the window with its controls; `instanz` is the single-instance
    // lock the start took (programmStarten), held as long as the window lives.
    explicit KAV_Main(ProgramEnvironment umgebung, std::unique_ptr<EinzelInstanz> instanz = nullptr,
                      QWidget* parent = nullptr);
    ~KAV_Main() override;

    // --- Start and end ---------------------------------------------------
    // The load: reads the command line and the settings and applies them. The
    // single-instance check has run before the window was built
    // (programmStarten). False when the window is loaded already (a second
    // call does nothing).
    bool Form_Load();
    // Only the first activation after the load does work.
    void Form_Activate();
    void Programmende();
    QString settingsDatei() const;

    // --- Language and window ---------------------------------------------
    void SpracheSetzen(const QString& code);
    // The shown results once more in the current language (units, notes).
    void werteNeuZeigen();
    void FensterEinrichten();
    void BannerZeichnen(int style);
    void VerbindungsInfoZeigen(bool zeigen);
    void HinweisZeigen(bool zeigen, const QString& text);

    // --- Connection -------------------------------------------------------
    void VerbindungAufbauen();
    void VerbindungBeenden();
    void VerbindungFehlerZeigen(VerbindungsFehler variante);
    // Whether the converter vanished since the last connection attempt.
    bool linkVerloren() const;

    // --- Dispatcher and handlers -------------------------------------------
    void btnAlle_Click(int index);
    void chkAlle_Click(int index);

    // --- Timer ticks --------------------------------------------------------
    void tmrBalken_Timer();
    void tmrFarben_Timer();
    void tmrDateVomG_Timer();
    void tmrDateiTyp1_Timer();
    void tmrDateiTyp2_Timer();
    void tmrDateiTyp3_Timer();

    // --- Live measurements (kav_main_measure_*.cpp) ----------------------------
    // Start: disable the page's buttons, send the start command, arm the
    // poll timer; a refused start switches continuous reading off, clears
    // txtAlle 30, 31, 38 and runs VerbindungAufbauen.
    void DateiTyp1Live();
    void DateiTyp2Live();
    void DateiTyp3Live();
    // Display procedures: show the live record of their type on its result
    // panel (or nothing, see their rules), then copy it to the saved copy.
    // The poll ticks, DateVomGAuslesen and the record file view call them
    // after filling the live record (AktuellLive, ...); frames 6 ("Daten vom
    // Gerät") and 7 ("Daten vom Computer") count as their pages too.
    void DateiTyp1Anzeigen();
    void DateiTyp2Anzeigen();
    void DateiTyp3Anzeigen();
    // Clear the page and the saved copy (called when a page is entered).
    void DateiTyp1Loeschen();
    void DateiTyp2Loeschen();
    void DateiTyp3Loeschen();
    // ocxTacho.MaxAnzahl back to 6000.
    void TachoSkalaZuruecksetzen();
    // Clears the chart box and draws the axes for MaxWert and MinWert (the
    // X range follows "/math" and DrehschwebungLive.Impulszahl); false after
    // a "Falsche Eingabe ..." message.
    bool DrehschwebungGrafik(std::int16_t Wert1, std::int16_t Wert2);
    // Axes, ticks and labels of any integer ranges in a chart box; equal
    // limits show "Falsche Eingabe Ymin oder Ymax" / "... Xmin oder Xmax"
    // and draw nothing (false).
    bool GrafikZeichnen(measure::ChartBox& Box, int Xmin, int Ymin, int Xmax, int Ymax,
                        std::optional<double> XSchritt = std::nullopt, std::optional<double> YSchritt = std::nullopt);

    // --- Stored records, files, printing and the administrator
    // (kav_main_records_*.cpp, kav_main_printing.cpp, kav_main_admin.cpp).
    void DatenVomG();
    void lstAlle_Click(int index);
    void lstAlle_DblClick(int index);
    void LaufwerkSetzen();
    // The file browser's list events (index 0 only).
    void drvAlle_Change(int index);
    void dirAlle_Change(int index);
    void fleAlle_Click(int index);
    void fleAlle_DblClick(int index);
    void fleAlle_PathChange(int index);
    void DateiOeffnen();
    // The save dialog: the chosen full file name, or "" after "Daten wurden
    // nicht gespeichert." (cancelled, or an existing file not to be replaced).
    // `mth`: the save writes the mth export, so the overwrite question is about that name.
    QString SpeicherDialog(const QString& titel, bool mth = false);
    void GeraeteDatenSpeichern(int dateiTyp, const QString& kopfText);
    void OnlineDatenSpeichern(int dateiTyp);
    void Drucken();
    // The printout of the shown result page (empty for the bad-pulse page and
    // without a result page): what Drucken sends to the printer.
    records::Druckseite druckseite() const;
    void AdminBefehl(int index);
    void InfoZeigen();
    // The field a save button tests in the saved copy of a result type
    // (1 Impulszahl, 2 AnzahlAbweichungen, 3 AnzahlMesswerte; 0 for another type).
    int gespeicherteAnzahl(int dateiTyp) const;
    // The encoder serial of the saved copy of a type (Windows-1252).
    const std::string& gespeicherterGeber(int dateiTyp) const;
    // The readout half of the status check before a stored record is read:
    // the record of type AktDateiTyp that the device holds as its current
    // result into the live record, shown on "Daten vom Gerät".
    void DateVomGAuslesen();

    // --- Results of the live measurements -------------------------------------
    // Live records: cleared by each poll tick and filled by the readouts
    // (also by DateVomGAuslesen; the record file view fills them before it
    // runs a display procedure). Saved copies: taken from the live record
    // by the display procedures once a result is shown; "Daten speichern",
    // saving a device record and printing work from these.
    measure::AktuellWerte AktuellLive;
    measure::AktuellWerte AktuellGespeichert;
    measure::SchlechtimpulsWerte SchlechtimpulsLive;
    measure::SchlechtimpulsWerte SchlechtimpulsGespeichert;
    measure::DrehschwebungWerte DrehschwebungLive;
    measure::DrehschwebungWerte DrehschwebungGespeichert;
    // The chart box picGrafik(3): its bild() is the chart as shown, and
    // kav::measure::chartBild(chartLayout(), samples(), size, font(), ...)
    // draws the same at another size (chart_image.h).
    measure::ChartBox* chartBox() const { return chartBox_; }
    // The measurement cycle (start, poll, readouts; AbfrageZaehler); null
    // before the load.
    measure::MeasurementCycle* messzyklus() const { return messzyklus_.get(); }

    // --- State --------------------------------------------------------------
    bool ErsteAktivierung = false;
    bool VerbindenBeimStart = false;
    bool Beschaeftigt = false;
    bool Verbunden = false;
    bool AdminModus = false;
    QString ProgrammPfad;
    QString GeraetSN;
    QString GeraetFW;
    int AktDateiTyp = 0;
    // The loaded record's header, one character per byte (NULs included).
    QString KopfText;
    // The raw header replies of the listed records, by list index ("" for the rest).
    std::array<std::string, 256> KopfListe{};
    // The serial number last entered in the administrator dialog.
    QString AdminEingabe;

    // --- Controls (indexes in control_indexes.h) ----------------------------
    std::array<QGroupBox*, 11> frmAlle{};
    std::array<QPushButton*, 21> btnAlle{};
    std::array<QLabel*, 59> labAlle{};
    std::array<QLineEdit*, 39> txtAlle{}; // 28, 29 and 34 stay null
    std::array<QFrame*, 4> picGrafik{};
    std::array<QCheckBox*, 2> chkAlle{};
    std::array<ShapeWidget*, 2> shpAlle{};
    std::array<QProgressBar*, 2> LiveBar{};
    QListWidget* lstAlle0 = nullptr;
    DriveList* drvAlle0 = nullptr;
    FolderList* dirAlle0 = nullptr;
    FileList* fleAlle0 = nullptr;
    BannerWidget* picOben = nullptr;
    LogoWidget* imgLogo = nullptr;
    QFrame* picLayout = nullptr;
    ConnectionDiagram* Verbindungsdiagramm = nullptr;

    // The display controls; null while their library is not installed beside
    // the program. The window talks to them only through property names.
    QWidget* ocxBadInc1 = nullptr;
    QWidget* ocxSym0 = nullptr;
    QWidget* ocxSym90 = nullptr;
    QWidget* ocxPhl = nullptr;
    QWidget* ocxTacho = nullptr;

    // --- Menus (item numbers count the separators too) ----------------------
    QMenu* mnuProgramm = nullptr;
    std::array<QAction*, 8> mnuProgrammItem{}; // 1-7
    QMenu* mnuEinst = nullptr;
    std::array<QAction*, 6> mnuEinstItem{}; // 1-5
    QMenu* mnuSprache = nullptr;
    std::array<QAction*, 3> mnuSpracheItem{}; // 1 "Deutsch", 2 "Englisch"
    QMenu* mnuAdmin = nullptr;
    std::array<QAction*, 2> mnuAdministrator{}; // 0 "WR_MaschNr", 1 "DO_FormatMem"
    QMenu* mnuHilfe = nullptr;
    std::array<QAction*, 4> mnuHilfeItem{}; // 1-3

    // --- Timers (all disabled at load) ---------------------------------------
    QTimer tmrBalken;
    QTimer tmrFarben;
    QTimer tmrDateVomG;
    QTimer tmrDateiTyp1;
    QTimer tmrDateiTyp2;
    QTimer tmrDateiTyp3;

    // The device link (created by the load).
    ComUSB* link() const { return link_.get(); }
    const ProgramEnvironment& umgebung() const { return umgebung_; }
    // Identifiers of the display controls that could not be created, with why.
    const QStringList& fehlendeAnzeigen() const { return fehlendeAnzeigen_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Layout (kav_main_layout.cpp)
    void fensterAufbauen();
    void identitaetsleisteAufbauen(QWidget* client);
    void navigationAufbauen(QWidget* client);
    void overlaysAufbauen(QWidget* client);
    QLabel* labelAnlegen(int index, QWidget* parent, const QRect& rect, bool umbruch = false);
    QLineEdit* textAnlegen(int index, QWidget* parent, const QRect& rect);
    QPushButton* buttonAnlegen(int index, QWidget* parent, const QRect& rect);
    // Result panels (kav_main_panels.cpp)
    void ergebnisseAufbauen(QWidget* client);
    void aktuellPanelAufbauen(QFrame* panel);
    void schlechtimpulsPanelAufbauen(QFrame* panel);
    void drehschwebungPanelAufbauen(QFrame* panel);
    // Menus (kav_main_menus.cpp)
    void menuesAufbauen();
    // Display controls (kav_main_display_controls.cpp)
    void anzeigenAnlegen();
    QWidget* anzeigeAnlegen(const QString& progId, QWidget* parent, const QRect& rect,
                            controls::MemoryPropertyBag& bag);
    // Timers (kav_main_timers.cpp)
    void timerEinrichten();
    // The record list and the file browser's lists (kav_main_records_device.cpp,
    // kav_main_records_browser.cpp)
    void datenlistenVerbinden();
    // Shows a folder in the file browser (drive, folder and file list); false
    // when no drive holds it or it cannot be read.
    bool ordnerZeigen(const QString& pfad);
    // "Fehler" / "beim 'Laufwerk ändern'": a drive that cannot be opened.
    void laufwerkFehler();
    // "Fehler" / "Der Ordner kann nicht geöffnet werden.": a folder that cannot be read.
    void ordnerFehler();
    // Start (kav_main_startup.cpp)
    void linkEinrichten();
    void programmPfadSetzen(const QString& pfad);
    void seiteOeffnen(const QString& name);
    QString programmOrdnerMitTrenner() const;

    // Measurements (kav_main_measure_cycle.cpp)
    void messungEinrichten();
    bool seiteSichtbar(int frame) const;
    void messungStarten(int typ);
    void startFehlgeschlagen(int chkIndex);
    measure::PollResult messTick(int typ);
    void pollAuswerten(int typ, const measure::PollResult& tick);
    static int messSeite(int typ);
    void messSeiteZeigen(int typ, bool zeigen);
    void liveAnzeigerSetzen(int shape, int chkIndex);
    void druckenNachAnzeige(int frame, int chkIndex);

    // Record files and printing (kav_main_records_files.cpp, kav_main_printing.cpp)
    LocalTime jetzt() const;
    QString speicherDialog(const QString& titel, const QString& endung, const QString& filter, bool mth = false);
    void datensatzSchreiben(int typ, const QString& datei, const records::KopfTexte& kopf, const LocalTime& zeit);

    // The two navigation states.
    void unverbundenesLayout();
    void verbindenMoeglich(bool moeglich);
    // The link's report that the converter vanished, and the window going offline after it.
    void linkVerlorenMelden();
    void linkVerlorenZeigen();
    void homeLayout();

    ProgramEnvironment umgebung_;
    std::unique_ptr<EinzelInstanz> einzelInstanz_;
    std::unique_ptr<ft::FtApi> eigenesFt_;
    std::unique_ptr<ComUSB> link_;
    // What the measurement logic calls out to (kav_main_measure_cycle.cpp).
    std::unique_ptr<measure::MeasureHost> messHost_;
    std::unique_ptr<measure::MeasurementCycle> messzyklus_;
    measure::ChartBox* chartBox_ = nullptr;
    std::unique_ptr<controls::ControlHost> controlHost_;
    std::vector<std::unique_ptr<controls::MemoryPropertyBag>> anzeigenBags_;
    QStringList fehlendeAnzeigen_;
    QActionGroup* spracheGruppe_ = nullptr;
    bool verbindungLaeuft_ = false;
    bool geladen_ = false;
};

} // namespace kav::shell
