// Renders the trend window offscreen into PNG files for looking at: a short
// run, a long run (a day), with limit bands, with code gaps, in German and
// English. Usage: trend_shots FOLDER
#include <QApplication>
#include <QDir>
#include <cmath>

#include "language_table.h"
#include "trend_window.h"

namespace {
using namespace kav::measure;

AktuellWerte lesung(double t, bool luecken) {
    AktuellWerte w;
    w.Impulszahl = 1024;
    const double warm = 1 - std::exp(-t / 3000.0); // an encoder warming up
    w.Drehzahl = static_cast<float>(1500 + 40 * std::sin(t / 20.0) + 15 * warm + std::fmod(t * 7.3, 3.0));
    w.Frequenz = static_cast<std::int32_t>(w.Drehzahl * 1024 / 60);
    w.Versorgungsspannung = static_cast<float>(24.1 - 0.4 * warm - (std::fmod(t, 600) < 20 ? 0.8 : 0));
    w.Stromaufnahme = static_cast<std::int16_t>(82 + 6 * warm + std::fmod(t * 3.1, 2.0));
    w.Symmetrie0 = static_cast<std::uint8_t>(static_cast<int>(std::lround(2 * std::sin(t / 30.0))) & 0xFF);
    w.Symmetrie90 = static_cast<std::uint8_t>(static_cast<int>(std::lround(-3 + 2 * std::cos(t / 45.0))) & 0xFF);
    w.Phasenlage = static_cast<std::uint8_t>(static_cast<int>(std::lround(1.5 * std::sin(t / 60.0))) & 0xFF);
    if (luecken) {
        const double p = std::fmod(t, 90);
        if (p > 40 && p < 52)
            w.Symmetrie0 = w.Symmetrie90 = 110;
        if (p > 70 && p < 75)
            w.Phasenlage = 120;
    }
    return w;
}

void aufnahme(const QString& ordner, const QString& name, const char* sprache, double sekunden, bool luecken,
              bool grenzen) {
    const std::string code = sprache;
    TrendWindow f([code](const std::string& d) { return kav::texts::sprachText(d, code); }, code == "D" ? "," : ".");
    f.resize(1000, 820);
    if (grenzen) {
        std::array<TrendGrenze, kTrendReihen> g{};
        g[index(TrendReihe::Drehzahl)] = {1450.0, 1600.0};
        g[index(TrendReihe::Versorgungsspannung)] = {23.5, std::nullopt};
        g[index(TrendReihe::Stromaufnahme)] = {std::nullopt, 90.0};
        g[index(TrendReihe::Symmetrie0)] = {-5.0, 5.0};
        g[index(TrendReihe::Symmetrie90)] = {-5.0, 5.0};
        g[index(TrendReihe::Phasenlage)] = {-4.0, 4.0};
        f.setGrenzen(g);
    }
    f.anhalten(true);
    for (double t = 0; t <= sekunden; t += 0.5)
        f.messungHinzufuegen(t, lesung(t, luecken));
    f.anhalten(false);
    f.show();
    QApplication::processEvents();
    f.grab().save(ordner + QLatin1Char('/') + name + QLatin1Char('_') + QString::fromLatin1(sprache) +
                  QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(ordner);
    for (const char* s : {"D", "E"}) {
        aufnahme(ordner, QStringLiteral("trend_short"), s, 45, false, false);
        aufnahme(ordner, QStringLiteral("trend_long"), s, 24 * 3600 - 1, false, false);
        aufnahme(ordner, QStringLiteral("trend_limits"), s, 1800, false, true);
        aufnahme(ordner, QStringLiteral("trend_gaps"), s, 300, true, false);
    }
    return 0;
}
