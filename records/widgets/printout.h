#pragma once
// The printout of a result page ("Drucken"): what it holds, where each part
// lands on the paper, and one function that paints it onto any QPainter: a
// printer, a PDF writer or an image. Positions are twips (1/1440 inch) from
// the top left corner of the printable area; a screen pixel is 15 twips.
//
// The content is built from the records (the saved copy of the shown result,
// the header texts, the language) through the same display rules the pages
// use, so the window, kavctl and the tests print the same page.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include "chart_layout.h"
#include "display_rules.h"
#include "result_records.h"

class QPainter;

namespace kav::records {

inline constexpr double kTwipsProZoll = 1440;
inline constexpr double kTwipsProPixel = 15;

// A caption and the text beside it, as a page shows them.
struct Beschriftet {
    QString titel;
    QString text;

    bool operator==(const Beschriftet&) const = default;
};

// The header line of every printout: encoder serial, software version,
// firmware and device serial number with their captions.
struct Kopfzeile {
    Beschriftet geberSN, software, firmware, geraetSN;
};
Kopfzeile kopfzeile(const QString& geberSN, const QString& software, const QString& firmware, const QString& geraetSN,
                    std::string_view sprache);
// "S/N Geber: G4711023 | Software Version: 1.0.2 | Firmware: V2.13 | S/N KAV100: 070123"
QString kopfzeileText(const Kopfzeile& k);

// The deviation ring's colours (0x00BBGGRR) as the window designs the
// control: largest positive deviation dark red, largest negative dark blue,
// the list orange. The bad-pulse page writes its values in them.
inline constexpr std::uint32_t kRingMaxFarbe = 0x0000C0;
inline constexpr std::uint32_t kRingMinFarbe = 0xC00000;
inline constexpr std::uint32_t kRingListenFarbe = 0x3070F0;
QColor vbFarbe(std::uint32_t bgr);

// What the window's controls measure on the screen, in pixels; the printout
// scales from them. The defaults are the window's (a window test holds them
// to it), so a printout made without the window looks the same.
struct Seitenmasse {
    QSize diagramm{769, 430}; // the chart box picGrafik(3)
    QSize panel{801, 591};    // a result panel, picGrafik(0) to (2)
    QSize ring{380, 380};     // the deviation ring on the bad-pulse panel
    int zeilenHoehe = 24;     // labAlle(33): a caption beside a value
    int anzeigeHoehe = 20;    // labAlle(14): the caption of a min/max display
    int hinweisHoehe = 20;    // labAlle(52): a note under a min/max display
};
// The window's font: the application's, 11 pixels high.
QFont standardSchrift();

// Rotational oscillation: the chart scaled by z and two rows of three values.
struct DrehschwebungDruck {
    measure::ChartLayout layout; // as the chart box shows it; not ok(): only the values are printed
    std::vector<std::int16_t> samples;
    QFont diagrammSchrift;
    Beschriftet umdrehungen, min, max;          // first row: labAlle 33, 32, 21 with txtAlle 27, 26, 25
    Beschriftet impulszahl, drehzahl, frequenz; // second row: labAlle 31, 30, 29 with txtAlle 24, 23, 22
    QFont zeilenSchrift;                        // labAlle(33)'s
};

// Current values: the three displays with their notes, supply, frame data.
struct AktuellDruck {
    Beschriftet sym0, sym90, phl;               // labAlle 14, 15, 16 and the displays' iValue
    Beschriftet versorgung, strom;              // labAlle 3, 4 with txtAlle 3, 4
    Beschriftet impulszahl, drehzahl, frequenz; // labAlle 0, 1, 2 with txtAlle 0, 1, 2
    // The note shown under the 0°, 90° and phase display ("" none shown).
    std::array<QString, 3> hinweise;
    QFont werteSchrift;   // labAlle(14)'s
    QFont hinweisSchrift; // labAlle(52)'s
};

// Bad pulses (the window's "Drucken" and kavctl's report): the
// deviation ring beside the two largest deviations and the list.
struct SchlechtimpulsDruck {
    QImage ring; // the ring as the control draws it (any resolution; drawn into its scaled place)
    QString titelPositiv, titelNegativ, titelListe, position, wert;
    Beschriftet maxPositivPos, maxPositiv, maxNegativPos, maxNegativ; // "Position:"/"Wert:" with txtAlle 5-8
    std::array<std::array<QString, 2>, 5> liste;                      // txtAlle 9-18: position, deviation
    Beschriftet impulszahl, drehzahl, frequenz, anzahl;               // txtAlle 21, 20, 19, 33
    QString legendePositiv, legendeNegativ;
    QColor farbePositiv, farbeNegativ, farbeListe;
    QFont schrift;
};

// One element on the paper, in twips of the printable area.
struct DruckElement {
    enum class Art { Text, Diagramm, Bild, Flaeche };
    Art art = Art::Text;
    QString text;
    QPointF ort;   // a text's top left corner
    QRectF rect;   // a chart's, a picture's or a filled area's place
    QFont schrift; // pixel size in twips
    QColor farbe = Qt::black;
    QColor fuellung = Qt::transparent; // a filled area's inside (its border is `farbe`)
};

struct Druckseite {
    Kopfzeile kopf;
    std::variant<std::monostate, DrehschwebungDruck, AktuellDruck, SchlechtimpulsDruck> inhalt;
    Seitenmasse masse;
    // Added by others onto the page (a verdict band above the header line),
    // painted last, in the same twips; the page's own layout stays as it is.
    std::vector<DruckElement> zusatz;

    // No page to print (no result shown).
    bool leer() const { return std::holds_alternative<std::monostate>(inhalt); }
};

// The pages built from a record as its result page shows it. `trenner` is
// the decimal separator. The oscillation chart is laid out as the window
// lays it out without "/math"; the window puts in its own chart box's.
Druckseite drehschwebungSeite(const measure::DrehschwebungWerte& w, const Kopfzeile& kopf, std::string_view sprache,
                              std::string_view trenner, const Seitenmasse& masse = {});
Druckseite aktuellSeite(const measure::AktuellWerte& w, const Kopfzeile& kopf, std::string_view sprache,
                        std::string_view trenner, const Seitenmasse& masse = {});
// `ring` is the deviation ring drawn for this record (ringBild).
Druckseite schlechtimpulsSeite(const measure::SchlechtimpulsWerte& w, const Kopfzeile& kopf, std::string_view sprache,
                               std::string_view trenner, const QImage& ring, const Seitenmasse& masse = {});
// The deviation ring as the window's control draws this record, on white
// paper, at twice the screen's resolution (its lines are one pixel wide).
QImage ringBild(const measure::BadPulseDisplay& d, const QSize& groesse);

// The zoom z: the largest that fits a picture of `pixel` into the printable
// area beside the left margin of 600 (and 30 twips to spare).
double zoom(const QSize& pixel, const QSizeF& bereich);

// Where everything goes on a printable area of `bereich` twips.
std::vector<DruckElement> druckElemente(const Druckseite& seite, const QSizeF& bereich);

// Paints the page onto a painter whose unit is one twip, with its origin at
// the top left corner of the printable area of `bereich` twips.
void druckMalen(QPainter& p, const Druckseite& seite, const QSizeF& bereich);

} // namespace kav::records
