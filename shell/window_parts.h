#pragma once
// What the window's controllers share: the program's environment, the view,
// the session with its Qt adapter (device jobs), and each other. The window
// owns all of them; a controller holds this and reaches the others through it.
#include "program_environment.h"

namespace kav::session {
class Session;
}

namespace kav::shell {

class MainView;
class SessionAdapter;
class ConnectionController;
class MeasurementController;
class RecordsController;
class Navigation;
class TrendController;

struct Fensterteile {
    const ProgramEnvironment& umgebung;
    MainView& v;
    session::Session& session;
    SessionAdapter& adapter;
    ConnectionController* verbindung = nullptr;
    MeasurementController* messung = nullptr;
    RecordsController* daten = nullptr;
    Navigation* navigation = nullptr;
    TrendController* trend = nullptr;
};

} // namespace kav::shell
