#pragma once
// A printout on its way out: onto a printer, into a PDF, into an image. All
// three paint through druckMalen, so paper, PDF and screen show one page.
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include "printout.h"

class QPaintDevice;
class QPrinter;

namespace kav::records {

// The three page settings written before printing: (1) positions in twips,
// the unit of every number of the layout; (2) colour; (3) the printer's high
// resolution. The page is portrait; the paper is the printer's own.
void seiteEinstellen(QPrinter& drucker);

// The printable area of a paint device in twips (a printer's or a PDF
// writer's face within its margins, an image's whole face).
QSizeF druckbereich(const QPaintDevice& ziel);

// Paints the page onto any paint device, one unit one twip from the top left
// corner of its printable area. False when no painter can begin on it.
bool seiteMalen(QPaintDevice& ziel, const Druckseite& seite);

// Prints one page on a chosen printer (settings written). False when the
// printer cannot begin, or reports an error or an abort at the end.
bool drucken(QPrinter& drucker, const Druckseite& seite);

// The page as a one-page PDF: A4 portrait, the printable area inside margins
// of a quarter inch, 1200 dpi; empty when it cannot be made.
QByteArray alsPdf(const Druckseite& seite, const QString& titel);

// The page on a white A4 sheet with the same margins at `dpi` (previews,
// screenshots, tests).
QImage alsBild(const Druckseite& seite, int dpi = 96);

} // namespace kav::records
