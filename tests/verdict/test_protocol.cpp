// The verdict on paper: the band on a printout and the test run's protocol.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "print_output.h"
#include "protocol.h"
#include "verdict_band.h"

namespace {

using namespace kav;
using namespace kav::verdict;

Profile profile() {
    return *parseProfile(R"({"name": "Geber 1024", "pulses": 1024, "supply_voltage_v": [4.75, 5.25],
        "bad_pulses_max": 0, "oscillation_pp_arcsec_max": 300})",
                         "p.json")
                .profile;
}

// A unit whose supply is too high, with a clean encoder's bad-pulse result.
ProtocolData failingUnit() {
    ProtocolData d;
    RunReport& r = d.report;
    r.profile = profile();
    r.encoderSerial = "G4711023";
    r.deviceSerial = "070123";
    r.firmware = "V2.13";
    r.time = {2024, 3, 7, 9, 5, 0};
    r.current = {
        .Impulszahl = 1024, .Drehzahl = 1500, .Frequenz = 25600, .Versorgungsspannung = 24.0f, .Stromaufnahme = 65};
    r.badPulses = {.Impulszahl = 1024, .Drehzahl = 1500, .Frequenz = 25600};
    r.oscillation = {.Messdaten = {},
                     .AnzahlMesswerte = 200,
                     .Impulszahl = 1024,
                     .Drehzahl = 1500,
                     .Frequenz = 25600,
                     .MinWert = -100,
                     .MaxWert = 120};
    for (int i = 0; i < 200; ++i)
        r.oscillation.Messdaten += i % 2 ? "1400" : "ECFF"; // 20 and -20, little-endian
    r.verdicts = {judge(r.profile, r.current), judge(r.profile, r.badPulses), judge(r.profile, r.oscillation)};
    const std::array<Outcome, 3> outcomes{r.verdicts[0].result, r.verdicts[1].result, r.verdicts[2].result};
    r.unit = unitOutcome(outcomes);
    d.software = QStringLiteral("1.0.2");
    return d;
}

std::string run(const char* tool, const QStringList& args) {
    const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (exe.isEmpty())
        return {};
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

TEST(VerdictBand, LiesAboveThePrintoutAndLeavesItsLayout) {
    const ProtocolData d = failingUnit();
    records::Druckseite page =
        records::aktuellSeite(d.report.current, records::kopfzeile("G", "1", "V", "S", "E"), "E", ".");
    const QSizeF area(11186, 16118);
    const auto before = records::druckElemente(page, area);
    const QImage plain = records::alsBild(page, 96);
    addVerdictBand(page, d.report.verdicts[0], "Geber 1024", "E");
    const auto after = records::druckElemente(page, area);
    ASSERT_GT(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i].ort, before[i].ort) << i;
    for (std::size_t i = before.size(); i < after.size(); ++i)
        EXPECT_LT(after[i].rect.bottom() > 0 ? after[i].rect.bottom() : after[i].ort.y(), 1500) << i;
    EXPECT_EQ(after[before.size() + 1].text, "FAIL   Test profile: Geber 1024");
    EXPECT_EQ(after.back().text, QString::fromUtf8("Power supply 24 V > 5.25 V"));

    // On paper: the band's pale red where the page was white.
    const QImage banded = records::alsBild(page, 96);
    // A quarter-inch margin (24 pixels at 96 dpi), then 15 twips a pixel.
    const QPoint inside(24 + static_cast<int>(kBandLeft / 15) + 10, 24 + static_cast<int>(kBandTop / 15) + 60);
    EXPECT_EQ(plain.pixelColor(inside), QColor(Qt::white));
    EXPECT_EQ(banded.pixelColor(inside), outcomeFill(Outcome::Fail));
}

TEST(Protocol, FourPagesWithEveryCheckAndTheVerdict) {
    const ProtocolData d = failingUnit();
    EXPECT_EQ(d.report.unit, Outcome::Fail);
    QTemporaryDir dir;
    const std::filesystem::path pdf = dir.filePath("Protokoll.pdf").toStdString();
    ASSERT_EQ(writeProtocolPdf(pdf, d, "D"), "");
    const QString path = QString::fromStdString(pdf.string());
    const std::string info = run("pdfinfo", {path});
    if (info.empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_NE(info.find("Pages:           4"), std::string::npos) << info;
    const std::string first = run("pdftotext", {"-f", "1", "-l", "1", "-layout", path, "-"});
    for (const char* part : {"Prüfprotokoll", "G4711023", "070123", "V2.13", "07.03.2024 - 09:05:00", "FAIL",
                             "Versorgungsspannung 24 V > 5.25 V", "Anzahl Abweichungen 0 (≤ 0)",
                             "Drehschwebung Spitze-Spitze 220 '' (≤ 300 '')", "Seite 1 von 4"})
        EXPECT_NE(first.find(part), std::string::npos) << part << "\n" << first;
    // The clean encoder's page is printed too, with its ring's centre text.
    const std::string third = run("pdftotext", {"-f", "3", "-l", "3", path, "-"});
    EXPECT_NE(third.find("PASS"), std::string::npos) << third;
    EXPECT_NE(third.find("1024"), std::string::npos) << third;
    // A folder that cannot be written is said, not ignored.
    EXPECT_NE(writeProtocolPdf(dir.filePath("no/such/folder/P.pdf").toStdString(), d, "E"), "");
}

} // namespace
