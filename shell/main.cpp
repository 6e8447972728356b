// KavStudio: the window is the program.
#include <QApplication>

#include "kav_main.h"
#include "program_environment.h"
#ifdef KAV_DEV_SCENARIOS
#include "dev_scenarios.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kav::shell::ProgramEnvironment umgebung = kav::shell::environmentFromApplication();
#ifdef KAV_DEV_SCENARIOS
    const auto geraet = kav::shell::simulatedDeviceFor(umgebung.commandLine);
    umgebung.ftApi = geraet.get();
#endif
    kav::shell::KAV_Main fenster(umgebung);
    if (!fenster.Form_Load())
        return 0; // a previous instance runs
    fenster.show();
    return app.exec();
}
