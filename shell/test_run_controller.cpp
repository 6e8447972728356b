#include "test_run_controller.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

#include "com_usb.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "globals.h"
#include "ini_profile.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "navigation.h"
#include "protocol.h"
#include "session.h"
#include "session_adapter.h"
#include "single_measurement.h"
#include "verdict_controller.h"
#include "verdict_texts.h"

namespace kav::shell {

namespace {

const QString kEigeneSektion = QStringLiteral("KavStudio");
const QString kOrdnerSchluessel = QStringLiteral("TestRunFolder");

constexpr PText kSchrittNamen[] = {PText::SchrittAktuell, PText::SchrittSchlecht, PText::SchrittDreh};
constexpr PText kAnweisungen[] = {PText::AnweisungAktuell, PText::AnweisungSchlecht, PText::AnweisungDreh};

std::string sprache() { return global().Sprache == QLatin1String("D") ? "D" : "E"; }
QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

std::filesystem::path pfad(const QString& s) {
    const std::u16string u = s.toStdU16String();
    return std::filesystem::path(u);
}
QString pfadText(const std::filesystem::path& p) { return QString::fromStdU16String(p.u16string()); }

// The steps' outcomes, handed to the test run once all of them are back.
class Wiedergabe final : public verdict::StepRunner {
public:
    explicit Wiedergabe(const std::array<verdict::StepOutcome, verdict::kStepCount>& s) : s_(s) {}
    verdict::StepOutcome run(verdict::Step step) override { return s_[static_cast<std::size_t>(step)]; }

private:
    const std::array<verdict::StepOutcome, verdict::kStepCount>& s_;
};

// The run's time is the first step's, not the hour of the judging.
class FesteZeit final : public Clock {
public:
    explicit FesteZeit(LocalTime t) : t_(t) {}
    time_point now() const override { return std::chrono::steady_clock::now(); }
    void sleepFor(duration) override {}
    LocalTime localTime() const override { return t_; }

private:
    LocalTime t_;
};

} // namespace

TestRunController::TestRunController(Fensterteile& t, VerdictController& urteil, QString settingsDatei)
    : t_(t), urteil_(urteil), settingsDatei_(std::move(settingsDatei)) {}

TestRunController::~TestRunController() = default;

void TestRunController::fensterAufbauen() {
    if (fenster_)
        return;
    // A tool window of its own: the main window stays usable while it is open.
    fenster_ = std::make_unique<QWidget>(&t_.v.fenster(), Qt::Tool);
    fenster_->setObjectName(QStringLiteral("Pruefauf"));
    fenster_->setMinimumWidth(460);
    auto* layout = new QVBoxLayout(fenster_.get());
    fortschritt_ = new QLabel(fenster_.get());
    ergebnisText_ = new QLabel(fenster_.get());
    ergebnisText_->setTextFormat(Qt::PlainText);
    ergebnisText_->setWordWrap(true);
    knopf_ = new QPushButton(fenster_.get());
    layout->addWidget(fortschritt_);
    layout->addWidget(ergebnisText_);
    layout->addWidget(knopf_, 0, Qt::AlignRight);
    connect(knopf_, &QPushButton::clicked, this, [this] {
        if (laeuft_)
            abbrechen();
        else
            fenster_->hide();
    });
}

void TestRunController::starten() {
    if (laeuft_)
        return;
    if (!urteil_.profil()) {
        dialoge().meldung(ptext(PText::KeinProfilGewaehlt));
        return;
    }
    if (!t_.session.verbunden()) {
        dialoge().meldung(ptext(PText::NichtVerbunden));
        return;
    }
    const QString vorgabe = INILesen(settingsDatei_, kEigeneSektion, kOrdnerSchluessel, QString());
    const QString ordner = dialoge().ordnerWaehlen(ptext(PText::OrdnerWaehlen), vorgabe);
    if (ordner.isEmpty())
        return;
    INISchreiben(settingsDatei_, kEigeneSektion, kOrdnerSchluessel, ordner);
    // A measurement page's own readings would run between the steps: leave it
    // (its back button cancels them).
    constexpr int zurueck[] = {0, idx::btnAktuellZurueck, idx::btnSchlechtZurueck, idx::btnDrehZurueck};
    if (const int typ = session::messTyp(t_.session.seite()); typ != 0)
        t_.navigation->klick(zurueck[typ]);
    ordner_ = pfad(ordner);
    schritte_ = {};
    ergebnis_.reset();
    abbruch_ = false;
    laeuft_ = true;

    fensterAufbauen();
    fenster_->setWindowTitle(ptext(PText::Pruefauf).remove(QStringLiteral(" …")) + QStringLiteral(" - ") +
                             q(urteil_.profil()->name));
    ergebnisText_->clear();
    knopf_->setText(ptext(PText::Abbrechen));
    fenster_->show();
    schrittPosten(0);
}

void TestRunController::abbrechen() {
    if (!laeuft_)
        return;
    abbruch_ = true;
    if (job_)
        t_.adapter.worker().abbrechen(*job_);
}

void TestRunController::schrittPosten(int i) {
    fortschritt_->setText(ptext(PText::Schritt)
                              .arg(i + 1)
                              .arg(verdict::kStepCount)
                              .arg(ptext(kSchrittNamen[static_cast<std::size_t>(i)])));
    // Texts are taken here: the job runs on the worker.
    const QString anweisung = ptext(kAnweisungen[static_cast<std::size_t>(i)]);
    const QString titel = fenster_->windowTitle();
    const std::string fehlgeschlagen = ptext(PText::MessungFehlgeschlagen).toStdString();
    const std::string verloren = ptext(PText::VerbindungVerloren).toStdString();
    job_ = t_.adapter.posten<Schritt>(
        [this, i, anweisung, titel, fehlgeschlagen, verloren](ComUSB& link, const session::AbbruchToken&) {
            Schritt s;
            s.zeit = link.clock().localTime();
            // The operator's instruction, in its place before the step's transactions.
            t_.adapter.aufUiWarten([anweisung, titel] {
                dialoge().meldung(anweisung, titel, Dialoge::Knoepfe::Ok, Dialoge::Symbol::Information);
            });
            if (abbruch_) {
                s.outcome.cancelled = true;
                return s;
            }
            // A cycle of its own: the pages' cycle is held while its page is not shown.
            measure::MeasurementCycle zyklus(link, t_.messung->host());
            const measure::Einzelmessung e = measure::einmalMessen(zyklus, link, i + 1);
            s.outcome.encoderSerial = e.geber;
            switch (e.ende) {
            case measure::Einzelmessung::Ende::Ergebnis: s.outcome.record = e.ergebnis; break;
            case measure::Einzelmessung::Ende::LinkVerloren: s.outcome.failure = verloren; break;
            case measure::Einzelmessung::Ende::Fehlgeschlagen: s.outcome.failure = fehlgeschlagen; break;
            }
            return s;
        },
        [this, i](session::JobErgebnis<Schritt> r) { schrittFertig(i, std::move(r)); });
}

void TestRunController::schrittFertig(int i, session::JobErgebnis<Schritt> r) {
    job_.reset();
    verdict::StepOutcome& o = schritte_[static_cast<std::size_t>(i)];
    if (r.status == session::JobStatus::Fertig && r.wert) {
        o = std::move(r.wert->outcome);
        if (i == 0)
            start_ = r.wert->zeit;
    } else if (r.status == session::JobStatus::Fehler) {
        o.failure = r.fehlerText();
    } else {
        o.cancelled = true;
    }
    if (abbruch_)
        o.cancelled = true;
    const bool weiter = !o.cancelled && !std::holds_alternative<std::monostate>(o.record);
    if (weiter && i + 1 < verdict::kStepCount)
        schrittPosten(i + 1);
    else
        auswerten();
}

void TestRunController::auswerten() {
    Wiedergabe wiedergabe(schritte_);
    FesteZeit zeit(start_);
    verdict::TestRun lauf(*urteil_.profil(), wiedergabe, zeit);
    const session::Identitaet& id = t_.session.identitaet();
    const verdict::RunIdentity identitaet{t_.session.geberSeriennummer(), id.seriennummerText(), id.firmwareText()};
    verdict::RunCallbacks cb;
    const std::string s = sprache();
    const QString software = t_.v.txtAlle[idx::txtSoftwareVersion]->text();
    cb.writeProtocol = [s, software](const verdict::RunReport& report, const std::filesystem::path& datei) {
        return verdict::writeProtocolPdf(datei, verdict::ProtocolData{report, software}, s);
    };
    ergebnis_ = lauf.run(identitaet, ordner_, cb);
    laeuft_ = false;

    // The verdict with the three results, or why there is none.
    const verdict::RunOutcome& e = *ergebnis_;
    QStringList zeilen;
    switch (e.result) {
    case verdict::RunResult::Cancelled: zeilen << ptext(PText::Abgebrochen); break;
    case verdict::RunResult::Error: {
        const int n = static_cast<int>(e.failedStep.value_or(verdict::Step::CurrentValues));
        zeilen << ptext(PText::Fehler).arg(n + 1).arg(ptext(kSchrittNamen[n]), q(e.failure));
        break;
    }
    default:
        zeilen << ptext(PText::Einheit).arg(QString::fromLatin1(verdict::runResultName(e.result)));
        for (int n = 0; n < verdict::kStepCount; ++n) {
            const verdict::Verdict& v = e.report.verdicts[static_cast<std::size_t>(n)];
            zeilen << ptext(kSchrittNamen[n]) + QStringLiteral(": ") +
                          QString::fromLatin1(verdict::outcomeName(v.result));
            for (const std::string& z : verdict::checkLines(v, s))
                zeilen << QStringLiteral("    ") + q(z);
        }
        zeilen << (e.writeError.empty() ? ptext(PText::Gespeichert).arg(pfadText(e.folder))
                                        : ptext(PText::NichtGespeichert).arg(q(e.writeError)));
        break;
    }
    fortschritt_->setText(ptext(PText::Ergebnis).arg(QString::fromLatin1(verdict::runResultName(e.result))));
    ergebnisText_->setText(zeilen.join(u'\n'));
    knopf_->setText(ptext(PText::Schliessen));
    fenster_->adjustSize();
    emit beendet();
}

} // namespace kav::shell
