// The stall scenarios against kav100sim serving the device on a pseudo-terminal
// with wire time on, the window on it through "/port:". Each run starts a fresh
// device and a fresh window; the window is driven only through its entry
// points and read only through its widgets, found by object name, so the
// figures compare whether the work runs in the click or beside it.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "bench_ui_stall.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "kav_main.h"
#include "program_environment.h"

namespace kav::bench {

namespace {

namespace idx = shell::idx;

constexpr int kSetupMs = 60000;
constexpr int kDeadlineMs = 120000;

// Messages are answered at once and remembered: one during a run spoils it.
class AnsweringDialogs final : public shell::Dialoge {
public:
    QStringList messages;
    Antwort meldung(const QString& text, const QString&, Knoepfe knoepfe, Symbol) override {
        messages << text;
        return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
    }
    QString speichernUnter(const SpeichernOptionen& o) override { return o.dateiname; }
    QString adminDialog(const QString&) override { return {}; }
    void about(const AboutInhalt&) override {}
};

class PtyDevice {
public:
    explicit PtyDevice(const QStringList& flags) {
        process_.start(QStringLiteral(KAV100SIM_PATH), QStringList{QStringLiteral("--pty")} + flags);
        if (process_.waitForStarted(10000) && process_.waitForReadyRead(10000))
            path_ = QString::fromUtf8(process_.readLine().trimmed());
    }
    ~PtyDevice() {
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
    }
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;
    const QString& path() const { return path_; }

private:
    QProcess process_;
    QString path_;
};

class Window {
public:
    Window(const QString& port, bool connectOnLoad) {
        shell::setDialoge(&dialogs_);
        QFile ini(QDir(folder_.path()).filePath(QStringLiteral("Settings.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(QByteArray("[KAV]\r\nConnect on load=") + (connectOnLoad ? "1" : "0") + "\r\nLanguage=D\r\n");
        ini.close();
        shell::ProgramEnvironment u;
        u.folder = folder_.path();
        u.executableName = QStringLiteral("KavStudio");
        u.commandLine = QStringLiteral("/port:") + port;
        u.lockFolder = folder_.path();
        u.logFolder = folder_.path();
        u.controlFolder = QStringLiteral(KAV_CONTROL_FOLDER);
        w_ = std::make_unique<shell::KAV_Main>(u);
        w_->Form_Load();
        w_->Form_Activate();
        w_->show();
    }
    ~Window() {
        w_.reset();
        shell::setDialoge(nullptr);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    shell::KAV_Main& main() { return *w_; }
    const QStringList& messages() const { return dialogs_.messages; }

    template <class T>
    T* child(const char* array, int index) const {
        return w_->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1StringView(array)).arg(index));
    }
    QString text(int i) const {
        const QLineEdit* t = child<QLineEdit>("txtAlle", i);
        return t ? t->text() : QString();
    }
    bool visible(const char* array, int index) const {
        const QWidget* c = child<QWidget>(array, index);
        return c && c->isVisible();
    }
    bool enabled(int button) const {
        const QPushButton* b = child<QPushButton>("btnAlle", button);
        return b && b->isVisible() && b->isEnabled();
    }
    bool identityShown() const {
        return !text(idx::txtGeraetSN).isEmpty() && !text(idx::txtFirmware).isEmpty() &&
               !visible("frmAlle", idx::frmVerbindungsInfo);
    }
    // Set-up of a window started with "Connect on load": its first connection.
    bool connectedAtStart() const {
        return waitFor([this] { return identityShown(); }, kSetupMs);
    }

private:
    QTemporaryDir folder_;
    AnsweringDialogs dialogs_;
    std::unique_ptr<shell::KAV_Main> w_;
};

StallRun failed(const QString& why, const Window& w) {
    StallRun r;
    r.error = w.messages().isEmpty() ? why : why + QStringLiteral(": ") + w.messages().join(QLatin1Char('|'));
    return r;
}

// A measured run that ended with a message box is no figure.
StallRun checked(StallRun r, const Window& w) {
    if (r.ok && !w.messages().isEmpty()) {
        r.ok = false;
        r.error = QStringLiteral("message: ") + w.messages().join(QLatin1Char('|'));
    }
    return r;
}

StallRun connection() {
    PtyDevice device({});
    Window w(device.path(), false);
    if (w.identityShown())
        return failed(QStringLiteral("connected before the click"), w);
    return checked(measureStall([&] { w.main().btnAlle_Click(idx::btnVerbindungAufbauen); },
                                [&] { return w.identityShown(); }, kDeadlineMs),
                   w);
}

StallRun oscillationReadout() {
    PtyDevice device({QStringLiteral("--samples"), QStringLiteral("10000")});
    Window w(device.path(), true);
    if (!w.connectedAtStart())
        return failed(QStringLiteral("no connection"), w);
    auto shown = [&] {
        return w.visible("picGrafik", idx::picDrehschwebung) && w.enabled(idx::btnDrehWerteLesen) &&
               w.enabled(idx::btnDrehSpeichern);
    };
    // Opening the page reads a first result; "Werte lesen" then reads the next.
    w.main().btnAlle_Click(idx::btnDrehschwebung);
    if (!waitFor(shown, kSetupMs))
        return failed(QStringLiteral("the page showed no first result"), w);
    // The chart stays up from the first result: the new one is there once the
    // page has been seen busy ("Werte lesen" and "Daten speichern" locked) and
    // is whole again.
    bool seenBusy = false;
    return checked(measureStall([&] { w.main().btnAlle_Click(idx::btnDrehWerteLesen); },
                                [&] {
                                    seenBusy = seenBusy || !shown();
                                    return seenBusy && shown();
                                },
                                kDeadlineMs),
                   w);
}

StallRun listing254() {
    PtyDevice device({QStringLiteral("--records"), QStringLiteral("254")});
    Window w(device.path(), true);
    if (!w.connectedAtStart())
        return failed(QStringLiteral("no connection"), w);
    const QListWidget* list = w.child<QListWidget>("lstAlle", 0);
    if (!list)
        return failed(QStringLiteral("no list lstAlle_0"), w);
    return checked(measureStall([&] { w.main().btnAlle_Click(idx::btnDatenVomGeraet); },
                                [&] { return list->isVisible() && list->count() == 254; }, kDeadlineMs),
                   w);
}

StallRun silentDevice() {
    PtyDevice device({QStringLiteral("--silent")});
    Window w(device.path(), false);
    const QString failure = QStringLiteral("Die Verbindung mit dem KAV100 konnte nicht hergestellt werden.");
    auto failureShown = [&] {
        const QLabel* l = w.child<QLabel>("labAlle", idx::labVerbindungMeldung);
        return l && l->isVisible() && l->text().startsWith(failure) && w.visible("btnAlle", idx::btnSchliessen);
    };
    return checked(measureStall([&] { w.main().btnAlle_Click(idx::btnVerbindungAufbauen); }, failureShown, kDeadlineMs),
                   w);
}

} // namespace

std::vector<StallScenario> ptyScenarios() {
    return {
        {QStringLiteral("connection"), connection},
        {QStringLiteral("oscillation readout, 10000 samples"), oscillationReadout},
        {QStringLiteral("listing of 254 records"), listing254},
        {QStringLiteral("silent device, connection time-outs"), silentDevice},
    };
}

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed() : QString();
}

} // namespace kav::bench
