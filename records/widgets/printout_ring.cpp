// The deviation ring of a bad-pulse printout, drawn by the deviation ring
// control itself, offscreen.
#include <QPalette>

#include "ocx_bad_inc.h"
#include "printout.h"

namespace kav::records {

QImage ringBild(const measure::BadPulseDisplay& d, const QSize& groesse) {
    controls::ocxBadInc ring;
    ring.setAttribute(Qt::WA_DontShowOnScreen);
    QPalette weiss = ring.palette();
    weiss.setColor(QPalette::Button, Qt::white);
    weiss.setColor(QPalette::Window, Qt::white);
    ring.setPalette(weiss);
    ring.setFont(records::standardSchrift());
    ring.resize(groesse);
    ring.InitProperties();
    ring.setMaxFarbe(static_cast<qint32>(records::kRingMaxFarbe));
    ring.setMinFarbe(static_cast<qint32>(records::kRingMinFarbe));
    ring.setPosMaxFarbe(static_cast<qint32>(records::kRingListenFarbe));
    ring.setPosMinFarbe(static_cast<qint32>(records::kRingListenFarbe));
    auto kurz = [](int v) { return static_cast<qint16>(v); };
    ring.setImpulsZahl(kurz(d.impulsZahl));
    ring.setPosMax(kurz(d.posMax));
    ring.setMax(kurz(d.max));
    ring.setPosMin(kurz(d.posMin));
    ring.setMin(kurz(d.min));
    for (std::size_t n = 0; n < d.eintraege.size(); ++n) {
        if (!d.eintraege[n].setzen)
            continue;
        const QByteArray nummer = QByteArray::number(static_cast<int>(n) + 1);
        ring.setProperty(QByteArray("PosMin" + nummer).constData(), QVariant::fromValue(kurz(d.eintraege[n].position)));
        ring.setProperty(QByteArray("Min" + nummer).constData(), QVariant::fromValue(kurz(d.eintraege[n].abweichung)));
    }
    ring.show();
    QImage bild(groesse * 2, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(2);
    bild.fill(Qt::white);
    ring.render(&bild);
    return bild;
}

} // namespace kav::records
