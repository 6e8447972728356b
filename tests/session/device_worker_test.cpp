// The device worker over the in-process simulated KAV100 on a manual clock:
// order, cancel between transactions, shutdown during a job, exceptions, and
// one connection read through the one device-call path.
#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "com_usb.h"
#include "device_call.h"
#include "device_worker.h"
#include "session.h"
#include "simulated_converter.h"

namespace kav::session {
namespace {

class DeviceWorkerTest : public ::testing::Test {
protected:
    ManualClock clock;
    std::unique_ptr<sim::SimulatedConverter> ft;
    std::unique_ptr<ComUSB> link;

    void SetUp() override {
        sim::SimOptions o;
        o.clock = &clock;
        ft = std::make_unique<sim::SimulatedConverter>(o);
        link = std::make_unique<ComUSB>(*ft, linkHooks());
    }
    LinkHooks linkHooks() {
        LinkHooks h;
        h.clock = &clock;
        return h;
    }
    static void oeffnen(ComUSB& l) {
        std::string diagnose;
        if (l.COM_USBOeffnen(diagnose) != 0)
            throw std::runtime_error("open failed: " + diagnose);
    }
};

TEST_F(DeviceWorkerTest, RunsJobsStrictlyInOrderOffTheCallersThread) {
    DeviceWorker worker(*link);
    std::vector<int> gelaufen, abgeschlossen;
    std::promise<std::thread::id> letzter;
    for (int i = 0; i < 20; ++i)
        worker.posten([&gelaufen, i](ComUSB&, const AbbruchToken&) { gelaufen.push_back(i); },
                      [&, i](JobStatus s, std::exception_ptr) {
                          EXPECT_EQ(s, JobStatus::Fertig);
                          abgeschlossen.push_back(i);
                          if (i == 19)
                              letzter.set_value(std::this_thread::get_id());
                      });
    EXPECT_NE(letzter.get_future().get(), std::this_thread::get_id());
    worker.shutdown();
    std::vector<int> erwartet(20);
    for (int i = 0; i < 20; ++i)
        erwartet[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(gelaufen, erwartet);
    EXPECT_EQ(abgeschlossen, erwartet);
}

TEST_F(DeviceWorkerTest, CancelEndsAJobAtItsNextTransactionBoundary) {
    DeviceWorker worker(*link);
    worker.posten([](ComUSB& l, const AbbruchToken&) { oeffnen(l); }, nullptr);
    std::promise<int> ersteGesendet;
    std::promise<void> weiter;
    std::promise<JobStatus> status;
    int schreibenNachher = -1;
    const JobNummer n = worker.posten(
        [&](ComUSB& l, const AbbruchToken& t) {
            wertLesen(l, wert::Drehzahl, "F");
            ersteGesendet.set_value(ft->calls().write);
            weiter.get_future().wait();
            // No check of its own: the link checks before it sends.
            wertLesen(l, wert::Frequenz, "L");
            t.pruefen();
        },
        [&](JobStatus s, std::exception_ptr) {
            schreibenNachher = ft->calls().write;
            status.set_value(s);
        });
    const int schreibenVorher = ersteGesendet.get_future().get();
    EXPECT_TRUE(worker.abbrechen(n));
    weiter.set_value();
    EXPECT_EQ(status.get_future().get(), JobStatus::Abgebrochen);
    EXPECT_EQ(schreibenNachher, schreibenVorher); // the second transaction was never sent
    EXPECT_FALSE(worker.abbrechen(n));            // finished: nothing to cancel
}

TEST_F(DeviceWorkerTest, ShutdownDuringAJobDropsTheQueueAndClosesTheLink) {
    std::vector<JobStatus> stati;
    bool dritterLief = false;
    std::promise<void> laeuft;
    {
        DeviceWorker worker(*link);
        worker.posten([](ComUSB& l, const AbbruchToken&) { oeffnen(l); },
                      [&](JobStatus s, std::exception_ptr) { stati.push_back(s); });
        worker.posten(
            [&](ComUSB&, const AbbruchToken& t) {
                laeuft.set_value();
                t.warteAufAbbruch();
                t.pruefen();
                ADD_FAILURE() << "went on after the cancel";
            },
            [&](JobStatus s, std::exception_ptr) { stati.push_back(s); });
        for (int i = 0; i < 2; ++i)
            worker.posten([&](ComUSB&, const AbbruchToken&) { dritterLief = true; },
                          [&](JobStatus s, std::exception_ptr) { stati.push_back(s); });
        laeuft.get_future().wait();
        EXPECT_TRUE(link->isOpen());
        worker.shutdown();
        EXPECT_EQ(stati, (std::vector<JobStatus>{JobStatus::Fertig, JobStatus::Abgebrochen, JobStatus::Verworfen,
                                                 JobStatus::Verworfen}));
        // After the shutdown a job is refused at once.
        worker.posten([&](ComUSB&, const AbbruchToken&) { dritterLief = true; },
                      [&](JobStatus s, std::exception_ptr) { stati.push_back(s); });
        EXPECT_EQ(stati.back(), JobStatus::Verworfen);
    } // the destructor's second shutdown does nothing
    EXPECT_FALSE(dritterLief);
    EXPECT_FALSE(link->isOpen());
    EXPECT_FALSE(ft->isOpen());
}

TEST_F(DeviceWorkerTest, AJobsExceptionIsReportedAndTheNextJobRuns) {
    DeviceWorker worker(*link);
    std::promise<JobErgebnis<int>> erstes, zweites;
    worker.posten<int>([](ComUSB&, const AbbruchToken&) -> int { throw std::runtime_error("Kabel gezogen"); },
                       [&](JobErgebnis<int> r) { erstes.set_value(std::move(r)); });
    worker.posten<int>([](ComUSB&, const AbbruchToken&) { return 7; },
                       [&](JobErgebnis<int> r) { zweites.set_value(std::move(r)); });
    const JobErgebnis<int> a = erstes.get_future().get();
    EXPECT_EQ(a.status, JobStatus::Fehler);
    EXPECT_EQ(a.fehlerText(), "Kabel gezogen");
    EXPECT_FALSE(a.wert);
    const JobErgebnis<int> b = zweites.get_future().get();
    EXPECT_EQ(b.status, JobStatus::Fertig);
    EXPECT_EQ(b.wert, 7);
}

TEST_F(DeviceWorkerTest, ConnectsAndReadsTheIdentityOnALinkItMade) {
    Session session;
    std::promise<JobErgebnis<Identitaet>> ergebnis;
    {
        DeviceWorker worker([this] { return std::make_unique<ComUSB>(*ft, linkHooks()); });
        worker.posten<Identitaet>(
            [](ComUSB& l, const AbbruchToken& t) {
                oeffnen(l);
                t.pruefen();
                Identitaet id{wertLesen(l, wert::GeraetSN, "S"), {}};
                t.pruefen();
                id.firmware = wertLesen(l, wert::Firmware, "S");
                return id;
            },
            [&](JobErgebnis<Identitaet> r) { ergebnis.set_value(std::move(r)); });
        const JobErgebnis<Identitaet> r = ergebnis.get_future().get();
        ASSERT_EQ(r.status, JobStatus::Fertig) << r.fehlerText();
        EXPECT_TRUE(ft->isOpen());
        session.verbindungHergestellt(*r.wert);
    }
    EXPECT_FALSE(ft->isOpen()); // closed by the worker's end
    EXPECT_TRUE(session.verbunden());
    EXPECT_FALSE(session.identitaet().fehlgeschlagen());
    EXPECT_EQ(session.identitaet().seriennummerText(), "070123");
    EXPECT_TRUE(session.identitaet().firmware.ok());
    EXPECT_EQ(session.identitaet().firmwareText(), "V2.13");
}

} // namespace
} // namespace kav::session
