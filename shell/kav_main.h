#pragma once
// KAV_Main: the program's one window. Its load starts the program, its close
// request ends it. It owns the pieces and wires them; the work is theirs:
// - MainView (main_view.h): the controls, menus and decoration timers;
// - session::Session (session/): connection, identity, page, results, and the
//   enabled states of "Drucken" and "Daten speichern";
// - session::DeviceWorker: the one thread that owns the link and runs every
//   device job; SessionAdapter brings its completions to the UI thread;
// - the controllers: ConnectionController, MeasurementController,
//   RecordsController, Navigation (the button array's actions).
// The members below keep the names under which the workflows are known; each
// hands over to its controller. Files: kav_main.cpp (construction, wiring,
// entry points), kav_main_startup.cpp (load, activation, close, end),
// kav_main_window.cpp (size, place, banner, language).
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "program_environment.h"
#include "single_instance.h"

namespace kav {
class ComUSB;
namespace ft {
class FtApi;
}
namespace records {
struct Druckseite;
}
namespace session {
class DeviceWorker;
class Session;
} // namespace session
namespace test {
struct FensterZugang;
}
} // namespace kav

namespace kav::shell {

class ArchiveController;
class ConnectionController;
class MainView;
class MeasurementController;
class Navigation;
class RecordsController;
class SessionAdapter;
class VerdictController;
class TrendController;
struct Fensterteile;

class KAV_Main : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window with its controls; `instanz` is the single-instance
    // lock the start took (programmStarten), held as long as the window lives.
    explicit KAV_Main(ProgramEnvironment umgebung, std::unique_ptr<EinzelInstanz> instanz = nullptr,
                      QWidget* parent = nullptr);
    ~KAV_Main() override;

    // --- Start and end ---------------------------------------------------
    // The load: reads the command line and the settings and applies them.
    // False when the window is loaded already (a second call does nothing).
    bool Form_Load();
    // Only the first activation after the load does work.
    void Form_Activate();
    void Programmende();
    QString settingsDatei() const;

    // --- Language and window ---------------------------------------------
    void SpracheSetzen(const QString& code);
    void FensterEinrichten();
    void BannerZeichnen(int style);

    // --- Entry points of the workflows ---------------------------------------
    void VerbindungAufbauen();
    void VerbindungBeenden();
    void btnAlle_Click(int index);
    void chkAlle_Click(int index);
    void lstAlle_DblClick(int index);
    void DateiOeffnen();
    void Drucken();
    // The printout of the shown result page (empty for the bad-pulse page and
    // without a result page): what Drucken sends to the printer.
    records::Druckseite druckseite() const;
    void AdminBefehl(int index);
    void InfoZeigen();
    // The poll ticks and the status check before a stored record is read.
    void tmrDateiTyp1_Timer();
    void tmrDateiTyp2_Timer();
    void tmrDateiTyp3_Timer();
    void tmrDateVomG_Timer();

    // --- What the window knows -----------------------------------------------
    const session::Session& session() const { return *session_; }
    // The session's signals and the device jobs' completions (UI thread).
    SessionAdapter& adapter() const { return *adapter_; }
    // Whether the converter vanished since the last connection attempt.
    bool linkVerloren() const;
    const ProgramEnvironment& umgebung() const { return umgebung_; }
    // Identifiers of the display controls that could not be created, with why.
    const QStringList& fehlendeAnzeigen() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend struct kav::test::FensterZugang;

    void linkEinrichten();
    void verdrahten();
    void seiteOeffnen(const QString& name);
    QString programmOrdnerMitTrenner() const;
    // Ends the device work: the running job at its next transaction
    // boundary, the queue dropped, the link closed.
    void geraetearbeitBeenden();

    ProgramEnvironment umgebung_;
    std::unique_ptr<EinzelInstanz> einzelInstanz_;
    std::unique_ptr<ft::FtApi> eigenesFt_;
    std::unique_ptr<MainView> view_;
    std::unique_ptr<session::Session> session_;
    std::unique_ptr<ComUSB> link_;
    std::unique_ptr<session::DeviceWorker> worker_;
    std::unique_ptr<SessionAdapter> adapter_;
    std::unique_ptr<Fensterteile> teile_;
    std::unique_ptr<ConnectionController> verbindung_;
    std::unique_ptr<MeasurementController> messung_;
    std::unique_ptr<RecordsController> daten_;
    std::unique_ptr<Navigation> navigation_;
    std::unique_ptr<VerdictController> pruefung_; // profiles, verdicts, the test run
    std::unique_ptr<ArchiveController> archiv_;
    std::unique_ptr<TrendController> trend_;

    bool ErsteAktivierung = false;
    bool VerbindenBeimStart = false;
    bool AdminModus = false;
    bool geladen_ = false;
};

} // namespace kav::shell
