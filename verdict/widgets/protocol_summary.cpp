#include "protocol_summary.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ansi_utf8.h"
#include "device_header.h"
#include "protocol.h"
#include "record_texts.h"
#include "verdict_band.h"

namespace kav::verdict {

namespace {

constexpr double kLeft = 600;
constexpr double kValueColumn = 3000;  // identity values, from the left edge
constexpr double kResultColumn = 2200; // check results, from the right edge
constexpr double kRow = 260;

QFont font(int points, bool bold) {
    QFont f = records::standardSchrift();
    f.setPixelSize(points * 20); // twips
    f.setBold(bold);
    return f;
}

// Draws `t` with its top left corner at (x, y).
void text(QPainter& p, const QString& t, double x, double y, const QFont& f, const QColor& c = Qt::black) {
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPointF(x, y + QFontMetricsF(f).ascent()), t);
}

QString ansi(const std::string& bytes) { return QString::fromStdString(ansiToUtf8(bytes)); }

Outcome colourOf(CheckResult r) {
    return r == CheckResult::Pass ? Outcome::Pass : r == CheckResult::Fail ? Outcome::Fail : Outcome::Incomplete;
}

} // namespace

void paintProtocolSummary(QPainter& p, const ProtocolData& d, std::string_view sprache, const QSizeF& bereich) {
    const bool e = sprache == "E";
    const RunReport& r = d.report;
    const double right = bereich.width() - 300;
    double y = 300;

    text(p, e ? QStringLiteral("Test protocol") : QStringLiteral("Prüfprotokoll"), kLeft, y, font(18, true));
    y += 18 * 20 + 300;

    // Identity, with the captions of the printout's header line.
    const records::Kopfzeile k =
        records::kopfzeile(ansi(r.encoderSerial), d.software, ansi(r.firmware), ansi(r.deviceSerial), sprache);
    const records::Beschriftet rows[] = {
        {profileCaption(sprache) + QStringLiteral(":"), QString::fromStdString(r.profile.name)},
        k.geberSN,
        k.geraetSN,
        k.firmware,
        k.software,
        {e ? QStringLiteral("Date:") : QStringLiteral("Datum:"), QString::fromStdString(records::datumText(r.time))},
    };
    for (const auto& row : rows) {
        text(p, row.titel, kLeft, y, font(10, false));
        text(p, row.text, kLeft + kValueColumn, y, font(10, true));
        y += kRow;
    }
    y += 200;

    // The unit's verdict.
    const double bandHeight = 1000;
    p.setPen(QPen(outcomeColor(r.unit), 20));
    p.setBrush(outcomeFill(r.unit));
    p.drawRect(QRectF(kLeft, y, right - kLeft, bandHeight));
    p.setBrush(Qt::NoBrush);
    text(p, e ? QStringLiteral("Verdict on the unit under test") : QStringLiteral("Urteil über den Prüfling"),
         kLeft + 200, y + 120, font(10, false));
    text(p, QString::fromLatin1(outcomeName(r.unit)), kLeft + 200, y + 380, font(24, true), outcomeColor(r.unit));
    y += bandHeight + 400;

    // Every check of the three results.
    const QColor grey(0x60, 0x60, 0x60);
    for (int i = 0; i < kStepCount; ++i) {
        const Verdict& v = r.verdicts[static_cast<std::size_t>(i)];
        const QString title = QString::fromStdString(records::T(records::seitenTitel(i + 1), sprache));
        text(p, title, kLeft, y, font(12, true));
        text(p, QString::fromLatin1(outcomeName(v.result)), right - kResultColumn, y, font(12, true),
             outcomeColor(v.result));
        y += 12 * 20 + 80;
        p.setPen(QPen(grey, 10));
        p.drawLine(QPointF(kLeft, y), QPointF(right, y));
        y += 60;
        text(p, e ? QStringLiteral("Check (value, limit)") : QStringLiteral("Prüfung (Messwert, Grenze)"), kLeft + 200,
             y, font(8, false), grey);
        text(p, e ? QStringLiteral("Result") : QStringLiteral("Ergebnis"), right - kResultColumn, y, font(8, false),
             grey);
        y += 220;
        if (v.checks.empty()) {
            text(p,
                 e ? QStringLiteral("No limit of the profile applies to this measurement.")
                   : QStringLiteral("Kein Grenzwert des Profils gilt für diese Messung."),
                 kLeft + 200, y, font(10, false));
            y += kRow;
        }
        for (const Check& c : v.checks) {
            text(p, QString::fromStdString(checkLine(c, sprache)), kLeft + 200, y, font(10, false));
            text(p, QString::fromLatin1(checkResultName(c.result)), right - kResultColumn, y, font(10, true),
                 outcomeColor(colourOf(c.result)));
            y += kRow;
        }
        y += 300;
    }
}

} // namespace kav::verdict
