#include "trend_controller.h"

#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>

#include "clock.h"
#include "control_indexes.h"
#include "decimal_separator.h"
#include "dialogs.h"
#include "language.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "own_texts.h"
#include "session.h"
#include "session_adapter.h"
#include "trend_window.h"

namespace kav::shell {

namespace {
measure::Translator uebersetzer() {
    return [](const std::string& deutsch) { return SprachText(QString::fromStdString(deutsch)).toStdString(); };
}
constexpr int kAbstand = 8;
constexpr int kHoehe = 28;
} // namespace

TrendController::TrendController(Fensterteile& t) : t_(t) {
    // Below the page's panel, in the free part of the navigation column.
    QGroupBox* panel = t_.v.frmAlle[static_cast<std::size_t>(idx::frmAktuell)];
    knopf_ = new QPushButton(panel->parentWidget());
    knopf_->setObjectName(QStringLiteral("btnVerlauf"));
    knopf_->hide();
    connect(knopf_, &QPushButton::clicked, this, [this] { oeffnen(); });
    connect(&t_.adapter, &SessionAdapter::seiteGeaendert, this, [this] { seiteGewechselt(); });
    connect(t_.messung, &MeasurementController::ergebnisAngezeigt, this, [this](int typ) { ergebnis(typ); });
    spracheSetzen();
    seiteGewechselt();
}

TrendController::~TrendController() { delete fenster_.data(); }

measure::TrendWindow* TrendController::fenster() const { return fenster_.data(); }

double TrendController::sekundenSeitStart() const {
    const auto jetzt = t_.umgebung.clock ? t_.umgebung.clock->now() : std::chrono::steady_clock::now();
    return std::chrono::duration<double>(jetzt - start_).count();
}

void TrendController::seiteGewechselt() {
    const bool jetzt = t_.session.seite() == session::Seite::Aktuell;
    if (jetzt && !aufSeite_) {
        // A new run: a new trend from its first reading.
        start_ = t_.umgebung.clock ? t_.umgebung.clock->now() : std::chrono::steady_clock::now();
        if (fenster_)
            fenster_->leeren();
    }
    aufSeite_ = jetzt;
    if (jetzt) {
        const QRect panel = t_.v.frmAlle[static_cast<std::size_t>(idx::frmAktuell)]->geometry();
        knopf_->setGeometry(panel.x(), panel.bottom() + 1 + kAbstand, panel.width(), kHoehe);
        knopf_->raise();
    }
    knopf_->setVisible(jetzt);
}

void TrendController::ergebnis(int typ) {
    if (typ != 1 || !aufSeite_ || !fenster_)
        return;
    fenster_->messungHinzufuegen(sekundenSeitStart(), t_.session.aktuell().gespeichert);
}

void TrendController::oeffnen() {
    if (!fenster_) {
        fenster_ = new measure::TrendWindow(uebersetzer(), measure::systemDezimalTrenner(), &t_.v.fenster());
        fenster_->setAttribute(Qt::WA_DeleteOnClose);
        fenster_->setGrenzen(grenzen_);
        fenster_->setDateiWahl([](const QString& vorschlag, const QString& filter) {
            Dialoge::SpeichernOptionen o;
            o.titel = SprachText(QStringLiteral("Verlauf der aktuellen Werte"));
            o.standardErweiterung = QStringLiteral(".csv");
            o.dateiname = vorschlag;
            o.filter = filter;
            const QString datei = dialoge().speichernUnter(o);
            return datei == vorschlag ? QString() : datei; // unchanged: cancelled
        });
        fenster_->setMeldung([](const QString& text) { dialoge().meldung(text); });
    }
    fenster_->show();
    fenster_->raise();
    fenster_->activateWindow();
}

void TrendController::setGrenzen(const std::array<measure::TrendGrenze, measure::kTrendReihen>& grenzen) {
    grenzen_ = grenzen;
    if (fenster_)
        fenster_->setGrenzen(grenzen_);
}

void TrendController::spracheSetzen() {
    knopf_->setText(eigenerText("Verlauf"));
    knopf_->setToolTip(eigenerText("Verlauf der aktuellen Werte anzeigen"));
    if (fenster_)
        fenster_->setTranslator(uebersetzer());
}

} // namespace kav::shell
