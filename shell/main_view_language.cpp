// Applying a language: every captioned control takes SprachText of its tag,
// the menus take their fixed keys.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "chart_box.h"
#include "control_indexes.h"
#include "main_view.h"
#include "language.h"
#include "panel_widgets.h"

namespace kav::shell {

namespace {

QString tagVon(const QObject* o) { return o->property("Tag").toString(); }

} // namespace

void MainView::beschriftungenSetzen(const QString& code) {
    if (code == QLatin1String("D")) {
        mnuSpracheItem[1]->setChecked(true);
        mnuSpracheItem[2]->setChecked(false);
    } else if (code == QLatin1String("E")) {
        mnuSpracheItem[1]->setChecked(false);
        mnuSpracheItem[2]->setChecked(true);
    }

    for (QLabel* l : labAlle)
        l->setText(SprachText(tagVon(l)));
    for (QGroupBox* f : frmAlle)
        f->setTitle(SprachText(tagVon(f)));
    for (QPushButton* b : btnAlle)
        b->setText(SprachText(tagVon(b)));
    for (QCheckBox* c : chkAlle)
        c->setText(SprachText(tagVon(c)));

    mnuProgramm->setTitle(SprachText(QStringLiteral("Programm")));
    mnuProgrammItem[1]->setText(SprachText(QStringLiteral("Verbindung aufbauen")));
    mnuProgrammItem[2]->setText(SprachText(QStringLiteral("Verbindung beenden")));
    mnuProgrammItem[4]->setText(SprachText(QStringLiteral("Drucken")));
    mnuEinst->setTitle(SprachText(QStringLiteral("Einstellungen")));
    mnuProgrammItem[7]->setText(SprachText(QStringLiteral("Beenden")));
    mnuEinstItem[1]->setText(SprachText(QStringLiteral("Beim Start Verbinden")));
    mnuEinstItem[2]->setText(SprachText(QStringLiteral("Fehler speichern")));
    mnuSprache->setTitle(SprachText(QStringLiteral("Sprache")));
    mnuEinstItem[4]->setText(SprachText(QStringLiteral("Farben")));
    mnuSpracheItem[1]->setText(SprachText(QStringLiteral("Deutsch")));
    mnuSpracheItem[2]->setText(SprachText(QStringLiteral("Englisch")));
    mnuHilfe->setTitle(SprachText(QStringLiteral("?")));
    mnuHilfeItem[1]->setText(SprachText(QStringLiteral("Hilfe")));
    mnuHilfeItem[3]->setText(SprachText(QStringLiteral("Info")));
    if (chartBox_)
        chartBox_->setSprache(code);
}

} // namespace kav::shell
