#pragma once
// The connection: the attempt with its panel and wiring diagram, the four
// ways it can fail, the identity read, disconnecting, and the converter that
// vanished. The device work runs as jobs on the device worker.
#include <QObject>

#include "window_parts.h"

namespace kav::shell {

class ConnectionController : public QObject {
    Q_OBJECT
public:
    enum class Fehler { Usb, Plain, Version, Supply };

    explicit ConnectionController(Fensterteile& t);

    void VerbindungAufbauen();
    void VerbindungBeenden();
    void VerbindungFehlerZeigen(Fehler variante);
    // Whether the converter vanished since the last connection attempt.
    bool linkVerloren() const { return verloren_; }
    // Whether an attempt runs (its job is posted and not completed).
    bool versuchLaeuft() const { return versuchLaeuft_; }
    // From the link, on the worker thread, inside the transaction that found
    // the converter gone.
    void linkVerlorenAusWorker();
    // The layout without a connection, and the home frames.
    void unverbundenesLayout();
    void homeLayout();

private:
    struct Versuch;
    void versuchAuswerten(const Versuch& e);
    void verbindenMoeglich(bool moeglich);
    void linkVerlorenMelden();
    void linkVerlorenZeigen();

    Fensterteile& t_;
    bool verloren_ = false;
    bool versuchLaeuft_ = false;
};

} // namespace kav::shell
