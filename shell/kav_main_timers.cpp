// The six timers, the two overlay panels and the decoration ticks: the
// progress bars' activity animation and the blinking fault lines.
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

#include "connection_diagram.h"
#include "control_indexes.h"
#include "kav_main.h"
#include "language.h"
#include "vb_colors.h"

namespace kav::shell {

void KAV_Main::timerEinrichten() {
    const std::pair<QTimer*, int> timer[] = {{&tmrBalken, 200},    {&tmrFarben, 500},    {&tmrDateVomG, 500},
                                             {&tmrDateiTyp1, 500}, {&tmrDateiTyp2, 500}, {&tmrDateiTyp3, 500}};
    for (const auto& [t, ms] : timer) {
        t->setInterval(ms);
        t->setSingleShot(false);
        t->stop();
    }
    tmrBalken.setObjectName(QStringLiteral("tmrBalken"));
    tmrFarben.setObjectName(QStringLiteral("tmrFarben"));
    tmrDateVomG.setObjectName(QStringLiteral("tmrDateVomG"));
    tmrDateiTyp1.setObjectName(QStringLiteral("tmrDateiTyp1"));
    tmrDateiTyp2.setObjectName(QStringLiteral("tmrDateiTyp2"));
    tmrDateiTyp3.setObjectName(QStringLiteral("tmrDateiTyp3"));
    connect(&tmrBalken, &QTimer::timeout, this, &KAV_Main::tmrBalken_Timer);
    connect(&tmrFarben, &QTimer::timeout, this, &KAV_Main::tmrFarben_Timer);
    connect(&tmrDateVomG, &QTimer::timeout, this, &KAV_Main::tmrDateVomG_Timer);
    connect(&tmrDateiTyp1, &QTimer::timeout, this, &KAV_Main::tmrDateiTyp1_Timer);
    connect(&tmrDateiTyp2, &QTimer::timeout, this, &KAV_Main::tmrDateiTyp2_Timer);
    connect(&tmrDateiTyp3, &QTimer::timeout, this, &KAV_Main::tmrDateiTyp3_Timer);
}

void KAV_Main::VerbindungsInfoZeigen(bool zeigen) {
    if (zeigen) {
        frmAlle[idx::frmVerbindungsInfo]->show();
        frmAlle[idx::frmVerbindungsInfo]->raise();
    } else {
        tmrBalken.stop();
        tmrFarben.stop();
        frmAlle[idx::frmVerbindungsInfo]->hide();
    }
}

void KAV_Main::HinweisZeigen(bool zeigen, const QString& text) {
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

void KAV_Main::tmrBalken_Timer() {
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

void KAV_Main::tmrFarben_Timer() {
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
