// The window's size, place and caption, the overlays' places, the banner and
// the language.
#include <QEvent>
#include <QGroupBox>
#include <QScreen>

#include "archive_controller.h"
#include "banner.h"
#include "control_indexes.h"
#include "globals.h"
#include "kav_main.h"
#include "layout_geometry.h"
#include "main_view.h"
#include "measurement_controller.h"
#include "verdict_controller.h"
#include "trend_controller.h"

namespace kav::shell {

void KAV_Main::FensterEinrichten() {
    setFixedSize(kFensterGroesse);
    if (const QScreen* s = screen()) {
        move(fensterPlatz(s->availableGeometry(), frameGeometry().size().expandedTo(kFensterGroesse)));
    }
    setWindowTitle(umgebung_.title);
    view_->frmAlle[idx::frmVerbindungsInfo]->setGeometry(overlayRect());
    view_->frmAlle[idx::frmHinweis]->setGeometry(overlayRect());
    view_->imgLogo->setGeometry(logoRect(kFensterBreiteTwips));
    BannerZeichnen(1);
}

void KAV_Main::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // The layout has one size: a window system that maximizes anyway (it
    // may ignore the missing maximize button) gets the normal window back.
    if (e->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

void KAV_Main::BannerZeichnen(int style) {
    const QScreen* s = screen();
    const int tiefe = s ? s->depth() : 24;
    view_->picOben->setBaender(bannerBaender(style, kBannerRect.width() * kTwipsProPixel, bildschirmFarben(tiefe)));
}

void KAV_Main::SpracheSetzen(const QString& code) {
    global().Sprache = code;
    view_->beschriftungenSetzen(code);
    if (archiv_)
        archiv_->beschriftungenSetzen();
    // A shown value carries its unit and notes in the language: shown again.
    if (messung_)
        messung_->werteNeuZeigen();
    if (pruefung_)
        pruefung_->spracheGesetzt();
    if (trend_)
        trend_->spracheSetzen();
}

} // namespace kav::shell
