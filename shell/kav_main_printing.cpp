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
#include "kav_main.h"
#include "kav_main_measure.h"
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

records::Druckseite KAV_Main::druckseite() const {
    const std::string s = sprache();
    const std::string trenner = messung::trenner();
    const records::Kopfzeile kopf =
        records::kopfzeile(fromAnsi(!picGrafik[idx::picDrehschwebung]->isHidden() ? DrehschwebungGespeichert.GeberSN
                                                                                  : AktuellGespeichert.GeberSN),
                           txtAlle[idx::txtSoftwareVersion]->text(), txtAlle[idx::txtFirmware]->text(),
                           txtAlle[idx::txtGeraetSN]->text(), s);
    records::Seitenmasse masse;
    masse.diagramm = picGrafik[idx::picDiagramm]->size();
    masse.panel = picGrafik[idx::picAktuell]->size();
    if (ocxBadInc1)
        masse.ring = ocxBadInc1->size();
    masse.zeilenHoehe = labAlle[idx::labDrehUmdrehungen]->height();
    masse.anzeigeHoehe = labAlle[idx::labSym0]->height();
    masse.hinweisHoehe = labAlle[idx::labSym0NichtVerfuegbar]->height();

    if (!picGrafik[idx::picDrehschwebung]->isHidden()) {
        records::Druckseite seite = records::drehschwebungSeite(DrehschwebungGespeichert, kopf, s, trenner, masse);
        auto& o = std::get<records::DrehschwebungDruck>(seite.inhalt);
        // The chart exactly as the box holds it (its X range follows "/math").
        if (chartBox_->hatLayout()) {
            o.layout = chartBox_->chartLayout();
            o.samples = chartBox_->samples();
        } else {
            // Limits the chart refused: nothing drawn, as on the screen.
            o.layout = measure::ChartLayout{};
            o.layout.fehlermeldung.assign(1, '-');
            o.samples.clear();
        }
        o.diagrammSchrift = chartBox_->font();
        o.zeilenSchrift = labAlle[idx::labDrehUmdrehungen]->font();
        return seite;
    }
    if (!picGrafik[idx::picAktuell]->isHidden()) {
        records::Druckseite seite = records::aktuellSeite(AktuellGespeichert, kopf, s, trenner, masse);
        auto& a = std::get<records::AktuellDruck>(seite.inhalt);
        // The notes as the page shows them: a code other than 110 and 120
        // leaves what an earlier result showed.
        const int nichtDa[] = {idx::labSym0NichtVerfuegbar, idx::labSym90NichtVerfuegbar, idx::labPhlNichtVerfuegbar};
        const int zuHoch[] = {idx::labSym0ZuHoch, idx::labSym90ZuHoch, idx::labPhlZuHoch};
        for (std::size_t i = 0; i < 3; ++i) {
            const QLabel* n = labAlle[static_cast<std::size_t>(nichtDa[i])];
            const QLabel* h = labAlle[static_cast<std::size_t>(zuHoch[i])];
            a.hinweise[i] = !n->isHidden() ? n->text() : !h->isHidden() ? h->text() : QString();
        }
        a.werteSchrift = labAlle[idx::labSym0]->font();
        a.hinweisSchrift = labAlle[idx::labSym0NichtVerfuegbar]->font();
        return seite;
    }
    if (!picGrafik[idx::picSchlechtimpulse]->isHidden() && ocxBadInc1) {
        // The ring as the page shows it, drawn by the control itself.
        const QImage ring = ocxBadInc1->grab().toImage();
        return records::schlechtimpulsSeite(SchlechtimpulsGespeichert, kopf, s, trenner, ring, masse);
    }
    // Without a result page there is nothing.
    return {};
}

void KAV_Main::Drucken() {
    const records::Druckseite seite = druckseite();
    if (seite.leer())
        return;
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
