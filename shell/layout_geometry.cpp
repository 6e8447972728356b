#include "layout_geometry.h"

#include <algorithm>

#include "control_indexes.h"

namespace kav::shell {

namespace {

// Heights of the navigation frames, pixels. The home frames (0, 1, 2) and
// frame 9 stack below one another; a work panel takes the top of the column.
constexpr int kHoeheOnline = 160;
constexpr int kHoeheHome = 112;
constexpr int kAbstand = 6;

} // namespace

QPoint fensterPlatz(const QRect& verfuegbar, const QSize& fenster) {
    const QPoint p = verfuegbar.topLeft() + zentriert(verfuegbar.size(), fenster);
    return QPoint(std::max(p.x(), verfuegbar.left()), std::max(p.y(), verfuegbar.top()));
}

QRect overlayRect() {
    const QPoint p =
        zentriert(QSize(kFensterBreiteTwips, kFensterHoeheTwips), QSize(kOverlayBreiteTwips, kOverlayHoeheTwips));
    return twipsRect(p.x(), p.y(), kOverlayBreiteTwips, kOverlayHoeheTwips);
}

QRect logoRect(int fensterBreiteTwips) {
    constexpr int breite = 3000; // twips
    constexpr int hoehe = 1110;
    const int left = fensterBreiteTwips - breite - 500;
    return twipsRect(left, (1290 - hoehe) / 2, breite, hoehe);
}

QRect navigationFrameRect(int frameIndex) {
    const int x = kNavigationLinks;
    const int w = kNavigationBreite;
    int y = kNavigationOben;
    switch (frameIndex) {
    case idx::frmOnline: return QRect(x, y, w, kHoeheOnline);
    case idx::frmGeraetHome: return QRect(x, y + kHoeheOnline + kAbstand, w, kHoeheHome);
    case idx::frmComputerHome: return QRect(x, y + kHoeheOnline + kHoeheHome + 2 * kAbstand, w, kHoeheHome);
    case idx::frmVerbindung: return QRect(x, y + kHoeheOnline + 2 * kHoeheHome + 3 * kAbstand, w, 140);
    case idx::frmDrehschwebung:
    case idx::frmAktuell: return QRect(x, y, w, 232);
    case idx::frmSchlechtimpulse: return QRect(x, y, w, 212);
    case idx::frmDatenVomGeraet:
    case idx::frmDatenVomComputer: return QRect(x, y, w, kErgebnisRect.height());
    default: return {};
    }
}

QRect ergebnisRect(int pictureIndex) {
    switch (pictureIndex) {
    case idx::picDrehschwebung:
    case idx::picSchlechtimpulse:
    case idx::picAktuell: return kErgebnisRect;
    case idx::picDiagramm: // relative to picture 0
        return QRect(16, 42, kErgebnisRect.width() - 32, 430);
    default: return {};
    }
}

} // namespace kav::shell
