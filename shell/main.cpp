// KavStudio: the window is the program.
#include <QApplication>

#include "kav_main.h"
#include "program_environment.h"
#include "program_start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<kav::shell::KAV_Main> fenster =
        kav::shell::programmStarten(kav::shell::environmentFromApplication());
    if (!fenster)
        return 0; // a previous instance runs
    fenster->show();
    return app.exec();
}
