#pragma once
// MainView: the window's controls, menus and decoration timers, built once
// with their places and captions. It draws and nothing more: what a click
// means is the controllers' business, what is shown comes from the session.
// Its files: main_view_layout.cpp (controls and places), main_view_panels.cpp
// (result panels), main_view_menus.cpp, main_view_display_controls.cpp,
// main_view_overlays.cpp (the two overlay panels and their animation) and
// main_view_language.cpp (captions in a language).
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QRect;
class QWidget;

namespace kav {
namespace controls {
class ControlHost;
class MemoryPropertyBag;
} // namespace controls
namespace measure {
class ChartBox;
}
} // namespace kav

namespace kav::shell {

class BannerWidget;
class ConnectionDiagram;
class DriveList;
class FileList;
class FolderList;
class LogoWidget;
class ShapeWidget;

class MainView {
public:
    // Builds every control into `fenster`; the display controls come from
    // the libraries in `controlOrdner` (registered there first when
    // `registrieren`).
    MainView(QMainWindow& fenster, const QString& controlOrdner, bool registrieren);
    ~MainView();
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;

    QMainWindow& fenster() const { return fenster_; }

    // Captions of every control and menu in the language (tags through SprachText).
    void beschriftungenSetzen(const QString& code);
    // The two overlay panels: the connection panel and the wait panel.
    void VerbindungsInfoZeigen(bool zeigen);
    void HinweisZeigen(bool zeigen, const QString& text);
    void tmrBalken_Timer();
    void tmrFarben_Timer();
    // A frame's own Visible: the window itself need not be on the screen.
    bool seiteSichtbar(int frame) const;
    void zeigen(int frame, bool sichtbar);
    // Identifiers of the display controls that could not be created, with why.
    const QStringList& fehlendeAnzeigen() const { return fehlendeAnzeigen_; }
    measure::ChartBox* chartBox() const { return chartBox_; }

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
    // the program. They are spoken to only through property names.
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

    // --- Decoration timers ---------------------------------------------------
    QTimer tmrBalken;
    QTimer tmrFarben;

private:
    void fensterAufbauen();
    void identitaetsleisteAufbauen(QWidget* client);
    void navigationAufbauen(QWidget* client);
    void overlaysAufbauen(QWidget* client);
    QLabel* labelAnlegen(int index, QWidget* parent, const QRect& rect, bool umbruch = false);
    QLineEdit* textAnlegen(int index, QWidget* parent, const QRect& rect);
    QPushButton* buttonAnlegen(int index, QWidget* parent, const QRect& rect);
    void ergebnisseAufbauen(QWidget* client);
    void aktuellPanelAufbauen(QFrame* panel);
    void schlechtimpulsPanelAufbauen(QFrame* panel);
    void drehschwebungPanelAufbauen(QFrame* panel);
    void menuesAufbauen();
    void anzeigenAnlegen();
    QWidget* anzeigeAnlegen(const QString& progId, QWidget* parent, const QRect& rect,
                            controls::MemoryPropertyBag& bag);
    void timerEinrichten();

    QMainWindow& fenster_;
    QString controlOrdner_;
    bool registrieren_ = false;
    measure::ChartBox* chartBox_ = nullptr;
    std::unique_ptr<controls::ControlHost> controlHost_;
    std::vector<std::unique_ptr<controls::MemoryPropertyBag>> anzeigenBags_;
    QStringList fehlendeAnzeigen_;
    QActionGroup* spracheGruppe_ = nullptr;
};

} // namespace kav::shell
