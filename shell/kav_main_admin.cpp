// The administrator commands (submenu "Administrator": write the device's
// serial number, format its record memory) and the About window.
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

#include "admin_commands.h"
#include "ansi_text.h"
#include "com_usb.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "kav_main.h"
#include "record_messages.h"

namespace kav::shell {

void KAV_Main::AdminBefehl(int index) {
    // The serial number is asked for only once the device is known not to measure.
    const auto eingabe = [this] {
        AdminEingabe = dialoge().adminDialog(AdminEingabe);
        return toAnsiStd(AdminEingabe);
    };
    const auto bestaetigen = [this] {
        const records::Meldung frage = records::formatierenFrage(sprache());
        return dialoge().meldung(QString::fromStdString(frage.text), QString::fromStdString(frage.titel),
                                 Dialoge::Knoepfe::JaNeinVorgabeNein,
                                 Dialoge::Symbol::Ausrufezeichen) == Dialoge::Antwort::Ja;
    };
    const records::AdminAblauf a = records::AdminBefehl(link_.get(), index, Verbunden, eingabe, bestaetigen);
    protokollieren(a.log);
    // Withdrawn by the user: nothing was sent, so there is nothing to report.
    if (a.abgebrochen)
        return;
    if (a.messmodus)
        dialoge().meldung(QString::fromStdString(records::messmodusText(sprache())));
    if (a.erfolg)
        QCoreApplication::processEvents();
    // The report is German in either language.
    zeigen(records::adminErgebnisMeldung(a.erfolg));
    if (a.erfolg && a.geraetSN)
        txtAlle[idx::txtGeraetSN]->setText(fromAnsi(*a.geraetSN));
}

void KAV_Main::InfoZeigen() {
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(umgebung_.versionMajor)
                                .arg(umgebung_.versionMinor)
                                .arg(umgebung_.versionRevision);
    // The logs go to the working folder unless the start chose a folder for them.
    const QString logs = umgebung_.logFolder.isEmpty() ? QDir::currentPath() : umgebung_.logFolder;
    dialoge().about(aboutInhalt(umgebung_.title, version, QDir::toNativeSeparators(settingsDatei()),
                                QDir::toNativeSeparators(logs)));
}

} // namespace kav::shell
