// The administrator commands (submenu "Administrator": write the device's
// serial number, format its record memory) and the About window.
#include <QDir>
#include <QLineEdit>

#include "admin_commands.h"
#include "ansi_text.h"
#include "com_usb.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "main_view.h"
#include "record_messages.h"
#include "records_controller.h"
#include "session.h"
#include "session_adapter.h"

namespace kav::shell {

void RecordsController::AdminBefehl(int index) {
    // The serial number is asked for only once the device is known not to
    // measure: the questions come from the job, in their place among its
    // transactions, and wait for the user on the UI thread.
    const bool verbunden = t_.session.verbunden();
    t_.adapter.posten<records::AdminAblauf>(
        [this, index, verbunden](ComUSB& link, const session::AbbruchToken&) {
            const auto eingabe = [this] {
                return t_.adapter.aufUi<std::string>([this] {
                    AdminEingabe = dialoge().adminDialog(AdminEingabe);
                    return toAnsiStd(AdminEingabe);
                });
            };
            const auto bestaetigen = [this] {
                return t_.adapter.aufUi<bool>([] {
                    const records::Meldung frage = records::formatierenFrage(sprache());
                    return dialoge().meldung(QString::fromStdString(frage.text), QString::fromStdString(frage.titel),
                                             Dialoge::Knoepfe::JaNeinVorgabeNein,
                                             Dialoge::Symbol::Ausrufezeichen) == Dialoge::Antwort::Ja;
                });
            };
            return records::AdminBefehl(&link, index, verbunden, eingabe, bestaetigen);
        },
        [this](session::JobErgebnis<records::AdminAblauf> r) {
            if (r.status != session::JobStatus::Fertig || !r.wert)
                return;
            const records::AdminAblauf& a = *r.wert;
            protokollieren(a.log);
            // Withdrawn by the user: nothing was sent, so there is nothing to report.
            if (a.abgebrochen)
                return;
            if (a.messmodus)
                dialoge().meldung(QString::fromStdString(records::messmodusText(sprache())));
            // The report is German in either language.
            zeigen(records::adminErgebnisMeldung(a.erfolg));
            if (a.erfolg && a.geraetSN)
                t_.v.txtAlle[idx::txtGeraetSN]->setText(fromAnsi(*a.geraetSN));
        });
}

void RecordsController::InfoZeigen(const QString& settingsDatei) {
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(t_.umgebung.versionMajor)
                                .arg(t_.umgebung.versionMinor)
                                .arg(t_.umgebung.versionRevision);
    // The logs go to the working folder unless the start chose a folder for them.
    const QString logs = t_.umgebung.logFolder.isEmpty() ? QDir::currentPath() : t_.umgebung.logFolder;
    dialoge().about(aboutInhalt(t_.umgebung.title, version, QDir::toNativeSeparators(settingsDatei),
                                QDir::toNativeSeparators(logs)));
}

} // namespace kav::shell
