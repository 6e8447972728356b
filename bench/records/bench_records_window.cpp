// A 10000-sample type-3 record file in the window: opened from the file
// browser and shown on its page (read, taken apart, the page's texts, the
// chart laid out and drawn into its picture, the box repainted), and saved
// with "Daten speichern" (the dialog answered at once, the file written
// atomically with its flush to the disk). Offscreen platform, simulated
// device in the process.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "chart_box.h"
#include "clock.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "kav_main.h"
#include "panel_widgets.h"
#include "record_file.h"
#include "simulated_converter.h"
#include "ten_thousand.h"
#include "window_access.h"

namespace {

using namespace kav;
using namespace kav::test;

using bench::zehntausend;

// The save dialog chooses one file; an existing one is replaced.
class FesteDialoge final : public shell::Dialoge {
public:
    QString datei;
    Antwort meldung(const QString&, const QString&, Knoepfe knoepfe, Symbol) override {
        return knoepfe == Knoepfe::JaNein ? Antwort::Ja : Antwort::Ok;
    }
    QString speichernUnter(const SpeichernOptionen&) override { return datei; }
    QString adminDialog(const QString&) override { return {}; }
    void about(const AboutInhalt&) override {}
};

struct Fenster {
    QTemporaryDir ordner;
    ManualClock uhr;
    std::unique_ptr<sim::SimulatedConverter> geraet;
    std::unique_ptr<shell::KAV_Main> w;
    FesteDialoge dialoge;

    Fenster() {
        shell::setDialoge(&dialoge);
        sim::SimOptions o;
        o.clock = &uhr;
        geraet = std::make_unique<sim::SimulatedConverter>(o);
        QFile ini(QDir(ordner.path()).filePath(QStringLiteral("Settings.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[KAV]\r\nConnect on load=1\r\nLanguage=E\r\n");
        ini.close();
        shell::ProgramEnvironment u;
        u.folder = ordner.path();
        u.executableName = QStringLiteral("KavStudio");
        u.ftApi = geraet.get();
        u.clock = &uhr;
        u.lockFolder = ordner.path();
        u.controlFolder = QStringLiteral(KAV_CONTROL_FOLDER);
        w = std::make_unique<shell::KAV_Main>(u);
        w->Form_Load();
        w->Form_Activate();
        jobsAbwarten(*w);
        w->show();
        QApplication::processEvents();
    }
    ~Fenster() {
        w.reset();
        shell::setDialoge(nullptr);
    }
    QString datei(const QString& name) const { return QDir(ordner.path()).filePath(name); }
};

void BM_Type3_10000_OpenAndShow(benchmark::State& state) {
    Fenster f;
    QFile kav(f.datei(QStringLiteral("Welle.kav")));
    const records::Dateiinhalt d =
        records::DateiSchreiben3(zehntausend(), {"V2.13", "G4711023", "070123", "Welle A"}, {2008, 3, 7, 9, 5, 0});
    if (!kav.open(QIODevice::WriteOnly) || kav.write(d.bytes.data(), static_cast<qint64>(d.bytes.size())) < 0) {
        state.SkipWithError("cannot write the record file");
        return;
    }
    kav.close();
    f.w->btnAlle_Click(shell::idx::btnDatenVomComputer);
    jobsAbwarten(*f.w);
    ansicht(*f.w).fleAlle0->setPath(f.ordner.path());
    ansicht(*f.w).fleAlle0->setCurrentRow(0);
    for (auto _ : state) {
        f.w->DateiOeffnen();
        // Shown: the chart box paints its picture now.
        ansicht(*f.w).chartBox()->repaint();
    }
    if (sitzung(*f.w).drehschwebung().gespeichert.AnzahlMesswerte != 10000 ||
        ansicht(*f.w).chartBox()->samples().size() != 10000)
        state.SkipWithError("the record was not shown");
}
BENCHMARK(BM_Type3_10000_OpenAndShow)->Unit(benchmark::kMillisecond);

void BM_Type3_10000_SaveFromThePage(benchmark::State& state) {
    Fenster f;
    f.w->btnAlle_Click(shell::idx::btnDatenVomComputer);
    jobsAbwarten(*f.w);
    sitzung(*f.w).drehschwebung().live = zehntausend();
    messen(*f.w).anzeigen(3);
    f.dialoge.datei = f.datei(QStringLiteral("Gespeichert.kav"));
    for (auto _ : state)
        daten(*f.w).OnlineDatenSpeichern(3);
    if (QFileInfo(f.dialoge.datei).size() != 89 + 4 * 10000)
        state.SkipWithError("the record was not saved");
}
BENCHMARK(BM_Type3_10000_SaveFromThePage)->Unit(benchmark::kMillisecond);

} // namespace
