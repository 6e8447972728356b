// The Qt face of the session: completions of device jobs arrive on the UI
// thread as queued signals, and the enabled states as signals when they change.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThread>
#include <future>
#include <stdexcept>
#include <thread>

#include "com_usb.h"
#include "session_adapter.h"
#include "simulated_converter.h"

namespace kav::shell {
namespace {

using session::AbbruchToken;
using session::JobErgebnis;
using session::JobStatus;

class SessionAdapterTest : public ::testing::Test {
protected:
    ManualClock clock;
    std::unique_ptr<sim::SimulatedConverter> ft;
    std::unique_ptr<ComUSB> link;
    session::Session sitzung;

    void SetUp() override {
        sim::SimOptions o;
        o.clock = &clock;
        ft = std::make_unique<sim::SimulatedConverter>(o);
        LinkHooks h;
        h.clock = &clock;
        link = std::make_unique<ComUSB>(*ft, h);
    }
};

TEST_F(SessionAdapterTest, CompletionsArriveQueuedOnTheUiThread) {
    session::DeviceWorker worker(*link);
    SessionAdapter adapter(sitzung, worker);
    QSignalSpy beendet(&adapter, &SessionAdapter::jobBeendet);
    QSignalSpy beschaeftigt(&adapter, &SessionAdapter::beschaeftigtGeaendert);
    std::thread::id jobThread;
    QThread* fertigThread = nullptr;
    int wert = 0;

    const session::JobNummer n = adapter.posten<int>(
        [&](ComUSB&, const AbbruchToken&) {
            jobThread = std::this_thread::get_id();
            return 42;
        },
        [&](JobErgebnis<int> r) {
            fertigThread = QThread::currentThread();
            wert = r.wert.value_or(0);
        });
    adapter.posten<int>([](ComUSB&, const AbbruchToken&) -> int { throw std::runtime_error("Kabel gezogen"); },
                        nullptr);
    EXPECT_TRUE(sitzung.beschaeftigt());
    EXPECT_EQ(beendet.count(), 0); // nothing before this thread's event loop runs

    while (beendet.count() < 2)
        ASSERT_TRUE(beendet.wait(5000));
    EXPECT_NE(jobThread, std::this_thread::get_id());
    EXPECT_EQ(fertigThread, QThread::currentThread());
    EXPECT_EQ(wert, 42);
    EXPECT_EQ(beendet.at(0).at(0).toULongLong(), n);
    EXPECT_EQ(beendet.at(0).at(1).toInt(), static_cast<int>(JobStatus::Fertig));
    EXPECT_EQ(beendet.at(1).at(1).toInt(), static_cast<int>(JobStatus::Fehler));
    EXPECT_EQ(beendet.at(1).at(2).toString(), QStringLiteral("Kabel gezogen"));
    // Busy from the first post until the last completion, told once each way.
    EXPECT_FALSE(sitzung.beschaeftigt());
    EXPECT_EQ(beschaeftigt.count(), 2);
    worker.shutdown();
}

// A job's question to the UI thread waits for the answer in its place among
// the job's transactions; a cancel ends the wait even when no answer comes.
TEST_F(SessionAdapterTest, AJobAsksTheUiThreadAndACancelEndsTheWait) {
    session::DeviceWorker worker(*link);
    SessionAdapter adapter(sitzung, worker);
    QSignalSpy beendet(&adapter, &SessionAdapter::jobBeendet);
    QThread* gefragt = nullptr;
    int antwort = 0;
    adapter.posten<int>(
        [&](ComUSB&, const AbbruchToken&) {
            return adapter.aufUi<int>([&] {
                gefragt = QThread::currentThread();
                return 7;
            });
        },
        [&](JobErgebnis<int> r) { antwort = r.wert.value_or(0); });
    ASSERT_TRUE(beendet.wait(5000));
    EXPECT_EQ(gefragt, QThread::currentThread());
    EXPECT_EQ(antwort, 7);

    std::promise<void> fragt;
    const session::JobNummer n = adapter.posten<int>(
        [&](ComUSB&, const AbbruchToken&) {
            fragt.set_value();
            return adapter.aufUi<int>([] { return 8; });
        },
        nullptr);
    fragt.get_future().wait();
    worker.abbrechen(n); // this thread's event loop has not run: no answer yet
    ASSERT_TRUE(beendet.wait(5000));
    EXPECT_EQ(beendet.at(1).at(1).toInt(), static_cast<int>(JobStatus::Abgebrochen));
    worker.shutdown();
}

TEST_F(SessionAdapterTest, EnabledStatesAreSignalledWhenTheyChange) {
    session::DeviceWorker worker(*link);
    SessionAdapter adapter(sitzung, worker);
    QSignalSpy drucken(&adapter, &SessionAdapter::druckenAktivGeaendert);
    QSignalSpy speichern(&adapter, &SessionAdapter::datenSpeichernAktivGeaendert);
    sitzung.verbindungHergestellt({});
    sitzung.setSeite(session::Seite::Drehschwebung);
    sitzung.messungGestartet(3);
    EXPECT_EQ(drucken.count(), 0);
    sitzung.ergebnisAngezeigt(3);
    ASSERT_EQ(drucken.count(), 1);
    EXPECT_TRUE(drucken.at(0).at(0).toBool());
    ASSERT_EQ(speichern.count(), 1);
    EXPECT_EQ(speichern.at(0).at(0).toInt(), 3);
    sitzung.setSeite(session::Seite::Start);
    ASSERT_EQ(drucken.count(), 2);
    EXPECT_FALSE(drucken.at(1).at(0).toBool());
}

} // namespace
} // namespace kav::shell
