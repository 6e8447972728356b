// The menu bar: "Programm" (with the submenu "Einstellungen") and "?".
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>

#include "globals.h"
#include "main_view.h"

namespace kav::shell {

void MainView::menuesAufbauen() {
    QMenuBar* leiste = fenster_.menuBar();

    mnuProgramm = leiste->addMenu(QStringLiteral("Programm"));
    mnuProgramm->setObjectName(QStringLiteral("mnuProgramm"));
    mnuProgrammItem[1] = mnuProgramm->addAction(QStringLiteral("Verbindung aufbauen"));
    mnuProgrammItem[2] = mnuProgramm->addAction(QStringLiteral("Verbindung beenden"));
    mnuProgrammItem[3] = mnuProgramm->addSeparator();
    mnuProgrammItem[4] = mnuProgramm->addAction(QStringLiteral("Drucken"));
    mnuEinst = mnuProgramm->addMenu(QStringLiteral("Einstellungen"));
    mnuEinst->setObjectName(QStringLiteral("mnuEinst"));
    mnuProgrammItem[5] = mnuEinst->menuAction();
    mnuProgrammItem[6] = mnuProgramm->addSeparator();
    mnuProgrammItem[7] = mnuProgramm->addAction(QStringLiteral("Beenden"));

    mnuEinstItem[1] = mnuEinst->addAction(QStringLiteral("Beim Start Verbinden"));
    mnuEinstItem[1]->setCheckable(true);
    mnuEinstItem[2] = mnuEinst->addAction(QStringLiteral("Fehler speichern"));
    mnuEinstItem[2]->setCheckable(true);
    mnuSprache = mnuEinst->addMenu(QStringLiteral("Sprache"));
    mnuSprache->setObjectName(QStringLiteral("mnuSprache"));
    mnuEinstItem[3] = mnuSprache->menuAction();
    mnuEinstItem[4] = mnuEinst->addAction(QStringLiteral("Farben"));
    mnuEinstItem[4]->setEnabled(false);
    mnuAdmin = mnuEinst->addMenu(QStringLiteral("Administrator"));
    mnuAdmin->setObjectName(QStringLiteral("mnuAdministrator"));
    mnuEinstItem[5] = mnuAdmin->menuAction();
    mnuAdministrator[0] = mnuAdmin->addAction(QStringLiteral("WR_MaschNr"));
    mnuAdministrator[1] = mnuAdmin->addAction(QStringLiteral("DO_FormatMem"));

    // The current language stays checked when it is chosen again.
    spracheGruppe_ = new QActionGroup(&fenster_);
    spracheGruppe_->setExclusive(true);
    mnuSpracheItem[1] = mnuSprache->addAction(QStringLiteral("Deutsch"));
    mnuSpracheItem[2] = mnuSprache->addAction(QStringLiteral("Englisch"));
    for (int i : {1, 2}) {
        mnuSpracheItem[static_cast<std::size_t>(i)]->setCheckable(true);
        spracheGruppe_->addAction(mnuSpracheItem[static_cast<std::size_t>(i)]);
    }

    mnuHilfe = leiste->addMenu(QStringLiteral("?"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuHilfeItem[1] = mnuHilfe->addAction(QStringLiteral("Hilfe"));
    mnuHilfeItem[1]->setEnabled(false);
    mnuHilfeItem[2] = mnuHilfe->addSeparator();
    mnuHilfeItem[3] = mnuHilfe->addAction(QStringLiteral("Info"));

}

} // namespace kav::shell
