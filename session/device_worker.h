#pragma once
// The device worker: one thread that owns the link and runs every device job
// (connect, start, poll, readouts, record list and load, administrator
// commands) strictly in the order they were posted. A job cannot be entered
// twice, so no re-entry guards are needed around device work.
//
// Each job gets a cancel token and checks it between its transactions (never
// inside one, so no frame is left half written); the link checks it by itself
// before every attempt to send a frame. Its completion runs on the
// worker thread; the caller marshals it to its own thread (the Qt adapter
// posts it to the UI thread).
//
// Every posted job is completed exactly once: Fertig, Abgebrochen (its token
// was cancelled), Fehler (it threw; the exception travels along) or
// Verworfen (it never ran: dropped by abbrechen() or the shutdown).
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

namespace kav {
class ComUSB;
}

namespace kav::session {

// Thrown by AbbruchToken::pruefen at a transaction boundary of a cancelled job.
class JobAbgebrochen : public std::runtime_error {
public:
    JobAbgebrochen() : std::runtime_error("job cancelled") {}
};

class AbbruchToken {
public:
    AbbruchToken() : flag_(std::make_shared<std::atomic<bool>>(false)) {}
    bool abgebrochen() const { return flag_->load(); }
    // For jobs: call between transactions; throws JobAbgebrochen once cancelled.
    void pruefen() const {
        if (abgebrochen())
            throw JobAbgebrochen();
    }
    void abbrechen() const {
        flag_->store(true);
        flag_->notify_all();
    }
    // For a job that has nothing to do until it is cancelled: blocks until then.
    void warteAufAbbruch() const { flag_->wait(false); }

private:
    std::shared_ptr<std::atomic<bool>> flag_;
};

enum class JobStatus { Fertig, Abgebrochen, Fehler, Verworfen };

template <class R>
struct JobErgebnis {
    JobStatus status = JobStatus::Verworfen;
    // Fertig: always; Abgebrochen: when the job returned after noticing the
    // cancel rather than throwing.
    std::optional<R> wert;
    // Fehler: what the job threw.
    std::exception_ptr fehler;

    // The exception's what(), or "" (for messages and logs).
    std::string fehlerText() const;
};

// The job number that DeviceWorker::posten returns, for abbrechen(nummer).
using JobNummer = std::uint64_t;

// The thread the worker runs on: a std::thread unless the program gives its
// own (a framework thread that dispatches events, which a serial port needs).
class Faden {
public:
    virtual ~Faden() = default;
    virtual void join() = 0;
    // Whether the caller runs on this thread.
    virtual bool istAktuell() const = 0;
};
using FadenStarter = std::function<std::unique_ptr<Faden>(std::function<void()> lauf)>;

class DeviceWorker {
public:
    using LinkFabrik = std::function<std::unique_ptr<ComUSB>()>;
    using Arbeit = std::function<void(ComUSB&, const AbbruchToken&)>;
    using Abschluss = std::function<void(JobStatus, std::exception_ptr)>;

    // Over a link that lives elsewhere; from now on only the worker thread
    // touches it. Its message pump is switched off: the worker has no window
    // to pump.
    explicit DeviceWorker(ComUSB& link, FadenStarter starter = {});
    // Over a link the factory makes on the worker thread; the worker owns it.
    explicit DeviceWorker(LinkFabrik fabrik, FadenStarter starter = {});
    // shutdown()
    ~DeviceWorker();

    DeviceWorker(const DeviceWorker&) = delete;
    DeviceWorker& operator=(const DeviceWorker&) = delete;

    // Queues a job; `abschluss` runs once on the worker thread. After the
    // shutdown has begun the job is completed as Verworfen at once, on the
    // caller's thread.
    JobNummer posten(Arbeit arbeit, Abschluss abschluss);

    // A job with a result: `job(link, token)` returns R; `fertig` receives a
    // JobErgebnis<R>.
    template <class R>
    JobNummer posten(std::function<R(ComUSB&, const AbbruchToken&)> job, std::function<void(JobErgebnis<R>)> fertig);

    // Cancels one job: a queued one is dropped (Verworfen, when the worker
    // reaches it, so completions keep their order), the running one is told
    // to stop at its next transaction boundary. False: no such job
    // (finished already).
    bool abbrechen(JobNummer nummer);
    // Cancels the running job and drops every queued one (leaving a page).
    void allesAbbrechen();
    // Ends the running job at its next transaction boundary, drops the
    // queued jobs, closes the link if it is open and joins the thread. Safe
    // to call twice; never from a completion (that would join itself).
    void shutdown();

    // Whether a job is running or queued.
    bool beschaeftigt() const;

    // The token of the job running on the calling thread; null outside a job.
    // Helpers deep inside a job (the link's transaction boundary, a question
    // to the UI thread) check it without being handed it.
    static const AbbruchToken* laufendesToken();

private:
    struct Job {
        JobNummer nummer;
        Arbeit arbeit;
        Abschluss abschluss;
        AbbruchToken token;
    };
    void starten(FadenStarter starter);
    void schleife();
    void ausfuehren(Job& job);
    void linkSchliessen();

    ComUSB* link_ = nullptr;
    LinkFabrik fabrik_;
    std::unique_ptr<ComUSB> eigenerLink_;

    mutable std::mutex mutex_;
    std::condition_variable wach_;
    std::deque<Job> warteschlange_;
    std::optional<JobNummer> laufend_;
    AbbruchToken laufendToken_;
    std::exception_ptr fabrikFehler_;
    JobNummer naechste_ = 1;
    bool ende_ = false;
    std::unique_ptr<Faden> faden_;
};

template <class R>
std::string JobErgebnis<R>::fehlerText() const {
    if (!fehler)
        return {};
    try {
        std::rethrow_exception(fehler);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
}

template <class R>
JobNummer DeviceWorker::posten(std::function<R(ComUSB&, const AbbruchToken&)> job,
                               std::function<void(JobErgebnis<R>)> fertig) {
    // The result waits here between the job and its completion (same thread).
    auto wert = std::make_shared<std::optional<R>>();
    return posten([job = std::move(job), wert](ComUSB& link, const AbbruchToken& t) { wert->emplace(job(link, t)); },
                  [fertig = std::move(fertig), wert](JobStatus s, std::exception_ptr e) {
                      JobErgebnis<R> r;
                      r.status = s;
                      r.wert = std::move(*wert);
                      r.fehler = std::move(e);
                      if (fertig)
                          fertig(std::move(r));
                  });
}

} // namespace kav::session
