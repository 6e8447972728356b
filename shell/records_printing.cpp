// "Drucken": the shown result page on the system's default printer, or, when
// no printer is set up, as a PDF file the user names. A printer that fails
// says so. The page comes from the saved copy of the shown result through the
// pages' own display rules, with the notes, the chart, the deviation ring and
// the measures as the window shows them.
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "ansi_text.h"
#include "atomic_file.h"
#include "chart_box.h"
#include "control_indexes.h"
#include "dialogs.h"
#include "records_controller.h"
#include "main_view.h"
#include "session.h"
#include "panel_values.h"
#include "language.h"
#include "logs.h"
#include "print_output.h"
#include "printer_access.h"
#include "printout.h"
#include "record_messages.h"
#include "record_texts.h"
#include "save_names.h"

namespace kav::shell {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

records::Druckseite RecordsController::druckseite() const {
    const std::string s = sprache();
    const std::string trenner = messung::trenner();
    const records::Kopfzeile kopf =
        records::kopfzeile(fromAnsi(!t_.v.picGrafik[idx::picDrehschwebung]->isHidden() ? t_.session.drehschwebung().gespeichert.GeberSN
                                                                                  : t_.session.aktuell().gespeichert.GeberSN),
                           t_.v.txtAlle[idx::txtSoftwareVersion]->text(), t_.v.txtAlle[idx::txtFirmware]->text(),
                           t_.v.txtAlle[idx::txtGeraetSN]->text(), s);
    records::Seitenmasse masse;
    masse.diagramm = t_.v.picGrafik[idx::picDiagramm]->size();
    masse.panel = t_.v.picGrafik[idx::picAktuell]->size();
    if (t_.v.ocxBadInc1)
        masse.ring = t_.v.ocxBadInc1->size();
    masse.zeilenHoehe = t_.v.labAlle[idx::labDrehUmdrehungen]->height();
    masse.anzeigeHoehe = t_.v.labAlle[idx::labSym0]->height();
    masse.hinweisHoehe = t_.v.labAlle[idx::labSym0NichtVerfuegbar]->height();

    if (!t_.v.picGrafik[idx::picDrehschwebung]->isHidden()) {
        records::Druckseite seite = records::drehschwebungSeite(t_.session.drehschwebung().gespeichert, kopf, s, trenner, masse);
        auto& o = std::get<records::DrehschwebungDruck>(seite.inhalt);
        // The chart exactly as the box holds it (its X range follows "/math").
        if (t_.v.chartBox()->hatLayout()) {
            o.layout = t_.v.chartBox()->chartLayout();
            o.samples = t_.v.chartBox()->samples();
        } else {
            // Limits the chart refused: nothing drawn, as on the screen.
            o.layout = measure::ChartLayout{};
            o.layout.fehlermeldung.assign(1, '-');
            o.samples.clear();
        }
        o.diagrammSchrift = t_.v.chartBox()->font();
        o.zeilenSchrift = t_.v.labAlle[idx::labDrehUmdrehungen]->font();
        return seite;
    }
    if (!t_.v.picGrafik[idx::picAktuell]->isHidden()) {
        records::Druckseite seite = records::aktuellSeite(t_.session.aktuell().gespeichert, kopf, s, trenner, masse);
        auto& a = std::get<records::AktuellDruck>(seite.inhalt);
        // The notes as the page shows them: a code other than 110 and 120
        // leaves what an earlier result showed.
        const int nichtDa[] = {idx::labSym0NichtVerfuegbar, idx::labSym90NichtVerfuegbar, idx::labPhlNichtVerfuegbar};
        const int zuHoch[] = {idx::labSym0ZuHoch, idx::labSym90ZuHoch, idx::labPhlZuHoch};
        for (std::size_t i = 0; i < 3; ++i) {
            const QLabel* n = t_.v.labAlle[static_cast<std::size_t>(nichtDa[i])];
            const QLabel* h = t_.v.labAlle[static_cast<std::size_t>(zuHoch[i])];
            a.hinweise[i] = !n->isHidden() ? n->text() : !h->isHidden() ? h->text() : QString();
        }
        a.werteSchrift = t_.v.labAlle[idx::labSym0]->font();
        a.hinweisSchrift = t_.v.labAlle[idx::labSym0NichtVerfuegbar]->font();
        return seite;
    }
    if (!t_.v.picGrafik[idx::picSchlechtimpulse]->isHidden() && t_.v.ocxBadInc1) {
        // The ring as the page shows it, drawn by the control itself.
        const QImage ring = t_.v.ocxBadInc1->grab().toImage();
        return records::schlechtimpulsSeite(t_.session.schlechtimpulse().gespeichert, kopf, s, trenner, ring, masse);
    }
    // Without a result page there is nothing.
    return {};
}

void RecordsController::Drucken() {
    records::Druckseite seite = druckseite();
    if (seite.leer())
        return;
    if (druckZusatz)
        druckZusatz(seite);
    const int typ = std::holds_alternative<records::DrehschwebungDruck>(seite.inhalt)     ? 3
                    : std::holds_alternative<records::SchlechtimpulsDruck>(seite.inhalt) ? 2
                                                                                         : 1;
    const QString dokument = QStringLiteral("KavStudio - ") + SprachText(q(records::seitenTitel(typ))) +
                             QStringLiteral(" - ") + q(records::standardDateiname(jetzt()));
    Druckerzugang& drucker = druckerzugang();
    const QString name = drucker.standardDrucker();
    if (!name.isEmpty()) {
        if (!drucker.drucken(name, seite, dokument)) {
            zeigen(records::druckFehlerMeldung(name.toStdString(), sprache()));
            LogSchreiben(q(records::druckFehlerLogZeile(name.toStdString())));
        }
        return;
    }

    // No printer: the same page as a PDF file.
    const QString datei =
        speicherDialog(q(records::pdfDialogTitel(sprache())), QString::fromLatin1(records::kPdfEndung),
                       QString::fromLatin1(records::kPdfFilter));
    if (datei.isEmpty())
        return;
    const QByteArray pdf = records::alsPdf(seite, dokument);
    const records::DateiFehler f =
        pdf.isEmpty() ? records::DateiFehler::EAFehler
                      : records::atomarSchreiben(dateiPfad(datei), std::string_view(pdf.constData(), pdf.size()));
    if (f != records::DateiFehler::Keiner) {
        zeigen(records::speicherFehlerMeldung(f, sprache()));
        LogSchreiben(q(records::speicherFehlerLogZeile("Drucken", datei.toStdString(), f)));
    }
}

} // namespace kav::shell
