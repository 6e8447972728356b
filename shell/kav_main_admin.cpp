// The administrator commands (submenu "Administrator": write the device's
// serial number, format its record memory) and the About window.
#include <QCoreApplication>
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
    const records::AdminAblauf a = records::AdminBefehl(link_.get(), index, Verbunden, [this] {
        AdminEingabe = dialoge().adminDialog(AdminEingabe);
        return toAnsiStd(AdminEingabe);
    });
    protokollieren(a.log);
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
    dialoge().about(aboutInhalt(umgebung_.title, version));
}

} // namespace kav::shell
