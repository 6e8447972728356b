#pragma once
// Navigation: the buttons of the button array as a table of actions, the
// pages they open and close, and the session's current page. Leaving a page
// cancels its measurement or readout explicitly.
#include <QObject>

#include "window_parts.h"

namespace kav::shell {

class Navigation : public QObject {
    Q_OBJECT
public:
    explicit Navigation(Fensterteile& t);

    // A click on btnAlle(index); an index without an action does nothing.
    void klick(int index);

private:
    struct Aktion;
    static const Aktion kAktionen[];

    void homeVerlassen();
    void seiteOeffnen(int frame, int seite);
    void messseiteOeffnen(int typ);
    void messseiteVerlassen(int typ, int bild);
    void gespeichertZurueck();
    void speichern(int typ);

    Fensterteile& t_;
};

} // namespace kav::shell
