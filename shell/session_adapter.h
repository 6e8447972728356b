#pragma once
// The session and the device worker as a QObject: the session's changes as
// signals, and the worker's completions delivered on this object's thread
// (the UI thread) through a queued call. Views and controllers connect here;
// nothing of the session or the worker needs Qt.
//
// Order of ending: the owner shuts the worker down before it destroys the
// adapter, so no completion is posted to a dying object.
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "device_worker.h"
#include "session.h"

namespace kav::shell {

// The worker's thread as a QThread: it dispatches events, as a serial port
// opened on it needs.
session::FadenStarter qtFaden();

class SessionAdapter : public QObject {
    Q_OBJECT
public:
    SessionAdapter(session::Session& session, session::DeviceWorker& worker, QObject* parent = nullptr);
    ~SessionAdapter() override;

    session::Session& session() { return session_; }
    // No posted job waits for its completion on this thread.
    bool frei() const { return offeneJobs_ == 0; }
    session::DeviceWorker& worker() { return worker_; }

    // Posts a device job; `fertig` runs on this object's thread once the job
    // is completed, before jobBeendet is emitted. The session is busy while a
    // posted job is not completed.
    template <class R>
    session::JobNummer posten(std::function<R(ComUSB&, const session::AbbruchToken&)> job,
                              std::function<void(session::JobErgebnis<R>)> fertig);

    // From a job on the worker thread: runs `f` on this object's thread and
    // waits for its result, so a question or a message keeps its place among
    // the job's transactions. A cancel of the running job ends the wait
    // (JobAbgebrochen); `f` may then still run, its result unused.
    template <class R>
    R aufUi(std::function<R()> f);
    void aufUiWarten(std::function<void()> f);
    // From any thread: runs `f` on this object's thread later, in the order posted.
    void nachUi(std::function<void()> f);

signals:
    void verbindungGeaendert(bool verbunden);
    void identitaetGeaendert();
    void geberGeaendert();
    void beschaeftigtGeaendert(bool beschaeftigt);
    void seiteGeaendert(int seite); // a session::Seite
    void messungGeaendert();
    // The computed enabled states, emitted when they change.
    void druckenAktivGeaendert(bool aktiv);
    void datenSpeichernAktivGeaendert(int typ, bool aktiv);
    // After a posted job's `fertig`, on this object's thread.
    void jobBeendet(quint64 nummer, int status,
                    const QString& fehler); // status: a session::JobStatus; fehler: what a failed job threw

private:
    void geaendert(session::Aenderung a);
    void freigabenPruefen();
    // On this object's thread: the completion's UI half.
    void abschliessen(session::JobNummer nummer, session::JobStatus status, const QString& fehler,
                      const std::function<void()>& fertig);

    session::Session& session_;
    session::DeviceWorker& worker_;
    int beobachter_ = 0;
    int offeneJobs_ = 0;
    bool drucken_ = false;
    std::array<bool, 3> speichern_{};
};

template <class R>
R SessionAdapter::aufUi(std::function<R()> f) {
    auto wert = std::make_shared<std::optional<R>>();
    aufUiWarten([f = std::move(f), wert] { wert->emplace(f()); });
    return std::move(**wert);
}

template <class R>
session::JobNummer SessionAdapter::posten(std::function<R(ComUSB&, const session::AbbruchToken&)> job,
                                          std::function<void(session::JobErgebnis<R>)> fertig) {
    ++offeneJobs_;
    session_.setBeschaeftigt(true);
    // The number is known only once posten returns; the completion may come
    // first, so it travels through a shared cell read on this thread.
    auto nummer = std::make_shared<session::JobNummer>(0);
    *nummer = worker_.posten<R>(
        std::move(job), [this, nummer, fertig = std::move(fertig)](session::JobErgebnis<R> r) mutable {
            const session::JobStatus status = r.status;
            const QString fehler = QString::fromStdString(r.fehlerText());
            auto ui = [fertig = std::move(fertig), r = std::make_shared<session::JobErgebnis<R>>(std::move(r))] {
                if (fertig)
                    fertig(std::move(*r));
            };
            QMetaObject::invokeMethod(
                this, [this, nummer, status, fehler, ui = std::move(ui)] { abschliessen(*nummer, status, fehler, ui); },
                Qt::QueuedConnection);
        });
    return *nummer;
}

} // namespace kav::shell
