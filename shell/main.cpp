// KavStudio: the window is the program.
#include <QApplication>
#include <QIcon>
#include <QLineEdit>

#include <cstdio>

#include "control_indexes.h"
#include "kav_main.h"
#include "program_environment.h"
#include "program_start.h"

int main(int argc, char** argv) {
    // Before Qt starts: no display is needed and no file is touched.
    if (kav::shell::printProgramInfo(argc, argv, stdout))
        return 0;
    QApplication app(argc, argv);
    // The installed desktop entry and icon belong to this window.
    QGuiApplication::setDesktopFileName(QStringLiteral(KAV_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(KAV_APP_ID)));
    const std::unique_ptr<kav::shell::KAV_Main> fenster =
        kav::shell::programmStarten(kav::shell::environmentFromApplication());
    if (!fenster)
        return 0; // a previous instance runs
    // For scripts that start the window (the package check): every text of the
    // status box on standard output.
    if (qEnvironmentVariableIsSet("KAVSTUDIO_TRACE_STATUS")) {
        QObject::connect(fenster->findChild<QLineEdit*>(QStringLiteral("txtAlle_%1").arg(kav::shell::idx::txtStatus)),
                         &QLineEdit::textChanged, [](const QString& s) {
                             std::printf("KavStudio status: %s\n", s.toUtf8().constData());
                             std::fflush(stdout);
                         });
    }
    fenster->show();
    return app.exec();
}
