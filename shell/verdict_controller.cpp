#include "verdict_controller.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <algorithm>

#include "dialogs.h"
#include "globals.h"
#include "ini_profile.h"
#include "layout_geometry.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "printout.h"
#include "profile_dialog.h"
#include "session.h"
#include "session_adapter.h"
#include "test_run_controller.h"
#include "verdict_band.h"
#include "verdict_texts.h"

namespace kav::shell {

namespace {

const QString kEigeneSektion = QStringLiteral("KavStudio");
const QString kProfilSchluessel = QStringLiteral("Profile");

std::string sprache() { return global().Sprache == QLatin1String("D") ? "D" : "E"; }

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

VerdictController::VerdictController(Fensterteile& t, QString settingsDatei)
    : t_(t), settingsDatei_(std::move(settingsDatei)) {
    QWidget* client = t_.v.fenster().centralWidget();
    band_ = new QLabel(client);
    band_->setObjectName(QStringLiteral("Pruefurteil"));
    band_->setTextFormat(Qt::PlainText);
    band_->setContentsMargins(8, 0, 8, 0);
    band_->hide();

    // After the existing menus, so none of them moves.
    menu_ = t_.v.fenster().menuBar()->addMenu(ptext(PText::Menu));
    connect(menu_, &QMenu::aboutToShow, this, [this] { menuFuellen(); });
    lauf_ = std::make_unique<TestRunController>(t_, *this, settingsDatei_);
    menuFuellen();

    connect(t_.messung, &MeasurementController::ergebnisAngezeigt, this, [this](int typ) { ergebnisAngezeigt(typ); });
    connect(&t_.adapter, &SessionAdapter::seiteGeaendert, this, [this] { bandWeg(); });
    connect(&t_.adapter, &SessionAdapter::messungGeaendert, this, [this] {
        if (urteil_ && t_.session.angezeigterTyp() != urteilTyp_)
            bandWeg();
    });

    // The remembered choice; a profile that is gone now is forgotten silently.
    const QString gemerkt = INILesen(settingsDatei_, kEigeneSektion, kProfilSchluessel, QString());
    if (!gemerkt.isEmpty()) {
        const verdict::ProfileResult r = ablage().load(gemerkt.toStdString());
        if (r.ok()) {
            profil_ = r.profile;
            profilDatei_ = gemerkt;
        }
    }
}

VerdictController::~VerdictController() = default;

// "profiles" beside Settings.ini: the folder kavctl finds them in too (an
// installed program keeps both in the user's configuration folder).
verdict::ProfileStore VerdictController::ablage() const {
    const QString ordner = QFileInfo(settingsDatei_).absoluteDir().filePath(QStringLiteral("profiles"));
    return verdict::ProfileStore(std::filesystem::path(ordner.toStdU16String()));
}

bool VerdictController::waehlen(const QString& name) {
    std::optional<verdict::Profile> neu;
    bool ok = true;
    if (!name.isEmpty()) {
        const verdict::ProfileResult r = ablage().load(name.toStdString());
        if (r.ok()) {
            neu = r.profile;
        } else {
            dialoge().meldung(q(verdict::profileErrorText(r.error, sprache())), {}, Dialoge::Knoepfe::Ok,
                              Dialoge::Symbol::Ausrufezeichen);
            ok = false;
        }
    }
    profil_ = std::move(neu);
    profilDatei_ = profil_ ? name : QString();
    INISchreiben(settingsDatei_, kEigeneSektion, kProfilSchluessel, profilDatei_);
    menuFuellen();
    // The shown result, judged anew (or no longer).
    if (profil_ && t_.session.angezeigterTyp() != 0)
        ergebnisAngezeigt(t_.session.angezeigterTyp());
    else
        bandWeg();
    emit profilGeaendert();
    return ok;
}

void VerdictController::spracheGesetzt() {
    menu_->setTitle(ptext(PText::Menu));
    menuFuellen();
    bandZeigen();
}

void VerdictController::menuFuellen() {
    menu_->clear();
    auto* gruppe = new QActionGroup(menu_);
    auto eintrag = [&](const QString& text, const QString& name, bool gewaehlt) {
        QAction* a = menu_->addAction(text);
        a->setCheckable(true);
        a->setChecked(gewaehlt);
        a->setActionGroup(gruppe);
        connect(a, &QAction::triggered, this, [this, name] { waehlen(name); });
    };
    eintrag(ptext(PText::KeinProfil), QString(), !profil_);
    for (const verdict::StoredProfile& p : ablage().list()) {
        const QString name = q(p.name);
        eintrag(name, name, profil_ && profilDatei_ == name);
    }
    menu_->addSeparator();
    bearbeiten_ = menu_->addAction(ptext(PText::Bearbeiten));
    connect(bearbeiten_, &QAction::triggered, this, [this] { editor().zeigen(); });
    pruefauf_ = menu_->addAction(ptext(PText::Pruefauf));
    connect(pruefauf_, &QAction::triggered, this, [this] { lauf_->starten(); });
}

ProfileDialog& VerdictController::editor() {
    if (!editor_) {
        editor_ = std::make_unique<ProfileDialog>(*this, &t_.v.fenster());
        connect(editor_.get(), &ProfileDialog::geaendert, this, [this] {
            // The chosen profile may have been edited or deleted.
            const QString name = profilDatei_;
            if (!name.isEmpty() && !ablage().load(name.toStdString()).ok())
                waehlen(QString());
            else if (!name.isEmpty())
                waehlen(name);
            else
                menuFuellen();
        });
    }
    return *editor_;
}

void VerdictController::ergebnisAngezeigt(int typ) {
    if (!profil_)
        return;
    const session::Session& s = t_.session;
    switch (typ) {
    case 1: urteil_ = verdict::judge(*profil_, s.aktuell().gespeichert); break;
    case 2: urteil_ = verdict::judge(*profil_, s.schlechtimpulse().gespeichert); break;
    case 3: urteil_ = verdict::judge(*profil_, s.drehschwebung().gespeichert); break;
    default: return;
    }
    urteilTyp_ = typ;
    bandZeigen();
}

void VerdictController::bandZeigen() {
    if (!urteil_ || !profil_) {
        band_->hide();
        return;
    }
    // Under the result area, in the strip the window leaves free.
    const QRect ergebnis = kErgebnisRect;
    const int oben = ergebnis.bottom() + 4;
    band_->setGeometry(ergebnis.left(), oben, ergebnis.width(),
                       std::max(30, band_->parentWidget()->height() - oben - 2));

    const verdict::Outcome o = urteil_->result;
    const QStringList zeilen = [&] {
        QStringList l;
        for (const std::string& z : verdict::checkLines(*urteil_, sprache()))
            l << q(z);
        return l;
    }();
    const QString kopf = QString::fromLatin1(verdict::outcomeName(o)) + QStringLiteral("   ") +
                         ptext(PText::Profil).arg(q(profil_->name));
    // Two lines: the outcome with the profile, then what did not pass (all of it in the tool tip).
    const int breite = band_->width() - 20;
    QString text = band_->fontMetrics().elidedText(kopf, Qt::ElideRight, breite);
    if (!zeilen.isEmpty())
        text += u'\n' + band_->fontMetrics().elidedText(zeilen.join(QStringLiteral("  ·  ")), Qt::ElideRight, breite);
    band_->setText(text);
    band_->setToolTip(zeilen.isEmpty() ? kopf : kopf + u'\n' + zeilen.join(u'\n'));
    band_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; border: 2px solid %2; font-weight: bold; }")
            .arg(verdict::outcomeFill(o).name(), verdict::outcomeColor(o).name()));
    band_->show();
    band_->raise();
}

void VerdictController::bandWeg() {
    urteil_.reset();
    urteilTyp_ = 0;
    band_->hide();
}

void VerdictController::druckZusatz(records::Druckseite& seite) const {
    if (profil_ && urteil_ && !band_->isHidden())
        verdict::addVerdictBand(seite, *urteil_, profil_->name, sprache());
}

} // namespace kav::shell
