// The result area: the oscillation page with its chart box, the bad-pulse
// page and the current-values page, each with its labels and text boxes. The
// display controls are placed by kav_main_display_controls.cpp.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "chart_box.h"
#include "control_indexes.h"
#include "main_view.h"
#include "layout_geometry.h"

namespace kav::shell {

namespace {

constexpr int kZeilenHoehe = 24;

void ueberschrift(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    f.setPixelSize(15);
    l->setFont(f);
}

} // namespace

// Places of the display controls inside their panels (pixels of the panel).
QRect anzeigeRect(const QString& name);

QRect anzeigeRect(const QString& name) {
    if (name == QLatin1String("ocxTacho"))
        return QRect(452, 40, 330, 330);
    if (name == QLatin1String("ocxBadInc1"))
        return QRect(12, 40, 380, 380);
    const int oben = 300;
    const int schritt = 92;
    if (name == QLatin1String("ocxSym0"))
        return QRect(16, oben + 22, 420, 34);
    if (name == QLatin1String("ocxSym90"))
        return QRect(16, oben + schritt + 22, 420, 34);
    if (name == QLatin1String("ocxPhl"))
        return QRect(16, oben + 2 * schritt + 22, 420, 34);
    return {};
}

void MainView::ergebnisseAufbauen(QWidget* client) {
    for (int i : {idx::picDrehschwebung, idx::picSchlechtimpulse, idx::picAktuell}) {
        auto* p = new QFrame(client);
        p->setObjectName(QStringLiteral("picGrafik_%1").arg(i));
        p->setGeometry(ergebnisRect(i));
        p->setFrameShape(QFrame::StyledPanel);
        p->setFrameShadow(QFrame::Sunken);
        p->hide();
        picGrafik[static_cast<std::size_t>(i)] = p;
    }
    drehschwebungPanelAufbauen(picGrafik[idx::picDrehschwebung]);
    schlechtimpulsPanelAufbauen(picGrafik[idx::picSchlechtimpulse]);
    aktuellPanelAufbauen(picGrafik[idx::picAktuell]);
}

void MainView::aktuellPanelAufbauen(QFrame* panel) {
    ueberschrift(labelAnlegen(idx::labAktuellTitel, panel, QRect(16, 8, 420, 26)));

    // The five current values, one per row.
    const int labels[] = {idx::labImpulszahl, idx::labDrehzahl, idx::labFrequenz, idx::labVersorgung, idx::labStrom};
    const int boxen[] = {idx::txtImpulszahl, idx::txtDrehzahl, idx::txtFrequenz, idx::txtVersorgung, idx::txtStrom};
    for (int i = 0; i < 5; ++i) {
        const int y = 52 + i * 38;
        labelAnlegen(labels[i], panel, QRect(16, y, 190, kZeilenHoehe));
        QLineEdit* t = textAnlegen(boxen[i], panel, QRect(210, y, 150, kZeilenHoehe));
        t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // The three min/max displays: caption above, the notes below.
    ueberschrift(labelAnlegen(idx::labAbweichungTitel, panel, QRect(16, 266, 420, 26)));
    const int captions[] = {idx::labSym0, idx::labSym90, idx::labPhl};
    const int zuHoch[] = {idx::labSym0ZuHoch, idx::labSym90ZuHoch, idx::labPhlZuHoch};
    const int nichtDa[] = {idx::labSym0NichtVerfuegbar, idx::labSym90NichtVerfuegbar, idx::labPhlNichtVerfuegbar};
    for (int i = 0; i < 3; ++i) {
        const int oben = 300 + i * 92;
        labelAnlegen(captions[i], panel, QRect(16, oben, 420, 20));
        for (int note : {zuHoch[i], nichtDa[i]}) {
            QLabel* l = labelAnlegen(note, panel, QRect(16, oben + 58, 420, 20));
            QPalette pal = l->palette();
            pal.setColor(QPalette::WindowText, QColor(180, 0, 0));
            l->setPalette(pal);
            l->hide();
        }
    }

    // The track-error button under the dial gauge; shown by a result with a track error.
    QPushButton* spur = buttonAnlegen(idx::btnSpurfehler, panel, QRect(487, 392, 260, 32));
    spur->setText(QStringLiteral("Fehler beschreibung"));
    spur->hide();
}

void MainView::schlechtimpulsPanelAufbauen(QFrame* panel) {
    ueberschrift(labelAnlegen(idx::labSchlechtTitel, panel, QRect(16, 8, 380, 26)));

    // Right of the ring: the two largest deviations, then the list.
    const int x0 = 410;
    auto maxZeile = [&](int titel, int labPos, int txtPos, int labWert, int txtWert, int y) {
        QLabel* t = labelAnlegen(titel, panel, QRect(x0, y, 370, 22));
        QFont f = t->font();
        f.setBold(true);
        t->setFont(f);
        labelAnlegen(labPos, panel, QRect(x0 + 8, y + 26, 80, kZeilenHoehe));
        textAnlegen(txtPos, panel, QRect(x0 + 90, y + 26, 100, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labelAnlegen(labWert, panel, QRect(x0 + 204, y + 26, 60, kZeilenHoehe));
        textAnlegen(txtWert, panel, QRect(x0 + 266, y + 26, 100, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    maxZeile(idx::labMaxPositiv, idx::labMaxPositivPosition, idx::txtPosMaxPositiv, idx::labMaxPositivWert,
             idx::txtMaxPositiv, 44);
    maxZeile(idx::labMaxNegativ, idx::labMaxNegativPosition, idx::txtPosMaxNegativ, idx::labMaxNegativWert,
             idx::txtMaxNegativ, 108);

    QLabel* abw = labelAnlegen(idx::labAbweichung, panel, QRect(x0, 176, 370, 22));
    QFont f = abw->font();
    f.setBold(true);
    abw->setFont(f);
    labelAnlegen(idx::labListePosition, panel, QRect(x0 + 90, 200, 100, 20));
    labelAnlegen(idx::labListeWert, panel, QRect(x0 + 266, 200, 100, 20));
    for (int n = 0; n < 5; ++n) {
        const int y = 222 + n * 30;
        textAnlegen(idx::txtListeErste + 2 * n, panel, QRect(x0 + 90, y, 100, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        textAnlegen(idx::txtListeErste + 2 * n + 1, panel, QRect(x0 + 266, y, 100, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // Below the ring: the measurement's frame data.
    const int yu = 440;
    const int zeilen[][2] = {{idx::labSchlechtImpulszahl, idx::txtSchlechtImpulszahl},
                             {idx::labSchlechtDrehzahl, idx::txtSchlechtDrehzahl},
                             {idx::labSchlechtFrequenz, idx::txtSchlechtFrequenz},
                             {idx::labAnzahlAbweichungen, idx::txtAnzahlAbweichungen}};
    for (int i = 0; i < 4; ++i) {
        const int y = yu + i * 32;
        labelAnlegen(zeilen[i][0], panel, QRect(16, y, 200, kZeilenHoehe));
        textAnlegen(zeilen[i][1], panel, QRect(220, y, 140, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // Legend of the ring's colours.
    labelAnlegen(idx::labLegendePositiv, panel, QRect(x0, yu, 370, kZeilenHoehe));
    labelAnlegen(idx::labLegendeNegativ, panel, QRect(x0, yu + 32, 370, kZeilenHoehe));
}

void MainView::drehschwebungPanelAufbauen(QFrame* panel) {
    ueberschrift(labelAnlegen(idx::labDrehTitel, panel, QRect(16, 8, 500, 26)));

    // The chart box keeps its picture; picGrafik(3) is the same box.
    auto* chart = new measure::ChartBox(panel);
    chart->setObjectName(QStringLiteral("picGrafik_3"));
    chart->setGeometry(ergebnisRect(idx::picDiagramm));
    picGrafik[idx::picDiagramm] = chart;
    chartBox_ = chart;

    // Two rows of three values under the chart.
    const int reihe1[][2] = {{idx::labDrehUmdrehungen, idx::txtDrehUmdrehungen},
                             {idx::labDrehMin, idx::txtDrehMin},
                             {idx::labDrehMax, idx::txtDrehMax}};
    const int reihe2[][2] = {{idx::labDrehImpulszahl, idx::txtDrehImpulszahl},
                             {idx::labDrehDrehzahl, idx::txtDrehDrehzahl},
                             {idx::labDrehFrequenz, idx::txtDrehFrequenz}};
    const int y1 = ergebnisRect(idx::picDiagramm).bottom() + 16;
    for (int s = 0; s < 3; ++s) {
        const int x = 16 + s * 258;
        labelAnlegen(reihe1[s][0], panel, QRect(x, y1, 116, kZeilenHoehe));
        textAnlegen(reihe1[s][1], panel, QRect(x + 118, y1, 120, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labelAnlegen(reihe2[s][0], panel, QRect(x, y1 + 34, 116, kZeilenHoehe));
        textAnlegen(reihe2[s][1], panel, QRect(x + 118, y1 + 34, 120, kZeilenHoehe))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace kav::shell
