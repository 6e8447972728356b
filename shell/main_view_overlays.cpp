// The two overlay panels and the decoration ticks: the progress bars'
// activity animation and the blinking fault lines.
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>

#include "connection_diagram.h"
#include "control_indexes.h"
#include "main_view.h"
#include "language.h"
#include "vb_colors.h"

namespace kav::shell {

void MainView::timerEinrichten() {
    tmrBalken.setInterval(200);
    tmrFarben.setInterval(500);
    tmrBalken.setObjectName(QStringLiteral("tmrBalken"));
    tmrFarben.setObjectName(QStringLiteral("tmrFarben"));
    QObject::connect(&tmrBalken, &QTimer::timeout, &fenster_, [this] { tmrBalken_Timer(); });
    QObject::connect(&tmrFarben, &QTimer::timeout, &fenster_, [this] { tmrFarben_Timer(); });
}

bool MainView::seiteSichtbar(int frame) const { return !frmAlle[static_cast<std::size_t>(frame)]->isHidden(); }

void MainView::zeigen(int frame, bool sichtbar) { frmAlle[static_cast<std::size_t>(frame)]->setVisible(sichtbar); }

void MainView::VerbindungsInfoZeigen(bool zeigen) {
    if (zeigen) {
        frmAlle[idx::frmVerbindungsInfo]->show();
        frmAlle[idx::frmVerbindungsInfo]->raise();
    } else {
        tmrBalken.stop();
        tmrFarben.stop();
        frmAlle[idx::frmVerbindungsInfo]->hide();
    }
}

void MainView::HinweisZeigen(bool zeigen, const QString& text) {
    if (zeigen) {
        labAlle[idx::labHinweisMeldung]->setText(SprachText(text));
        frmAlle[idx::frmHinweis]->show();
        frmAlle[idx::frmHinweis]->raise();
        tmrBalken.start();
    } else {
        tmrBalken.stop();
        frmAlle[idx::frmHinweis]->hide();
    }
}

void MainView::tmrBalken_Timer() {
    // Activity, not progress: ten steps, then from the start again.
    for (int i : {0, 1}) {
        QGroupBox* frame = frmAlle[static_cast<std::size_t>(i == 0 ? idx::frmVerbindungsInfo : idx::frmHinweis)];
        if (frame->isHidden())
            continue;
        QProgressBar* bar = LiveBar[static_cast<std::size_t>(i)];
        const int neu = bar->value() + bar->maximum() / 10;
        bar->setValue(neu > bar->maximum() ? bar->minimum() : neu);
    }
}

void MainView::tmrFarben_Timer() {
    if (frmAlle[idx::frmVerbindungsInfo]->isHidden())
        return;
    ConnectionDiagram* d = Verbindungsdiagramm;
    if (d->LConnection(0) == kFarbeHellgrau) {
        // The supply is at fault.
        d->setAlleLUb1(d->LUb1(0) != kFarbeRot ? kFarbeRot : kFarbeGrau);
    } else if (d->LUb1(0) == kFarbeHellgrau) {
        // The USB link is at fault.
        d->setAlleLConnection(d->LConnection(0) != kFarbeRot ? kFarbeRot : kFarbeGrau);
    } else {
        const std::uint32_t farbe = d->LConnection(0) != kFarbeRot ? kFarbeRot : kFarbeGrau;
        d->setAlleLConnection(farbe);
        d->setAlleLUb1(farbe);
    }
}

} // namespace kav::shell
