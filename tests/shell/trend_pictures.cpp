// Pictures of the trend and of an encoder's history for looking at, not a
// check: run with --gtest_also_run_disabled_tests and KAV_SHOT_DIR set.
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>

#include "archive_fixture.h"
#include "control_indexes.h"
#include "encoder_history.h"
#include "globals.h"
#include "language.h"
#include "measure_window_fixture.h"
#include "trend_window.h"

namespace kav::test {
namespace {

using measure::AktuellWerte;

std::uint8_t prozent(int p) { return static_cast<std::uint8_t>(static_cast<std::int8_t>(p)); }

// A warming encoder: speed wobbling around 1500, the supply sagging, the
// current rising; `luecken` puts codes into the percentages now and then.
AktuellWerte lesung(std::size_t i, bool luecken) {
    const double t = static_cast<double>(i);
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = static_cast<float>(1500 + 40 * std::sin(t / 37) + 7 * std::sin(t * 1.7));
    w.Frequenz = static_cast<std::int32_t>(w.Drehzahl * 1024 / 60);
    w.Versorgungsspannung = static_cast<float>(24.2 - 0.6 * (1 - std::exp(-t / 3000)) + 0.05 * std::sin(t));
    w.Stromaufnahme = static_cast<std::int16_t>(80 + 12 * (1 - std::exp(-t / 2000)) + (i % 3));
    w.Symmetrie0 = prozent(static_cast<int>(3 * std::sin(t / 50)) + 2);
    w.Symmetrie90 = prozent(static_cast<int>(-2 + 4 * std::sin(t / 90)));
    w.Phasenlage = prozent(static_cast<int>(std::lround(2 * std::cos(t / 70))));
    if (luecken && (i / 15) % 4 == 1)
        w.Symmetrie0 = 110;
    if (luecken && (i / 25) % 5 == 3)
        w.Phasenlage = 127;
    return w;
}

measure::Translator uebersetzer() {
    return [](const std::string& d) { return shell::SprachText(QString::fromStdString(d)).toStdString(); };
}

void speichern(QWidget& w, const QString& name) {
    const QString ordner = qEnvironmentVariable("KAV_SHOT_DIR");
    w.grab().save(QDir(ordner).filePath(name + QLatin1Char('-') +
                                        (shell::global().Sprache == QLatin1String("D") ? "de" : "en") + ".png"));
}

class Bilder : public MessFensterTest {};

TEST_F(Bilder, DISABLED_TrendAndHistory) {
    ASSERT_FALSE(qEnvironmentVariable("KAV_SHOT_DIR").isEmpty());
    for (const char* sprache : {"D", "E"}) {
        shell::global().Sprache = QString::fromLatin1(sprache);
        const auto trend = [&](const QString& name, std::size_t anzahl, bool luecken, bool grenzen) {
            measure::TrendWindow t(uebersetzer(), ".");
            t.resize(1000, 800);
            if (grenzen) {
                std::array<measure::TrendGrenze, measure::kTrendReihen> g{};
                g[0] = {1450, 1550};
                g[2] = {23.5, 25.0};
                g[3] = {std::nullopt, 90};
                g[4] = {-5, 5};
                g[5] = {-5, 5};
                g[6] = {-3, 3};
                t.setGrenzen(g);
            }
            t.anhalten(true); // one picture at the end, not one per reading
            for (std::size_t i = 0; i < anzahl; ++i)
                t.messungHinzufuegen(0.5 * static_cast<double>(i), lesung(i, luecken));
            t.anhalten(false);
            t.show();
            speichern(t, name);
        };
        trend(QStringLiteral("trend-short"), 120, false, false);
        trend(QStringLiteral("trend-long"), 172800, false, false);
        trend(QStringLiteral("trend-limits"), 600, false, true);
        trend(QStringLiteral("trend-gaps"), 300, true, false);

        // The page with its trend button.
        auto w = verbunden("--steady --speed 1480", sprache);
        w->btnAlle_Click(shell::idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        w->show();
        speichern(*w, QStringLiteral("page-current"));

        // An encoder with a dozen tests over two months.
        QTemporaryDir dir;
        archive::Archive a;
        ASSERT_FALSE(a.open(dir.filePath(QStringLiteral("a.sqlite"))));
        const char* urteile[] = {"PASS", "PASS", nullptr, "PASS", "FAIL", "PASS", "INCOMPLETE", "PASS", "PASS", "FAIL", "PASS", "PASS"};
        for (int n = 0; n < 12; ++n) {
            archive::Added added;
            const int typ = n % 4 == 3 ? 3 : 1;
            ASSERT_FALSE(a.add({recordBytes(n, typ, "G4711023", "M", {2024, 3 + n / 6, 1 + (n % 6) * 5, 9, n, 0}),
                                archive::Source::File, std::nullopt,
                                urteile[n] ? std::optional<QString>(QString::fromLatin1(urteile[n])) : std::nullopt},
                               added));
        }
        shell::GeberVerlauf v;
        ASSERT_FALSE(shell::verlaufLaden(a, QStringLiteral("G4711023"), v));
        shell::HistoryWindow h(v);
        h.show();
        speichern(h, QStringLiteral("history"));
    }
}

} // namespace
} // namespace kav::test
