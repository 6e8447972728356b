// The window's construction, the wiring of its pieces, and the entry points
// that hand each workflow to its controller.
#include "kav_main.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>

#include "archive_controller.h"
#include "com_usb.h"
#include "connection_controller.h"
#include "device_worker.h"
#include "dialogs.h"
#include "globals.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "navigation.h"
#include "printout.h"
#include "records_controller.h"
#include "session.h"
#include "session_adapter.h"
#include "verdict_controller.h"
#include "trend_controller.h"
#include "window_parts.h"

namespace kav::shell {

namespace {
QString controlOrdner(const ProgramEnvironment& u) { return u.controlFolder.isEmpty() ? u.folder : u.controlFolder; }
} // namespace

KAV_Main::KAV_Main(ProgramEnvironment umgebung, std::unique_ptr<EinzelInstanz> instanz, QWidget* parent)
    : QMainWindow(parent), umgebung_(std::move(umgebung)), einzelInstanz_(std::move(instanz)),
      view_(std::make_unique<MainView>(*this, controlOrdner(umgebung_), umgebung_.registerControls)),
      session_(std::make_unique<session::Session>()) {}

KAV_Main::~KAV_Main() {
    geraetearbeitBeenden();
    // The controllers go before the view they draw on.
    pruefung_.reset();
    archiv_.reset();
    trend_.reset();
    navigation_.reset();
    daten_.reset();
    messung_.reset();
    verbindung_.reset();
    adapter_.reset();
}

void KAV_Main::geraetearbeitBeenden() {
    if (!worker_)
        return;
    worker_->allesAbbrechen();
    worker_->shutdown();
}

// The controls' events to the controllers, and the one place where the
// session's enabled state of "Drucken" reaches its menu item.
void KAV_Main::verdrahten() {
    MainView& v = *view_;
    for (int i = 0; i < static_cast<int>(v.btnAlle.size()); ++i)
        connect(v.btnAlle[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { btnAlle_Click(i); });
    for (int i = 0; i < static_cast<int>(v.chkAlle.size()); ++i)
        connect(v.chkAlle[static_cast<std::size_t>(i)], &QCheckBox::toggled, this, [this, i] { chkAlle_Click(i); });
    // Re-applied on every change of the session, not only when the rule's
    // outcome flips, so the item always shows what the session says.
    const auto drucken = [this] { view_->mnuProgrammItem[4]->setEnabled(session_->druckenAktiv()); };
    connect(adapter_.get(), &SessionAdapter::messungGeaendert, this, drucken);
    connect(adapter_.get(), &SessionAdapter::verbindungGeaendert, this, drucken);
    connect(adapter_.get(), &SessionAdapter::seiteGeaendert, this, drucken);
    drucken();

    connect(v.mnuProgrammItem[1], &QAction::triggered, this, [this] { VerbindungAufbauen(); });
    connect(v.mnuProgrammItem[2], &QAction::triggered, this, [this] { VerbindungBeenden(); });
    connect(v.mnuProgrammItem[4], &QAction::triggered, this, [this] {
        if (session_->druckenErlaubt())
            Drucken();
    });
    connect(v.mnuProgrammItem[7], &QAction::triggered, this, [this] { close(); });
    connect(v.mnuEinstItem[1], &QAction::triggered, this, [this](bool an) { VerbindenBeimStart = an; });
    connect(v.mnuEinstItem[2], &QAction::triggered, this, [](bool an) { global().FehlerSpeichern = an; });
    connect(v.mnuSpracheItem[1], &QAction::triggered, this, [this] {
        if (global().Sprache == QLatin1String("E"))
            SpracheSetzen(QStringLiteral("D"));
    });
    connect(v.mnuSpracheItem[2], &QAction::triggered, this, [this] {
        if (global().Sprache == QLatin1String("D"))
            SpracheSetzen(QStringLiteral("E"));
    });
    connect(v.mnuAdministrator[0], &QAction::triggered, this, [this] { AdminBefehl(0); });
    connect(v.mnuAdministrator[1], &QAction::triggered, this, [this] { AdminBefehl(1); });
    connect(v.mnuHilfeItem[3], &QAction::triggered, this, [this] { InfoZeigen(); });
}

void KAV_Main::VerbindungAufbauen() {
    if (verbindung_)
        verbindung_->VerbindungAufbauen();
}
void KAV_Main::VerbindungBeenden() {
    if (verbindung_)
        verbindung_->VerbindungBeenden();
}
void KAV_Main::btnAlle_Click(int index) {
    if (navigation_)
        navigation_->klick(index);
}
void KAV_Main::chkAlle_Click(int index) {
    if (messung_)
        messung_->dauerlesenGeklickt(index);
}
void KAV_Main::lstAlle_DblClick(int index) {
    if (daten_ && index == 0)
        daten_->lstAlle_DblClick();
}
void KAV_Main::DateiOeffnen() {
    if (daten_)
        daten_->DateiOeffnen();
}
void KAV_Main::Drucken() {
    if (daten_)
        daten_->Drucken();
}
records::Druckseite KAV_Main::druckseite() const { return daten_ ? daten_->druckseite() : records::Druckseite{}; }
void KAV_Main::AdminBefehl(int index) {
    if (daten_)
        daten_->AdminBefehl(index);
}
void KAV_Main::InfoZeigen() {
    if (daten_)
        daten_->InfoZeigen(settingsDatei());
}
void KAV_Main::tmrDateiTyp1_Timer() {
    if (messung_)
        messung_->tick(1);
}
void KAV_Main::tmrDateiTyp2_Timer() {
    if (messung_)
        messung_->tick(2);
}
void KAV_Main::tmrDateiTyp3_Timer() {
    if (messung_)
        messung_->tick(3);
}
void KAV_Main::tmrDateVomG_Timer() {
    if (daten_)
        daten_->tmrDateVomG_Timer();
}
bool KAV_Main::linkVerloren() const { return verbindung_ && verbindung_->linkVerloren(); }
const QStringList& KAV_Main::fehlendeAnzeigen() const { return view_->fehlendeAnzeigen(); }

} // namespace kav::shell
