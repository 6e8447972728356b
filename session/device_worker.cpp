#include "device_worker.h"

#include <algorithm>

#include "com_usb.h"

namespace kav::session {

namespace {
thread_local const AbbruchToken* tLaufendesToken = nullptr;
}

const AbbruchToken* DeviceWorker::laufendesToken() { return tLaufendesToken; }

namespace {

class StdFaden final : public Faden {
public:
    explicit StdFaden(std::function<void()> lauf) : thread_(std::move(lauf)) {}
    void join() override { thread_.join(); }
    bool istAktuell() const override { return thread_.get_id() == std::this_thread::get_id(); }

private:
    std::thread thread_;
};

} // namespace

DeviceWorker::DeviceWorker(ComUSB& link, FadenStarter starter) : link_(&link) { starten(std::move(starter)); }

DeviceWorker::DeviceWorker(LinkFabrik fabrik, FadenStarter starter) : fabrik_(std::move(fabrik)) {
    starten(std::move(starter));
}

DeviceWorker::~DeviceWorker() { shutdown(); }

void DeviceWorker::starten(FadenStarter starter) {
    auto lauf = [this] { schleife(); };
    faden_ = starter ? starter(lauf) : std::make_unique<StdFaden>(lauf);
}

JobNummer DeviceWorker::posten(Arbeit arbeit, Abschluss abschluss) {
    std::unique_lock lock(mutex_);
    const JobNummer nummer = naechste_++;
    if (ende_) {
        lock.unlock();
        if (abschluss)
            abschluss(JobStatus::Verworfen, nullptr);
        return nummer;
    }
    warteschlange_.push_back({nummer, std::move(arbeit), std::move(abschluss), AbbruchToken{}});
    lock.unlock();
    wach_.notify_one();
    return nummer;
}

bool DeviceWorker::abbrechen(JobNummer nummer) {
    std::lock_guard lock(mutex_);
    if (laufend_ == nummer) {
        laufendToken_.abbrechen();
        return true;
    }
    const auto it = std::find_if(warteschlange_.begin(), warteschlange_.end(),
                                 [nummer](const Job& j) { return j.nummer == nummer; });
    if (it == warteschlange_.end())
        return false;
    it->token.abbrechen();
    return true;
}

void DeviceWorker::allesAbbrechen() {
    std::lock_guard lock(mutex_);
    if (laufend_)
        laufendToken_.abbrechen();
    for (const Job& j : warteschlange_)
        j.token.abbrechen();
}

bool DeviceWorker::beschaeftigt() const {
    std::lock_guard lock(mutex_);
    return laufend_.has_value() || !warteschlange_.empty();
}

void DeviceWorker::shutdown() {
    {
        std::lock_guard lock(mutex_);
        ende_ = true;
        if (laufend_)
            laufendToken_.abbrechen();
        for (const Job& j : warteschlange_)
            j.token.abbrechen();
    }
    wach_.notify_all();
    if (!faden_)
        return;
    if (faden_->istAktuell())
        throw std::logic_error("DeviceWorker::shutdown from its own thread");
    faden_->join();
    faden_.reset();
}

void DeviceWorker::schleife() {
    if (fabrik_) {
        try {
            eigenerLink_ = fabrik_();
            link_ = eigenerLink_.get();
        } catch (...) {
            fabrikFehler_ = std::current_exception();
        }
    }
    // Window messages belong to the UI thread; the link pumps none here. Its
    // pump point, before every attempt to send, is the running job's
    // transaction boundary instead: a cancelled job ends there.
    if (link_)
        link_->hooks().pumpMessages = [] {
            if (const AbbruchToken* t = laufendesToken())
                t->pruefen();
        };

    for (;;) {
        Job job{};
        {
            std::unique_lock lock(mutex_);
            wach_.wait(lock, [this] { return ende_ || !warteschlange_.empty(); });
            if (warteschlange_.empty())
                break; // ende_, nothing left to drop
            job = std::move(warteschlange_.front());
            warteschlange_.pop_front();
            laufend_ = job.nummer;
            laufendToken_ = job.token;
        }
        ausfuehren(job);
    }
    linkSchliessen();
}

void DeviceWorker::ausfuehren(Job& job) {
    JobStatus status = JobStatus::Fertig;
    std::exception_ptr fehler;
    if (job.token.abgebrochen()) {
        // Cancelled before it ran (abbrechen, allesAbbrechen or the shutdown).
        status = JobStatus::Verworfen;
    } else if (!link_) {
        status = JobStatus::Fehler;
        fehler = fabrikFehler_ ? fabrikFehler_ : std::make_exception_ptr(std::logic_error("no link"));
    } else {
        try {
            tLaufendesToken = &job.token;
            job.arbeit(*link_, job.token);
            tLaufendesToken = nullptr;
            if (job.token.abgebrochen())
                status = JobStatus::Abgebrochen;
        } catch (const JobAbgebrochen&) {
            tLaufendesToken = nullptr;
            status = JobStatus::Abgebrochen;
        } catch (...) {
            tLaufendesToken = nullptr;
            status = JobStatus::Fehler;
            fehler = std::current_exception();
        }
    }
    {
        // Finished before its completion runs: abbrechen(nummer) now finds nothing.
        std::lock_guard lock(mutex_);
        laufend_.reset();
    }
    if (job.abschluss)
        job.abschluss(status, std::move(fehler));
}

void DeviceWorker::linkSchliessen() {
    if (link_ && link_->isOpen()) {
        try {
            link_->COM_USBSchliessen();
        } catch (...) {
            // Closing at the end has no one left to tell.
        }
    }
    // A link the worker made is destroyed on the thread that used it.
    eigenerLink_.reset();
    link_ = nullptr;
}

} // namespace kav::session
