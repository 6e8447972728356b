// The history window of one encoder and how its tests come from the archive.
#include "encoder_history.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>

#include "chart_box.h"
#include "dialogs.h"
#include "language.h"
#include "own_texts.h"
#include "printer_access.h"

namespace kav::shell {

archive::Error verlaufLaden(archive::Archive& archiv, const QString& encoderSerial, GeberVerlauf& out) {
    out = GeberVerlauf{};
    out.encoderSerial = encoderSerial;
    archive::Filter filter;
    filter.encoderSerial = encoderSerial;
    std::vector<archive::ResultRow> zeilen;
    if (archive::Error e = archiv.list(filter, zeilen))
        return e;
    const std::vector<VerlaufReihe>& reihen = verlaufReihen();
    for (const archive::ResultRow& z : zeilen) {
        std::optional<archive::StoredResult> ergebnis;
        if (archive::Error e = archiv.find(z.id, ergebnis))
            return e;
        VerlaufTest t;
        t.id = z.id;
        t.type = z.type;
        t.taken = z.taken;
        t.zeit = QDateTime::fromString(z.taken, Qt::ISODate);
        t.verdict = z.verdict;
        t.werte.resize(reihen.size());
        if (ergebnis)
            for (const auto& [name, wert] : ergebnis->values)
                for (std::size_t r = 0; r < reihen.size(); ++r)
                    if (name == QLatin1String(reihen[r].feld))
                        t.werte[r] = verlaufWert(reihen[r].art, wert);
        out.tests.push_back(std::move(t));
    }
    // The list is ordered by the time taken; equal times keep the archive's order.
    std::stable_sort(out.tests.begin(), out.tests.end(),
                     [](const VerlaufTest& a, const VerlaufTest& b) { return a.zeit < b.zeit; });
    return {};
}

void verlaufZeigen(QWidget* parent, archive::Archive& archiv, const QString& encoderSerial) {
    GeberVerlauf verlauf;
    if (archive::Error e = verlaufLaden(archiv, encoderSerial, verlauf)) {
        dialoge().meldung(eigenerText("Das Archiv konnte nicht gelesen werden.") + QLatin1Char('\n') + e.message);
        return;
    }
    if (verlauf.tests.empty()) {
        dialoge().meldung(eigenerText("Keine archivierten Ergebnisse für diesen Geber.") + QLatin1Char('\n') +
                          encoderSerial);
        return;
    }
    auto* fenster = new HistoryWindow(std::move(verlauf), parent);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->show();
    fenster->raise();
}

HistoryWindow::HistoryWindow(GeberVerlauf verlauf, QWidget* parent)
    : QWidget(parent, Qt::Window), verlauf_(std::move(verlauf)) {
    drucken_ = new QPushButton(eigenerText("Drucken"), this);
    export_ = new QPushButton(SprachText(QStringLiteral("CSV exportieren")), this);
    status_ = new QLabel(this);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(drucken_);
    knoepfe->addWidget(export_);
    knoepfe->addWidget(status_, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(knoepfe);
    spalte->addStretch(1); // the picture fills the rest (bildRect)
    connect(drucken_, &QPushButton::clicked, this, [this] { drucken(); });
    connect(export_, &QPushButton::clicked, this, [this] { exportieren(); });
    setWindowTitle(eigenerText("Verlauf des Gebers") + QStringLiteral(" ") + verlauf_.encoderSerial);
    status_->setText(eigenerText("Tests") + QStringLiteral(": ") + QString::number(verlauf_.tests.size()));
    setMouseTracking(true);
    resize(900, 700);
    neuZeichnen();
}

QRect HistoryWindow::bildRect() const {
    const int oben = drucken_->geometry().bottom() + 8;
    return QRect(8, oben, std::max(1, width() - 16), std::max(1, height() - oben - 8));
}

void HistoryWindow::neuZeichnen() {
    const QRect r = bildRect();
    bild_ = QImage(r.size(), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    QPainter p(&bild_);
    p.setRenderHint(QPainter::Antialiasing);
    punkte_ = verlaufMalen(p, verlauf_, QRectF(QPointF(6, 6), QSizeF(r.size()) - QSizeF(12, 12)), font());
    update();
}

void HistoryWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(bildRect().topLeft(), bild_);
}

void HistoryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    neuZeichnen();
}

QString HistoryWindow::hinweisBei(const QPoint& pos) const {
    const QPointF im = QPointF(pos - bildRect().topLeft()) - QPointF(6, 6);
    for (const VerlaufPunkt& pkt : punkte_) {
        if (QLineF(pkt.ort, im).length() > 6)
            continue;
        const VerlaufTest& t = verlauf_.tests[pkt.test];
        return t.zeit.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char('\n') +
               eigenerText(verlaufReihen()[pkt.reihe].titel) + QStringLiteral(": ") +
               QString::number(*t.werte[pkt.reihe]) + QLatin1Char('\n') + eigenerText("Urteil") +
               QStringLiteral(": ") + t.verdict.value_or(eigenerText("ohne Urteil"));
    }
    return {};
}

bool HistoryWindow::event(QEvent* event) {
    return measure::hinweisEreignis(*this, event, [this](const QPoint& p) { return hinweisBei(p); }) ||
           QWidget::event(event);
}

bool HistoryWindow::exportieren() {
    Dialoge::SpeichernOptionen o;
    o.titel = windowTitle();
    o.standardErweiterung = QStringLiteral(".csv");
    o.dateiname = eigenerText("Verlauf.csv");
    o.filter = SprachText(QStringLiteral("CSV-Datei (*.csv)|*.csv"));
    const QString datei = dialoge().speichernUnter(o);
    if (datei == o.dateiname)
        return false; // cancelled
    bool ok = false;
    {
        std::ofstream aus(std::filesystem::path(datei.toStdU16String()), std::ios::binary | std::ios::trunc);
        if (aus) {
            verlaufCsvSchreiben(aus, verlauf_);
            aus.close();
            ok = !aus.fail();
        }
    }
    if (!ok)
        dialoge().meldung(SprachText(QStringLiteral("Die Datei konnte nicht gespeichert werden.")) + QLatin1Char('\n') +
                          datei);
    return ok;
}

bool HistoryWindow::drucken() {
    const QString drucker = druckerzugang().standardDrucker();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    if (!drucker.isEmpty()) {
        printer.setPrinterName(drucker);
    } else {
        // No printer set up: the same page as a PDF file.
        Dialoge::SpeichernOptionen o;
        o.titel = windowTitle();
        o.standardErweiterung = QStringLiteral(".pdf");
        o.dateiname = eigenerText("Verlauf.csv").replace(QStringLiteral(".csv"), QStringLiteral(".pdf"));
        o.filter = QStringLiteral("PDF (*.pdf)|*.pdf");
        const QString datei = dialoge().speichernUnter(o);
        if (datei == o.dateiname)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(datei);
    }
    QPainter p;
    if (!p.begin(&printer)) {
        dialoge().meldung(SprachText(QStringLiteral("Die Seite konnte nicht gedruckt werden.")));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    QFont schrift = font();
    schrift.setPointSizeF(10);
    verlaufMalen(p, verlauf_, QRectF(printer.pageLayout().paintRectPixels(printer.resolution()).translated(
                                         -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft())),
                 schrift);
    return p.end();
}

} // namespace kav::shell
