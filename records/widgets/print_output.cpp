#include "print_output.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace kav::records {

namespace {

// A quarter inch: what most printers cannot reach at the paper's edges.
QMarginsF rand() { return {6.35, 6.35, 6.35, 6.35}; }

void malen(QPainter& p, const QPaintDevice& ziel, const Druckseite& seite) {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(ziel.logicalDpiX() / kTwipsProZoll, ziel.logicalDpiY() / kTwipsProZoll);
    druckMalen(p, seite, druckbereich(ziel));
}

} // namespace

void seiteEinstellen(QPrinter& drucker) {
    // Twips are the layout's own unit: the painter maps them onto the
    // printer's resolution (seiteMalen).
    drucker.setColorMode(QPrinter::Color);
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setFullPage(false);
}

QSizeF druckbereich(const QPaintDevice& ziel) {
    const double dx = ziel.logicalDpiX() > 0 ? ziel.logicalDpiX() : 96;
    const double dy = ziel.logicalDpiY() > 0 ? ziel.logicalDpiY() : 96;
    return {ziel.width() * kTwipsProZoll / dx, ziel.height() * kTwipsProZoll / dy};
}

bool seiteMalen(QPaintDevice& ziel, const Druckseite& seite) {
    QPainter p;
    if (!p.begin(&ziel))
        return false;
    malen(p, ziel, seite);
    return p.end();
}

bool drucken(QPrinter& drucker, const Druckseite& seite) {
    if (!drucker.isValid())
        return false;
    if (!seiteMalen(drucker, seite))
        return false;
    return drucker.printerState() != QPrinter::Error && drucker.printerState() != QPrinter::Aborted;
}

QByteArray alsPdf(const Druckseite& seite, const QString& titel) {
    QByteArray pdf;
    {
        QBuffer puffer(&pdf);
        if (!puffer.open(QIODevice::WriteOnly))
            return {};
        QPdfWriter schreiber(&puffer);
        schreiber.setTitle(titel);
        schreiber.setCreator(QStringLiteral("KavStudio"));
        schreiber.setResolution(1200);
        schreiber.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, rand(), QPageLayout::Millimeter));
        if (!seiteMalen(schreiber, seite))
            return {};
    }
    return pdf;
}

QImage alsBild(const Druckseite& seite, int dpi) {
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, rand(), QPageLayout::Millimeter);
    const QRect blatt = layout.fullRectPixels(dpi);
    const QRect innen = layout.paintRectPixels(dpi);
    QImage bild(blatt.size(), QImage::Format_ARGB32_Premultiplied);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    bild.setDotsPerMeterX(dpm);
    bild.setDotsPerMeterY(dpm);
    bild.fill(Qt::white);
    QImage flaeche(innen.size(), QImage::Format_ARGB32_Premultiplied);
    flaeche.setDotsPerMeterX(dpm);
    flaeche.setDotsPerMeterY(dpm);
    flaeche.fill(Qt::white);
    seiteMalen(flaeche, seite);
    QPainter p(&bild);
    p.drawImage(innen.topLeft(), flaeche);
    return bild;
}

} // namespace kav::records
