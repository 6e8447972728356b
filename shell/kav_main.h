#pragma once
// KAV_Main: the program's one window. Its load starts the program, its close
// request ends it, and every workflow is one of its members. The members live
// in files by topic: kav_main_layout.cpp (controls and places),
// kav_main_panels.cpp (result panels), kav_main_menus.cpp, kav_main_dispatcher.cpp,
// kav_main_startup.cpp (load, activation, close, end), kav_main_language.cpp,
// kav_main_connection.cpp, kav_main_timers.cpp (overlays and decoration timers),
// kav_main_display_controls.cpp and kav_main_workflows.cpp.
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>

#include "program_environment.h"
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
    void FensterEinrichten();
    void BannerZeichnen(int style);
    void VerbindungsInfoZeigen(bool zeigen);
    void HinweisZeigen(bool zeigen, const QString& text);

    // --- Connection -------------------------------------------------------
    void VerbindungAufbauen();
    void VerbindungBeenden();
    void VerbindungFehlerZeigen(VerbindungsFehler variante);

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

    // --- Workflows of the measurements, the stored records, printing and the
    // administrator; they are filled in kav_main_workflows.cpp as they are
    // built and do nothing until then.
    void DateiTyp1Live();
    void DateiTyp2Live();
    void DateiTyp3Live();
    void DateiTyp1Loeschen();
    void DateiTyp2Loeschen();
    void DateiTyp3Loeschen();
    void DatenVomG();
    void LaufwerkSetzen();
    void DateiOeffnen();
    void GeraeteDatenSpeichern(int dateiTyp, const QString& kopfText);
    void OnlineDatenSpeichern(int dateiTyp);
    void Drucken();
    void AdminBefehl(int index);
    void InfoZeigen();
    // The field a save button tests in the saved copy of a result type
    // (1 Impulszahl, 2 AnzahlAbweichungen, 3 AnzahlMesswerte).
    int gespeicherteAnzahl(int dateiTyp) const;
    // The readout half of the status check before a stored record is read.
    void DateVomGAuslesen();

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
    QString KopfText;

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
    // Start (kav_main_startup.cpp)
    void linkEinrichten();
    void programmPfadSetzen(const QString& pfad);
    QString programmOrdnerMitTrenner() const;

    // The two navigation states.
    void unverbundenesLayout();
    void verbindenMoeglich(bool moeglich);
    void homeLayout();
    QString rdInfoLesen(int wertNummer);

    ProgramEnvironment umgebung_;
    std::unique_ptr<EinzelInstanz> einzelInstanz_;
    std::unique_ptr<ft::FtApi> eigenesFt_;
    std::unique_ptr<ComUSB> link_;
    std::unique_ptr<controls::ControlHost> controlHost_;
    std::vector<std::unique_ptr<controls::MemoryPropertyBag>> anzeigenBags_;
    QStringList fehlendeAnzeigen_;
    QActionGroup* spracheGruppe_ = nullptr;
    bool verbindungLaeuft_ = false;
    bool geladen_ = false;
};

} // namespace kav::shell
