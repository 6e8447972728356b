#include "program_start.h"

#include <QDir>

#include "command_line.h"
#include "dialogs.h"
#include "kav_main.h"
#include "logs.h"
#include "single_instance.h"

namespace kav::shell {

QString instanzSchluessel(const ProgramEnvironment& umgebung) {
    return QDir(umgebung.folder).absoluteFilePath(umgebung.executableName);
}

LinkChoice linkChoiceFor(const CommandLine& schalter) {
    LinkChoice choice;
    if (schalter.sim) {
        choice.kind = LinkChoice::Kind::Simulated;
        choice.simFlags = schalter.simFlags.toStdString();
    } else if (!schalter.port.isEmpty()) {
        choice.kind = LinkChoice::Kind::SerialPort;
        choice.port = schalter.port.toStdString();
    }
    return choice;
}

std::unique_ptr<KAV_Main> programmStarten(const ProgramEnvironment& umgebung) {
    // Parsing touches nothing; "/debug" decides whether a lock that could not
    // be taken is logged.
    const CommandLine schalter = parseCommandLine(umgebung.commandLine);
    auto instanz = std::make_unique<EinzelInstanz>(instanzSchluessel(umgebung), umgebung.lockFolder);
    if (!instanz->erwerben()) {
        dialoge().meldung(umgebung.executableName + QStringLiteral(" wird bereits ausgeführt."));
        return nullptr;
    }
    if (instanz->ergebnis() == EinzelInstanz::Ergebnis::OhneSperre && schalter.debug)
        LogSchreiben(QStringLiteral("Programmstart -> Sperrdatei '") + QDir::toNativeSeparators(instanz->datei()) +
                     QStringLiteral("' konnte nicht angelegt werden (") + instanz->grund() +
                     QStringLiteral("), Start ohne Sperre."));
    auto fenster = std::make_unique<KAV_Main>(umgebung, std::move(instanz));
    fenster->Form_Load();
    // With "/debug" a display control that could not be created leaves a trace.
    if (schalter.debug)
        for (const QString& anzeige : fenster->fehlendeAnzeigen())
            LogSchreiben(QStringLiteral("Programmstart -> Anzeige konnte nicht angelegt werden: ") + anzeige);
    return fenster;
}

} // namespace kav::shell
