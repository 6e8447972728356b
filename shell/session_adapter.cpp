#include "session_adapter.h"

#include <QThread>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kav::shell {

SessionAdapter::SessionAdapter(session::Session& session, session::DeviceWorker& worker, QObject* parent)
    : QObject(parent), session_(session), worker_(worker) {
    drucken_ = session_.druckenAktiv();
    for (int typ = 1; typ <= 3; ++typ)
        speichern_[static_cast<std::size_t>(typ - 1)] = session_.datenSpeichernAktiv(typ);
    beobachter_ = session_.anmelden([this](session::Aenderung a) { geaendert(a); });
}

SessionAdapter::~SessionAdapter() { session_.abmelden(beobachter_); }

void SessionAdapter::geaendert(session::Aenderung a) {
    using session::Aenderung;
    switch (a) {
    case Aenderung::Verbindung: emit verbindungGeaendert(session_.verbunden()); break;
    case Aenderung::Identitaet: emit identitaetGeaendert(); break;
    case Aenderung::Geber: emit geberGeaendert(); break;
    case Aenderung::Beschaeftigt: emit beschaeftigtGeaendert(session_.beschaeftigt()); break;
    case Aenderung::Seite: emit seiteGeaendert(static_cast<int>(session_.seite())); break;
    case Aenderung::Messung: emit messungGeaendert(); break;
    }
    freigabenPruefen();
}

void SessionAdapter::freigabenPruefen() {
    if (const bool d = session_.druckenAktiv(); d != drucken_) {
        drucken_ = d;
        emit druckenAktivGeaendert(d);
    }
    for (int typ = 1; typ <= 3; ++typ) {
        bool& alt = speichern_[static_cast<std::size_t>(typ - 1)];
        if (const bool s = session_.datenSpeichernAktiv(typ); s != alt) {
            alt = s;
            emit datenSpeichernAktivGeaendert(typ, s);
        }
    }
}

void SessionAdapter::abschliessen(session::JobNummer nummer, session::JobStatus status, const QString& fehler,
                                  const std::function<void()>& fertig) {
    if (--offeneJobs_ == 0)
        session_.setBeschaeftigt(false);
    fertig();
    emit jobBeendet(nummer, static_cast<int>(status), fehler);
}

void SessionAdapter::aufUiWarten(std::function<void()> f) {
    if (QThread::currentThread() == thread()) {
        f();
        return;
    }
    struct Zustand {
        std::mutex m;
        std::condition_variable cv;
        bool fertig = false;
        std::exception_ptr fehler;
    };
    auto z = std::make_shared<Zustand>();
    QMetaObject::invokeMethod(
        this,
        [z, f = std::move(f)] {
            std::exception_ptr e;
            try {
                f();
            } catch (...) {
                e = std::current_exception();
            }
            std::lock_guard lock(z->m);
            z->fertig = true;
            z->fehler = e;
            z->cv.notify_all();
        },
        Qt::QueuedConnection);
    const session::AbbruchToken* token = session::DeviceWorker::laufendesToken();
    std::unique_lock lock(z->m);
    // The UI may sit in a message box for minutes; a cancel (closing the
    // window) must not wait for it.
    while (!z->cv.wait_for(lock, std::chrono::milliseconds(20), [&] { return z->fertig; }))
        if (token)
            token->pruefen();
    if (z->fehler)
        std::rethrow_exception(z->fehler);
}

namespace {

class QtFaden final : public session::Faden {
public:
    explicit QtFaden(std::function<void()> lauf) : thread_(QThread::create(std::move(lauf))) {
        thread_->setObjectName(QStringLiteral("KAV device worker"));
        thread_->start();
    }
    ~QtFaden() override { join(); }
    void join() override {
        if (thread_)
            thread_->wait();
        thread_.reset();
    }
    bool istAktuell() const override { return thread_ && QThread::currentThread() == thread_.get(); }

private:
    std::unique_ptr<QThread> thread_;
};

} // namespace

session::FadenStarter qtFaden() {
    return [](std::function<void()> lauf) { return std::make_unique<QtFaden>(std::move(lauf)); };
}

void SessionAdapter::nachUi(std::function<void()> f) {
    QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

} // namespace kav::shell
