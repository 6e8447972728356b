#include "verdict_band.h"

#include <QFontMetricsF>

#include "printout.h"

namespace kav::verdict {

namespace {

// Font sizes as pixel sizes in twips (20 per point).
constexpr int kTitlePoints = 12;
constexpr int kLinePoints = 8;
constexpr double kPad = 120;
constexpr double kLineStep = 180;
constexpr int kRows = 4; // check lines per column; two columns

QFont font(int points, bool bold) {
    QFont f = records::standardSchrift();
    f.setPixelSize(points * 20);
    f.setBold(bold);
    return f;
}

records::DruckElement text(const QString& t, double x, double y, const QFont& f, const QColor& c) {
    records::DruckElement e;
    e.text = t;
    e.ort = {x, y};
    e.schrift = f;
    e.farbe = c;
    return e;
}

} // namespace

QColor outcomeColor(Outcome o) {
    switch (o) {
    case Outcome::Pass: return {0x1b, 0x7a, 0x2e};
    case Outcome::Fail: return {0xc0, 0x1c, 0x1c};
    case Outcome::Incomplete: break;
    }
    return {0xa8, 0x6a, 0x00};
}

QColor outcomeFill(Outcome o) {
    switch (o) {
    case Outcome::Pass: return {0xe6, 0xf4, 0xe8};
    case Outcome::Fail: return {0xfc, 0xe4, 0xe4};
    case Outcome::Incomplete: break;
    }
    return {0xfd, 0xf1, 0xd6};
}

QString profileCaption(std::string_view sprache) {
    return sprache == "E" ? QStringLiteral("Test profile") : QStringLiteral("Prüfprofil");
}

void addVerdictBand(records::Druckseite& seite, const Verdict& v, const std::string& profileName,
                    std::string_view sprache) {
    const QColor strong = outcomeColor(v.result);
    records::DruckElement band;
    band.art = records::DruckElement::Art::Flaeche;
    band.rect = QRectF(kBandLeft, kBandTop, kBandWidth, kBandHeight);
    band.farbe = strong;
    band.fuellung = outcomeFill(v.result);
    seite.zusatz.push_back(band);

    const double x = kBandLeft + kPad;
    const QString title = QString::fromLatin1(outcomeName(v.result)) + QStringLiteral("   ") + profileCaption(sprache) +
                          QStringLiteral(": ") + QString::fromStdString(profileName);
    seite.zusatz.push_back(text(title, x, kBandTop + kPad, font(kTitlePoints, true), strong));

    std::vector<std::string> lines = checkLines(v, sprache);
    const QFont small = font(kLinePoints, false);
    const double top = kBandTop + kPad + kTitlePoints * 20 + 60;
    if (lines.empty()) {
        const bool e = sprache == "E";
        const QString all =
            v.checks.empty()
                ? (e ? QStringLiteral("No limit of the profile applies to this measurement.")
                     : QStringLiteral("Kein Grenzwert des Profils gilt für diese Messung."))
                : (e ? QStringLiteral("All %1 checks passed.") : QStringLiteral("Alle %1 Prüfungen bestanden."))
                      .arg(v.checks.size());
        seite.zusatz.push_back(text(all, x, top, small, Qt::black));
        return;
    }
    // Up to four lines in one column; more (a current-values result has at
    // most eight checks) in two columns of four, each line cut to its column.
    const bool two = lines.size() > kRows;
    const double column = two ? (kBandWidth - 2 * kPad) / 2 : kBandWidth - 2 * kPad;
    const QFontMetricsF metrics(small);
    for (std::size_t i = 0; i < lines.size() && i < 2 * kRows; ++i) {
        const QString line = metrics.elidedText(QString::fromStdString(lines[i]), Qt::ElideRight, column - 2 * kPad);
        seite.zusatz.push_back(text(line, x + static_cast<double>(i / kRows) * column,
                                    top + static_cast<double>(i % kRows) * kLineStep, small, Qt::black));
    }
}

} // namespace kav::verdict
