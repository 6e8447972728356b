// The window's size, place and caption, the overlays' places and the banner.
#include <QEvent>
#include <QGroupBox>
#include <QScreen>

#include "banner.h"
#include "control_indexes.h"
#include "kav_main.h"
#include "layout_geometry.h"

namespace kav::shell {

void KAV_Main::FensterEinrichten() {
    setFixedSize(kFensterGroesse);
    if (const QScreen* s = screen()) {
        move(fensterPlatz(s->availableGeometry(), frameGeometry().size().expandedTo(kFensterGroesse)));
    }
    setWindowTitle(umgebung_.title);
    frmAlle[idx::frmVerbindungsInfo]->setGeometry(overlayRect());
    frmAlle[idx::frmHinweis]->setGeometry(overlayRect());
    imgLogo->setGeometry(logoRect(kFensterBreiteTwips));
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
    picOben->setBaender(bannerBaender(style, kBannerRect.width() * kTwipsProPixel, bildschirmFarben(tiefe)));
}

} // namespace kav::shell
