#include "profile_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "atomic_file.h"
#include "dialogs.h"
#include "globals.h"
#include "profile.h"
#include "profile_store.h"
#include "record_texts.h"
#include "safe_name.h"
#include "verdict_controller.h"
#include "verdict_texts.h"

namespace kav::shell {

namespace {

std::string sprache() { return global().Sprache == QLatin1String("D") ? "D" : "E"; }
QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::filesystem::path pfad(const QString& s) { return std::filesystem::path(s.toStdU16String()); }

const QString kJsonFilter = QStringLiteral("JSON (*.json)|*.json");

// What a new profile starts with: every key, so none has to be looked up.
verdict::Profile vorlage(const QString& name) {
    verdict::Profile p;
    p.name = name.toStdString();
    using verdict::Limit;
    p[Limit::Pulses] = verdict::Range{1024, 1024};
    p[Limit::SpeedRpm] = verdict::Range{100, 6000};
    p[Limit::SupplyVoltageV] = verdict::Range{4.75, 5.25};
    p[Limit::CurrentMaMax] = verdict::Range{std::nullopt, 150};
    p[Limit::Symmetry0Pct] = verdict::Range{-5, 5};
    p[Limit::Symmetry90Pct] = verdict::Range{-5, 5};
    p[Limit::PhasePct] = verdict::Range{-5, 5};
    p[Limit::TrackErrorAllowed] = verdict::Range{std::nullopt, 0};
    p[Limit::BadPulsesMax] = verdict::Range{std::nullopt, 0};
    p[Limit::BadPulseDeviationPctMax] = verdict::Range{std::nullopt, 10};
    p[Limit::OscillationPpArcsecMax] = verdict::Range{std::nullopt, 300};
    return p;
}

} // namespace

ProfileDialog::ProfileDialog(VerdictController& urteil, QWidget* parent)
    : QWidget(parent, Qt::Window), urteil_(urteil) {
    setObjectName(QStringLiteral("Profileditor"));
    resize(640, 420);
    liste_ = new QListWidget(this);
    liste_->setMaximumWidth(200);
    text_ = new QPlainTextEdit(this);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    neu_ = new QPushButton(this);
    kopieren_ = new QPushButton(this);
    speichern_ = new QPushButton(this);
    loeschen_ = new QPushButton(this);
    importieren_ = new QPushButton(this);
    exportieren_ = new QPushButton(this);
    schliessen_ = new QPushButton(this);

    auto* oben = new QHBoxLayout;
    oben->addWidget(liste_);
    oben->addWidget(text_, 1);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {neu_, kopieren_, speichern_, loeschen_, importieren_, exportieren_})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen_);
    auto* ganz = new QVBoxLayout(this);
    ganz->addLayout(oben, 1);
    ganz->addLayout(knoepfe);

    connect(liste_, &QListWidget::currentRowChanged, this, [this] { gewaehlt(); });
    connect(neu_, &QPushButton::clicked, this, [this] { neu(); });
    connect(kopieren_, &QPushButton::clicked, this, [this] { kopieren(); });
    connect(speichern_, &QPushButton::clicked, this, [this] { speichern(); });
    connect(loeschen_, &QPushButton::clicked, this, [this] { loeschen(); });
    connect(importieren_, &QPushButton::clicked, this, [this] { importieren(); });
    connect(exportieren_, &QPushButton::clicked, this, [this] { exportieren(); });
    connect(schliessen_, &QPushButton::clicked, this, [this] { hide(); });
}

void ProfileDialog::beschriften() {
    setWindowTitle(ptext(PText::EditorTitel));
    neu_->setText(ptext(PText::Neu));
    kopieren_->setText(ptext(PText::Kopieren));
    speichern_->setText(ptext(PText::Speichern));
    loeschen_->setText(ptext(PText::Loeschen));
    importieren_->setText(ptext(PText::Importieren));
    exportieren_->setText(ptext(PText::Exportieren));
    schliessen_->setText(ptext(PText::Schliessen));
}

void ProfileDialog::zeigen() {
    beschriften();
    auflisten(gewaehlterName());
    show();
    raise();
}

void ProfileDialog::auflisten(const QString& waehlen) {
    liste_->clear();
    for (const verdict::StoredProfile& p : urteil_.ablage().list())
        liste_->addItem(q(p.name));
    const auto treffer = liste_->findItems(waehlen, Qt::MatchExactly);
    if (!treffer.isEmpty())
        liste_->setCurrentItem(treffer.first());
    else if (liste_->count() > 0)
        liste_->setCurrentRow(0);
    else
        text_->clear();
}

QString ProfileDialog::gewaehlterName() const {
    return liste_->currentItem() ? liste_->currentItem()->text() : QString();
}

void ProfileDialog::gewaehlt() {
    const QString name = gewaehlterName();
    if (name.isEmpty())
        return;
    const verdict::ProfileStore ablage = urteil_.ablage();
    const records::DateiGelesen datei = records::dateiLesen(ablage.pathOf(name.toStdString()));
    // The file as it is, also one that is refused: it is here to be mended.
    text_->setPlainText(q(datei.inhalt));
}

void ProfileDialog::neu() {
    liste_->setCurrentRow(-1);
    text_->setPlainText(q(verdict::profileText(vorlage(ptext(PText::NeuerName)))));
}

void ProfileDialog::kopieren() {
    const verdict::ProfileResult r = verdict::parseProfile(text_->toPlainText().toStdString(), "");
    if (!r.ok())
        return;
    verdict::Profile p = *r.profile;
    p.name = ptext(PText::KopieVon).arg(q(p.name)).toStdString();
    liste_->setCurrentRow(-1);
    text_->setPlainText(q(verdict::profileText(p)));
}

bool ProfileDialog::speichern() {
    const verdict::ProfileStore ablage = urteil_.ablage();
    const verdict::ProfileResult r = verdict::parseProfile(text_->toPlainText().toStdString(), "");
    if (!r.ok()) {
        verdict::ProfileError e = r.error;
        e.file = gewaehlterName().isEmpty() ? std::string("-") : gewaehlterName().toStdString() + ".json";
        dialoge().meldung(q(verdict::profileErrorText(e, sprache())), windowTitle(), Dialoge::Knoepfe::Ok,
                          Dialoge::Symbol::Ausrufezeichen);
        return false;
    }
    if (const records::DateiFehler f = ablage.save(*r.profile); f != records::DateiFehler::Keiner) {
        dialoge().meldung(q(records::speicherFehlerMeldung(f, sprache()).text), windowTitle(), Dialoge::Knoepfe::Ok,
                          Dialoge::Symbol::Stopp);
        return false;
    }
    auflisten(q(verdict::safeFileName(r.profile->name, "profile")));
    emit geaendert();
    return true;
}

void ProfileDialog::loeschen() {
    const QString name = gewaehlterName();
    if (name.isEmpty())
        return;
    if (dialoge().meldung(ptext(PText::LoeschenFrage).arg(name), windowTitle(), Dialoge::Knoepfe::JaNeinVorgabeNein,
                          Dialoge::Symbol::Frage) != Dialoge::Antwort::Ja)
        return;
    urteil_.ablage().remove(name.toStdString());
    auflisten(QString());
    emit geaendert();
}

bool ProfileDialog::importieren() {
    const QString datei = dialoge().dateiWaehlen(ptext(PText::Importieren).remove(QStringLiteral(" …")), kJsonFilter);
    if (datei.isEmpty())
        return false;
    const verdict::ProfileResult r = urteil_.ablage().load(datei.toStdString());
    if (!r.ok()) {
        dialoge().meldung(q(verdict::profileErrorText(r.error, sprache())), windowTitle(), Dialoge::Knoepfe::Ok,
                          Dialoge::Symbol::Ausrufezeichen);
        return false;
    }
    text_->setPlainText(q(verdict::profileText(*r.profile)));
    return speichern();
}

bool ProfileDialog::exportieren() {
    const verdict::ProfileResult r = verdict::parseProfile(text_->toPlainText().toStdString(), "");
    if (!r.ok())
        return speichern(); // says why
    Dialoge::SpeichernOptionen o;
    o.titel = ptext(PText::Exportieren).remove(QStringLiteral(" …"));
    o.standardErweiterung = QStringLiteral(".json");
    o.dateiname = q(verdict::safeFileName(r.profile->name, "profile")) + QStringLiteral(".json");
    o.filter = kJsonFilter;
    const QString ziel = dialoge().speichernUnter(o);
    if (ziel.isEmpty() || ziel == o.dateiname)
        return false;
    if (const records::DateiFehler f = records::atomarSchreiben(pfad(ziel), verdict::profileText(*r.profile));
        f != records::DateiFehler::Keiner) {
        dialoge().meldung(q(records::speicherFehlerMeldung(f, sprache()).text), windowTitle(), Dialoge::Knoepfe::Ok,
                          Dialoge::Symbol::Stopp);
        return false;
    }
    return true;
}

} // namespace kav::shell
