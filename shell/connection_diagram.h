#pragma once
// The wiring diagram of the connection panel: the PC box `LPC1`, the USB link
// `LConnection` 0-3, the device box `Lkav1` and the supply `LUb1` 0-1. The
// workflows colour the lines; the colours are kept as 0x00BBGGRR values.
#include <QLineF>
#include <QRectF>
#include <QWidget>
#include <array>
#include <cstdint>

namespace kav::shell {

struct DiagrammLinie {
    QLineF linie;
    std::uint32_t BorderColor = 0;
};

struct DiagrammBox {
    QRectF rect;
    std::uint32_t BorderColor = 0;
};

// Where the diagram's parts lie, in pixels of the diagram widget.
struct DiagrammGeometrie {
    DiagrammBox LPC1;
    std::array<DiagrammLinie, 4> LConnection;
    DiagrammBox Lkav1;
    std::array<DiagrammLinie, 2> LUb1;
    QRectF versorgung; // the supply block the two lines lead to
};
DiagrammGeometrie diagrammGeometrie();
// Places of the diagram's captions (labAlle 36, 37, 41, 42) in the diagram widget.
QRect diagrammLabelRect(int labelIndex);

class ConnectionDiagram : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionDiagram(QWidget* parent = nullptr);

    std::uint32_t LConnection(int index) const;
    std::uint32_t LUb1(int index) const;
    std::uint32_t LPC1() const { return g_.LPC1.BorderColor; }
    std::uint32_t Lkav1() const { return g_.Lkav1.BorderColor; }
    void setLConnection(int index, std::uint32_t farbe);
    void setLUb1(int index, std::uint32_t farbe);
    // All four USB lines, or both supply lines, at once.
    void setAlleLConnection(std::uint32_t farbe);
    void setAlleLUb1(std::uint32_t farbe);

signals:
    void farbenGeaendert();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DiagrammGeometrie g_;
};

} // namespace kav::shell
