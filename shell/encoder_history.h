#pragma once
// The history of one encoder: the judged values of every archived test of
// its serial over time, one point per test coloured by its verdict. One
// renderer draws it on the screen and on paper; the window (non-modal)
// prints it and exports it as CSV.
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <ostream>
#include <vector>

#include "archive.h"

class QLabel;
class QPainter;
class QPushButton;

namespace kav::shell {

// Opens the history window of the encoder serial (non-modal, closed with its
// parent); an unreadable archive is said in a message instead.
void verlaufZeigen(QWidget* parent, archive::Archive& archiv, const QString& encoderSerial);

// One archived test: when it was taken, its verdict and its judged values
// (one slot per series of kVerlaufReihen; nullopt when the test has none).
struct VerlaufTest {
    qint64 id = 0;
    int type = 0;
    QString taken; // 2024-03-07T09:05:00
    QDateTime zeit;
    std::optional<QString> verdict;
    std::vector<std::optional<double>> werte;
};

// The values a profile judges, by their name in the archive, in drawing order.
// The archive keeps a signed byte as it was sent (0..255).
enum class VerlaufArt {
    Zahl,       // as it is
    Byte,       // a signed byte
    Symmetrie,  // a signed percentage byte or a code (101..126: no value)
    Phasenlage, // as Symmetrie, codes 101..127
};
struct VerlaufReihe {
    const char* feld;  // "Drehzahl"
    const char* titel; // "Drehzahl (1/min)", German key of eigenerText
    VerlaufArt art;
};
// The value of a series from the archive's number; nullopt for a code.
std::optional<double> verlaufWert(VerlaufArt art, double archiviert);
const std::vector<VerlaufReihe>& verlaufReihen();

struct GeberVerlauf {
    QString encoderSerial;
    std::vector<VerlaufTest> tests; // oldest first
    // Whether any test has a value of series i (only those get a strip).
    bool hatReihe(std::size_t i) const;
};

// The tests of the serial from the archive.
archive::Error verlaufLaden(archive::Archive& archiv, const QString& encoderSerial, GeberVerlauf& out);

// The colour of a verdict: PASS green, FAIL red, INCOMPLETE orange, none grey.
QColor urteilFarbe(const std::optional<QString>& verdict);

// Where a test's point lies on a target, for tests and the hover text.
struct VerlaufPunkt {
    std::size_t test = 0, reihe = 0;
    QPointF ort;
    QColor farbe;
};
// The picture onto any painter's rectangle (screen image or printer page);
// returns the points drawn.
std::vector<VerlaufPunkt> verlaufMalen(QPainter& p, const GeberVerlauf& v, const QRectF& ziel, const QFont& schrift);
QImage verlaufBild(const GeberVerlauf& v, const QSize& groesse, const QFont& schrift);

// One line per test: taken, id, type, verdict, then one column per series
// (decimal point "."; no value an empty cell).
void verlaufCsvSchreiben(std::ostream& aus, const GeberVerlauf& v);

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    explicit HistoryWindow(GeberVerlauf verlauf, QWidget* parent = nullptr);

    const GeberVerlauf& verlauf() const { return verlauf_; }
    const QImage& bild() const { return bild_; }
    const std::vector<VerlaufPunkt>& punkte() const { return punkte_; }
    // Asks for a file name (the program's dialogs) and writes the CSV.
    bool exportieren();
    // On the default printer, or as a PDF the user names when none is set up.
    bool drucken();
    QString hinweisBei(const QPoint& pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void neuZeichnen();
    QRect bildRect() const;

    GeberVerlauf verlauf_;
    QImage bild_;
    std::vector<VerlaufPunkt> punkte_;
    QPushButton* drucken_ = nullptr;
    QPushButton* export_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace kav::shell
