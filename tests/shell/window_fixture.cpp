#include "window_fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>

#include "scenario_flags.h"
#include "session_adapter.h"
#include "sim_ft_api.h"
#include "test_application.h"

namespace kav::test {

FensterTest::FensterTest() {
    testApplication();
    // Every window starts from the program's defaults.
    shell::global() = shell::Global{};
    uhr_.setLocalTime({2008, 3, 5, 9, 4, 7});
    // The user's own archive (the default) lies in the test's folder, never in the real one.
    qputenv("XDG_DATA_HOME", QDir(ordner_.path()).filePath(QStringLiteral("data")).toLocal8Bit());
}

FensterTest::~FensterTest() = default;

sim::SimulatedConverter& FensterTest::geraet() {
    if (!geraet_)
        neuesGeraet(sim::Scenario{});
    return *geraet_;
}

void FensterTest::neuesGeraet(const sim::Scenario& scenario) {
    sim::SimOptions o;
    o.clock = &uhr_;
    o.scenario = scenario;
    geraet_ = std::make_unique<sim::SimulatedConverter>(o);
}

void FensterTest::neuesGeraet(const std::string& flags) {
    sim::SimOptions o;
    std::string fehler;
    EXPECT_TRUE(sim::applySimFlags(sim::splitFlags(flags), o, fehler)) << fehler;
    o.clock = &uhr_;
    geraet_ = std::make_unique<sim::SimulatedConverter>(o);
}

shell::ProgramEnvironment FensterTest::umgebung(const QString& befehlszeile) {
    shell::ProgramEnvironment u;
    u.folder = ordner_.path();
    u.executableName = QStringLiteral("KavStudio");
    u.title = QStringLiteral("KavStudio");
    u.versionMajor = 1;
    u.versionMinor = 2;
    u.versionRevision = 3;
    u.commandLine = befehlszeile;
    u.ftApi = &geraet();
    u.clock = &uhr_;
    u.lockFolder = ordner_.path();
    u.controlFolder = ordner_.path();
    return u;
}

std::unique_ptr<shell::KAV_Main> FensterTest::starte(const QString& befehlszeile) {
    auto w = std::make_unique<shell::KAV_Main>(umgebung(befehlszeile));
    EXPECT_TRUE(w->Form_Load());
    return w;
}

std::unique_ptr<shell::KAV_Main> FensterTest::starteUndAktiviere(const QString& befehlszeile) {
    auto w = starte(befehlszeile);
    w->Form_Activate();
    warteBisFrei(*w);
    return w;
}

QString FensterTest::iniPfad() const { return QDir(ordner_.path()).filePath(QStringLiteral("Settings.ini")); }

void FensterTest::schreibeSettings(const QByteArray& inhalt) {
    QFile f(iniPfad());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(inhalt);
}

QByteArray FensterTest::settings() const {
    QFile f(iniPfad());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool FensterTest::settingsExistiert() const { return QFile::exists(iniPfad()); }

void FensterTest::offlineStart(const QByteArray& sprache) {
    schreibeSettings("[KAV]\r\nConnect on load=0\r\nLanguage=" + sprache + "\r\n");
}

sim::Scenario ohneWandler() {
    sim::Scenario s;
    s.noConverter = true;
    return s;
}

sim::Scenario versionAbgelehnt() {
    sim::Scenario s;
    s.refuseVersion = true;
    return s;
}

sim::Scenario ohneBefehl(const std::string& name) {
    sim::Scenario s;
    s.omittedCommands.push_back(name);
    return s;
}

QString beschriftung(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return {};
}

} // namespace kav::test
