#include "protocol.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "ansi_utf8.h"
#include "atomic_file.h"
#include "decimal_separator.h"
#include "display_rules.h"
#include "print_output.h"
#include "protocol_summary.h"
#include "record_texts.h"
#include "verdict_band.h"

namespace kav::verdict {

namespace {

QString ansi(const std::string& bytes) { return QString::fromStdString(ansiToUtf8(bytes)); }

QString title(const ProtocolData& d, std::string_view sprache) {
    return (sprache == "E" ? QStringLiteral("Test protocol ") : QStringLiteral("Prüfprotokoll ")) +
           ansi(d.report.encoderSerial);
}

// "Prüfprotokoll G4711023 · Seite 2 von 4" at the foot of every page.
void footer(QPainter& p, const ProtocolData& d, std::string_view sprache, const QSizeF& bereich, int page) {
    QFont f = records::standardSchrift();
    f.setPixelSize(8 * 20);
    p.setFont(f);
    p.setPen(QColor(0x60, 0x60, 0x60));
    const QString text =
        title(d, sprache) + (sprache == "E" ? QStringLiteral(" · page %1 of %2") : QStringLiteral(" · Seite %1 von %2"))
                                .arg(page)
                                .arg(kProtocolPages);
    p.drawText(QPointF(600, bereich.height() - 300), text);
}

} // namespace

std::array<records::Druckseite, kStepCount> protocolResultPages(const ProtocolData& d, std::string_view sprache,
                                                                std::string_view trenner) {
    const RunReport& r = d.report;
    const records::Kopfzeile kopf =
        records::kopfzeile(ansi(r.encoderSerial), d.software, ansi(r.firmware), ansi(r.deviceSerial), sprache);
    const measure::Translator t = [sprache](const std::string& deutsch) { return records::T(deutsch, sprache); };
    // A clean encoder's ring shows no deviation: that is its proof, so it is drawn too.
    const QImage ring =
        records::ringBild(measure::badPulseDisplay(r.badPulses, trenner, t), records::Seitenmasse{}.ring);
    std::array<records::Druckseite, kStepCount> pages{
        records::aktuellSeite(r.current, kopf, sprache, trenner),
        records::schlechtimpulsSeite(r.badPulses, kopf, sprache, trenner, ring),
        records::drehschwebungSeite(r.oscillation, kopf, sprache, trenner),
    };
    for (int i = 0; i < kStepCount; ++i)
        addVerdictBand(pages[static_cast<std::size_t>(i)], r.verdicts[static_cast<std::size_t>(i)], r.profile.name,
                       sprache);
    return pages;
}

bool paintProtocol(QPagedPaintDevice& device, const ProtocolData& d, std::string_view sprache) {
    const std::string trenner = measure::systemDezimalTrenner();
    const auto pages = protocolResultPages(d, sprache, trenner);
    QPainter p;
    if (!p.begin(&device))
        return false;
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QSizeF bereich = records::druckbereich(device);
    // Every page in twips from the top left corner of its printable area.
    const auto page = [&](int n, const auto& paint) {
        if (n > 1)
            device.newPage();
        p.save();
        p.scale(device.logicalDpiX() / records::kTwipsProZoll, device.logicalDpiY() / records::kTwipsProZoll);
        paint();
        footer(p, d, sprache, bereich, n);
        p.restore();
    };
    page(1, [&] { paintProtocolSummary(p, d, sprache, bereich); });
    for (int i = 0; i < kStepCount; ++i)
        page(i + 2, [&] { records::druckMalen(p, pages[static_cast<std::size_t>(i)], bereich); });
    return p.end();
}

QByteArray protocolPdf(const ProtocolData& d, std::string_view sprache) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly))
            return {};
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("KavStudio - ") + title(d, sprache));
        writer.setCreator(QStringLiteral("KavStudio"));
        writer.setResolution(1200);
        // The printout's paper: A4 portrait within a quarter inch.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
        if (!paintProtocol(writer, d, sprache))
            return {};
    }
    return pdf;
}

std::string writeProtocolPdf(const std::filesystem::path& file, const ProtocolData& d, std::string_view sprache) {
    const QByteArray pdf = protocolPdf(d, sprache);
    const records::DateiFehler f =
        pdf.isEmpty()
            ? records::DateiFehler::EAFehler
            : records::atomarSchreiben(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (f == records::DateiFehler::Keiner)
        return {};
    std::string why = records::speicherFehlerMeldung(f, sprache).text;
    for (auto at = why.find("\r\n"); at != std::string::npos; at = why.find("\r\n"))
        why.replace(at, 2, " ");
    return why;
}

} // namespace kav::verdict
