#pragma once
// One running program per user and executable: a lock file in the user's
// runtime folder, held by the operating system for the process's life. Only a
// lock that a live process holds refuses a start: the system releases the lock
// of a crashed process, whatever the file holds (empty, garbled, stale), and a
// lock that cannot be created at all (a folder in its place, a folder that
// cannot be written) lets the program start without one.
#include <QString>

namespace kav::shell {

class EinzelInstanz {
public:
    enum class Ergebnis {
        Offen,      // not asked yet
        Gesperrt,   // this process holds the lock
        Belegt,     // another live process holds it
        OhneSperre, // no lock could be taken; the start goes on without one
    };

    // The lock belongs to the executable at `programmPfad` and to the current
    // user; it lies in `folder`, or when that is empty in the user's runtime
    // folder (the temporary folder where there is none).
    explicit EinzelInstanz(const QString& programmPfad, const QString& folder = {});
    ~EinzelInstanz(); // releases the lock; the file stays for the next start
    EinzelInstanz(const EinzelInstanz&) = delete;
    EinzelInstanz& operator=(const EinzelInstanz&) = delete;

    // False only when another live process holds the lock (a previous
    // instance runs); asking again while holding it keeps it.
    bool erwerben();
    Ergebnis ergebnis() const { return ergebnis_; }
    // Why no lock could be taken (OhneSperre), in the system's words.
    const QString& grund() const { return grund_; }
    const QString& datei() const { return datei_; }

    // The folder for locks when none is given.
    static QString standardOrdner();

private:
    QString datei_;
    QString grund_;
    Ergebnis ergebnis_ = Ergebnis::Offen;
    qintptr handle_ = -1; // the open, locked file (platform handle)
};

namespace detail {
// Platform part (single_instance_posix.cpp / single_instance_win.cpp): opens
// and locks `datei` without waiting. Gesperrt fills `handle`; Belegt and
// OhneSperre fill `grund`.
EinzelInstanz::Ergebnis dateiSperren(const QString& datei, qintptr& handle, QString& grund);
void sperreFreigeben(qintptr handle);
// Tells the users of one machine apart (the user id, or the user's name).
QString benutzerKennung();
} // namespace detail

} // namespace kav::shell
