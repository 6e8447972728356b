#include "connection_diagram.h"

#include <QPainter>

#include "control_indexes.h"
#include "vb_colors.h"

namespace kav::shell {

namespace {
constexpr qreal kLinienBreite = 4;
}

DiagrammGeometrie diagrammGeometrie() {
    DiagrammGeometrie g;
    g.LPC1.rect = QRectF(40, 34, 120, 84);
    g.Lkav1.rect = QRectF(405, 34, 120, 84);
    // The cable leaves the PC, dips and enters the device.
    g.LConnection[0].linie = QLineF(160, 76, 210, 76);
    g.LConnection[1].linie = QLineF(210, 76, 250, 104);
    g.LConnection[2].linie = QLineF(250, 104, 355, 104);
    g.LConnection[3].linie = QLineF(355, 104, 405, 76);
    // Two wires from the device down to its supply.
    g.LUb1[0].linie = QLineF(445, 118, 445, 170);
    g.LUb1[1].linie = QLineF(485, 118, 485, 170);
    g.versorgung = QRectF(425, 170, 80, 22);
    return g;
}

QRect diagrammLabelRect(int labelIndex) {
    switch (labelIndex) {
    case idx::labPC: return QRect(10, 124, 180, 20);
    case idx::labUsb: return QRect(175, 44, 215, 20);
    case idx::labKav: return QRect(405, 64, 120, 24);
    case idx::labVersorgungDiagramm: return QRect(300, 196, 270, 20);
    default: return {};
    }
}

ConnectionDiagram::ConnectionDiagram(QWidget* parent) : QWidget(parent), g_(diagrammGeometrie()) {
    setObjectName(QStringLiteral("Verbindungsdiagramm"));
}

std::uint32_t ConnectionDiagram::LConnection(int index) const {
    return (index >= 0 && index < 4) ? g_.LConnection[static_cast<std::size_t>(index)].BorderColor : 0;
}

std::uint32_t ConnectionDiagram::LUb1(int index) const {
    return (index >= 0 && index < 2) ? g_.LUb1[static_cast<std::size_t>(index)].BorderColor : 0;
}

void ConnectionDiagram::setLConnection(int index, std::uint32_t farbe) {
    if (index < 0 || index >= 4 || g_.LConnection[static_cast<std::size_t>(index)].BorderColor == farbe)
        return;
    g_.LConnection[static_cast<std::size_t>(index)].BorderColor = farbe;
    update();
    emit farbenGeaendert();
}

void ConnectionDiagram::setLUb1(int index, std::uint32_t farbe) {
    if (index < 0 || index >= 2 || g_.LUb1[static_cast<std::size_t>(index)].BorderColor == farbe)
        return;
    g_.LUb1[static_cast<std::size_t>(index)].BorderColor = farbe;
    update();
    emit farbenGeaendert();
}

void ConnectionDiagram::setAlleLConnection(std::uint32_t farbe) {
    for (int i = 0; i < 4; ++i)
        setLConnection(i, farbe);
}

void ConnectionDiagram::setAlleLUb1(std::uint32_t farbe) {
    for (int i = 0; i < 2; ++i)
        setLUb1(i, farbe);
}

void ConnectionDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // PC: a screen on a foot.
    p.setPen(QPen(qtFarbe(g_.LPC1.BorderColor), 2));
    p.setBrush(QColor(235, 240, 245));
    p.drawRoundedRect(g_.LPC1.rect.adjusted(0, 0, 0, -14), 4, 4);
    p.setBrush(QColor(200, 220, 235));
    p.drawRect(g_.LPC1.rect.adjusted(8, 8, -8, -22));
    const QPointF fuss = QPointF(g_.LPC1.rect.center().x(), g_.LPC1.rect.bottom() - 14);
    p.drawLine(fuss, fuss + QPointF(0, 8));
    p.drawLine(fuss + QPointF(-24, 12), fuss + QPointF(24, 12));

    // The device: a box with a display window.
    p.setPen(QPen(qtFarbe(g_.Lkav1.BorderColor), 2));
    p.setBrush(QColor(235, 240, 245));
    p.drawRoundedRect(g_.Lkav1.rect, 6, 6);
    p.setBrush(QColor(200, 220, 235));
    p.drawRect(QRectF(g_.Lkav1.rect.left() + 14, g_.Lkav1.rect.top() + 8, g_.Lkav1.rect.width() - 28, 18));

    // Supply block.
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(g_.versorgung);
    p.drawText(g_.versorgung, Qt::AlignCenter, QStringLiteral("+   \u2212"));

    p.setBrush(Qt::NoBrush);
    for (const DiagrammLinie& l : g_.LConnection) {
        p.setPen(QPen(qtFarbe(l.BorderColor), kLinienBreite, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(l.linie);
    }
    for (const DiagrammLinie& l : g_.LUb1) {
        p.setPen(QPen(qtFarbe(l.BorderColor), kLinienBreite, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(l.linie);
    }
}

} // namespace kav::shell
