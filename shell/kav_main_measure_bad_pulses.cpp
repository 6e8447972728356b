// Bad pulses (type 2, page "Schlechtimpulse"): a single measurement with the
// wait panel while it runs; the deviation ring and the list.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "control_indexes.h"
#include "display_rules.h"
#include "kav_main.h"
#include "kav_main_measure.h"
#include "measurement_cycle.h"
#include "vb_colors.h"

namespace kav::shell {

using namespace messung;

namespace {

// The ring's own colour for a group of text boxes (0 without the ring).
std::uint32_t ringFarbe(const QWidget* ring, const char* name) { return ring ? ring->property(name).toUInt() : 0; }

} // namespace

void KAV_Main::DateiTyp2Live() { messungStarten(2); }

void KAV_Main::tmrDateiTyp2_Timer() {
    tmrDateiTyp2.stop();
    pollAuswerten(2, messTick(2));
}

void KAV_Main::DateiTyp2Anzeigen() {
    const measure::BadPulseDisplay d = measure::badPulseDisplay(SchlechtimpulsLive, trenner(), uebersetzer());
    if (!d.anzeigen)
        return;
    QWidget* ring = ocxBadInc1;
    setzen(ring, "ImpulsZahl", kurz(d.impulsZahl));

    struct Feld {
        int text;
        const char* eigenschaft;
        const char* farbe;
        int wert;
        const std::string& anzeige;
    };
    const Feld felder[] = {
        {idx::txtPosMaxPositiv, "PosMax", "MaxFarbe", d.posMax, d.posMaxPositiv},
        {idx::txtMaxPositiv, "Max", "MaxFarbe", d.max, d.maxPositiv},
        {idx::txtPosMaxNegativ, "PosMin", "MinFarbe", d.posMin, d.posMaxNegativ},
        {idx::txtMaxNegativ, "Min", "MinFarbe", d.min, d.maxNegativ},
    };
    for (const Feld& f : felder) {
        setzen(ring, f.eigenschaft, kurz(f.wert));
        QLineEdit* t = txtAlle[static_cast<std::size_t>(f.text)];
        setForeColor(t, ringFarbe(ring, f.farbe));
        t->setText(q(f.anzeige));
    }

    // The list: entries at the place of both maxima (nothing found) are skipped and keep what they showed.
    const std::uint32_t listenFarbe = ringFarbe(ring, "PosMaxFarbe");
    for (std::size_t n = 0; n < d.eintraege.size(); ++n) {
        const measure::BadPulseEntry& e = d.eintraege[n];
        if (!e.setzen)
            continue;
        const QByteArray nummer = QByteArray::number(static_cast<int>(n) + 1);
        setzen(ring, QByteArray("PosMin" + nummer).constData(), kurz(e.position));
        setzen(ring, QByteArray("Min" + nummer).constData(), kurz(e.abweichung));
        const int box = idx::txtListeErste + 2 * static_cast<int>(n);
        for (const auto& [index, text] : {std::pair{box, &e.positionText}, std::pair{box + 1, &e.abweichungText}}) {
            QLineEdit* t = txtAlle[static_cast<std::size_t>(index)];
            setForeColor(t, listenFarbe);
            t->setText(q(*text));
        }
    }

    txtAlle[idx::txtSchlechtImpulszahl]->setText(q(d.impulszahl));
    txtAlle[idx::txtSchlechtDrehzahl]->setText(q(d.drehzahl));
    txtAlle[idx::txtSchlechtFrequenz]->setText(q(d.frequenz));
    txtAlle[idx::txtAnzahlAbweichungen]->setText(q(d.anzahlAbweichungen));
    picGrafik[idx::picSchlechtimpulse]->show();
    mnuProgrammItem[4]->setEnabled(true);
    SchlechtimpulsGespeichert = SchlechtimpulsLive;
}

void KAV_Main::DateiTyp2Loeschen() {
    SchlechtimpulsGespeichert = {};
    for (const char* name : {"PosMax", "Max", "PosMin", "Min"})
        setzen(ocxBadInc1, name, kurz(0));
    for (int n = 1; n <= 5; ++n)
        for (const char* name : {"Max", "PosMax", "Min", "PosMin"})
            setzen(ocxBadInc1, QByteArray(name + QByteArray::number(n)).constData(), kurz(0));
    for (int t = idx::txtPosMaxPositiv; t <= idx::txtSchlechtImpulszahl; ++t)
        txtAlle[static_cast<std::size_t>(t)]->clear();
    txtAlle[idx::txtAnzahlAbweichungen]->clear();
}

} // namespace kav::shell
