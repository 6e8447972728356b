// KavStudio: the window is the program.
#include <QApplication>

#include "kav_main.h"
#include "program_environment.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kav::shell::KAV_Main fenster(kav::shell::environmentFromApplication());
    if (!fenster.Form_Load())
        return 0; // a previous instance runs
    fenster.show();
    return app.exec();
}
