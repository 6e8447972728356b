// "Drucken" in the window: the printout holds what the page shows, goes to
// the default printer, becomes a PDF the user names when no printer is set
// up, and a printer that fails is reported. The bad-pulse page prints its
// ring and values; no page prints nothing. After a language switch the page
// and the printout speak the new language alike.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "chart_box.h"
#include "control_indexes.h"
#include "measure_window_fixture.h"
#include "print_output.h"
#include "save_names.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::Dialoge;
using shell::KAV_Main;
using Art = RecordingDialoge::Art;

class DruckTest : public MessFensterTest {
protected:
    static records::Beschriftet seite(const KAV_Main& w, int label, int box) {
        return {ansicht(w).labAlle[static_cast<std::size_t>(label)]->text(),
                ansicht(w).txtAlle[static_cast<std::size_t>(box)]->text()};
    }
    static records::Beschriftet anzeige(const KAV_Main& w, int label, const QWidget* ocx) {
        return {ansicht(w).labAlle[static_cast<std::size_t>(label)]->text(),
                QString::number(static_cast<int>(ocx->property("iValue").toFloat()))};
    }
    static void kopfWieSeite(const KAV_Main& w, const records::Kopfzeile& k) {
        EXPECT_EQ(k.geberSN, seite(w, idx::labGeberSN, idx::txtGeberSN));
        EXPECT_EQ(k.software, seite(w, idx::labSoftwareVersion, idx::txtSoftwareVersion));
        EXPECT_EQ(k.firmware, seite(w, idx::labFirmware, idx::txtFirmware));
        EXPECT_EQ(k.geraetSN, seite(w, idx::labGeraetSN, idx::txtGeraetSN));
        EXPECT_EQ(k.software.text, QStringLiteral("1.2.3"));
    }
    std::unique_ptr<KAV_Main> aktuell(const char* sprache = "E") {
        auto w =
            verbunden("--steady --speed 1500 --symmetry0 200 --symmetry90 120 --phase 110 --track-error 0", sprache);
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        ansicht(*w).chkAlle[idx::chkAktuellImmer]->setChecked(false);
        warteBisFrei(*w);
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        return w;
    }
    std::unique_ptr<KAV_Main> drehschwebung() {
        auto w = verbunden("--samples 400");
        w->btnAlle_Click(idx::btnDrehschwebung);
        warteBisFrei(*w);
        tickeAus(*w, 3);
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        return w;
    }
    QString datei(const QString& name) const { return QDir(ablage_.path()).filePath(name); }
    // The save dialog's default name for the clock's time ("2008.03.05-09.04.11").
    QString jetzt() const { return QString::fromStdString(records::standardDateiname(uhr_.localTime())); }

    QTemporaryDir ablage_;
};

TEST_F(DruckTest, TheCurrentValuesPrintoutHoldsWhatThePageShows) {
    for (const char* sprache : {"E", "D"}) {
        SCOPED_TRACE(sprache);
        drucker_ = {};
        drucker_.standard = QStringLiteral("Buero");
        auto w = aktuell(sprache);
        ansicht(*w).mnuProgrammItem[4]->trigger();
        warteBisFrei(*w);
        ASSERT_EQ(drucker_.auftraege.size(), 1u);
        const TestDrucker::Auftrag& job = drucker_.auftraege[0];
        EXPECT_EQ(job.drucker, QStringLiteral("Buero"));
        EXPECT_EQ(job.dokument, (*sprache == 'E' ? QStringLiteral("KavStudio - Actual - ")
                                                 : QStringLiteral("KavStudio - Aktuell - ")) +
                                    jetzt());
        kopfWieSeite(*w, job.seite.kopf);
        const auto& a = std::get<records::AktuellDruck>(job.seite.inhalt);
        EXPECT_EQ(a.sym0, anzeige(*w, idx::labSym0, ansicht(*w).ocxSym0));
        EXPECT_EQ(a.sym0.text, QStringLiteral("-56"));
        EXPECT_EQ(a.sym90, anzeige(*w, idx::labSym90, ansicht(*w).ocxSym90));
        EXPECT_EQ(a.phl, anzeige(*w, idx::labPhl, ansicht(*w).ocxPhl));
        EXPECT_EQ(a.versorgung, seite(*w, idx::labVersorgung, idx::txtVersorgung));
        EXPECT_EQ(a.strom, seite(*w, idx::labStrom, idx::txtStrom));
        EXPECT_EQ(a.impulszahl, seite(*w, idx::labImpulszahl, idx::txtImpulszahl));
        EXPECT_EQ(a.drehzahl, seite(*w, idx::labDrehzahl, idx::txtDrehzahl));
        EXPECT_EQ(a.frequenz, seite(*w, idx::labFrequenz, idx::txtFrequenz));
        // The notes shown: none under 0°, "not available" under 90°, "too high" under the phase.
        EXPECT_EQ(a.hinweise,
                  (std::array<QString, 3>{QString(), ansicht(*w).labAlle[idx::labSym90NichtVerfuegbar]->text(),
                                          ansicht(*w).labAlle[idx::labPhlZuHoch]->text()}));
        EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0);

        // A note an earlier result left on the screen is printed too.
        ansicht(*w).labAlle[idx::labSym0ZuHoch]->show();
        w->Drucken();
        ASSERT_EQ(drucker_.auftraege.size(), 2u);
        EXPECT_EQ(std::get<records::AktuellDruck>(drucker_.auftraege[1].seite.inhalt).hinweise[0],
                  ansicht(*w).labAlle[idx::labSym0ZuHoch]->text());
    }
}

TEST_F(DruckTest, TheOscillationPrintoutHoldsTheChartAsTheBoxDrawsIt) {
    drucker_.standard = QStringLiteral("Buero");
    auto w = drehschwebung();
    ansicht(*w).mnuProgrammItem[4]->trigger();
    warteBisFrei(*w);
    ASSERT_EQ(drucker_.auftraege.size(), 1u);
    const records::Druckseite& s = drucker_.auftraege[0].seite;
    EXPECT_EQ(drucker_.auftraege[0].dokument, QStringLiteral("KavStudio - Rotational frequ. modulation - ") + jetzt());
    kopfWieSeite(*w, s.kopf);
    const auto& o = std::get<records::DrehschwebungDruck>(s.inhalt);
    EXPECT_EQ(o.umdrehungen, seite(*w, idx::labDrehUmdrehungen, idx::txtDrehUmdrehungen));
    EXPECT_EQ(o.min, seite(*w, idx::labDrehMin, idx::txtDrehMin));
    EXPECT_EQ(o.max, seite(*w, idx::labDrehMax, idx::txtDrehMax));
    EXPECT_EQ(o.impulszahl, seite(*w, idx::labDrehImpulszahl, idx::txtDrehImpulszahl));
    EXPECT_EQ(o.drehzahl, seite(*w, idx::labDrehDrehzahl, idx::txtDrehDrehzahl));
    EXPECT_EQ(o.frequenz, seite(*w, idx::labDrehFrequenz, idx::txtDrehFrequenz));
    EXPECT_EQ(o.samples, ansicht(*w).chartBox()->samples());
    EXPECT_EQ(o.samples.size(), 400u);
    ASSERT_TRUE(o.layout.ok());
    EXPECT_EQ(o.layout.beschriftung.size(), ansicht(*w).chartBox()->chartLayout().beschriftung.size());
    EXPECT_EQ(o.layout.NullY, ansicht(*w).chartBox()->chartLayout().NullY);
    // Built from the saved copy alone, the page comes out the same.
    const records::Druckseite ohneFenster =
        records::drehschwebungSeite(sitzung(*w).drehschwebung().gespeichert, s.kopf, "E", zahl(".").toStdString());
    const auto& o2 = std::get<records::DrehschwebungDruck>(ohneFenster.inhalt);
    EXPECT_EQ(o2.drehzahl, o.drehzahl);
    EXPECT_EQ(o2.samples, o.samples);
    EXPECT_EQ(o2.layout.NullY, o.layout.NullY);
}

TEST_F(DruckTest, TheBadPulsePagePrintsItsRingAndValues_NoPageAndABusyWindowNothing) {
    drucker_.standard = QStringLiteral("Buero");
    auto w = verbunden("--seed 11");
    w->Drucken();
    EXPECT_TRUE(drucker_.auftraege.empty()) << "no result page";
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    warteBisFrei(*w);
    tickeAus(*w, 2);
    ASSERT_FALSE(ansicht(*w).picGrafik[idx::picSchlechtimpulse]->isHidden());
    ansicht(*w).mnuProgrammItem[4]->trigger();
    warteBisFrei(*w);
    ASSERT_EQ(drucker_.auftraege.size(), 1u) << "the bad-pulse page";
    EXPECT_EQ(drucker_.auftraege[0].dokument, QStringLiteral("KavStudio - Bad pulses - ") + jetzt());
    const auto& b = std::get<records::SchlechtimpulsDruck>(drucker_.auftraege[0].seite.inhalt);
    EXPECT_FALSE(b.ring.isNull());
    EXPECT_EQ(b.maxNegativ.text, ansicht(*w).txtAlle[idx::txtMaxNegativ]->text());
    EXPECT_EQ(b.drehzahl.text, ansicht(*w).txtAlle[idx::txtSchlechtDrehzahl]->text());
    EXPECT_EQ(b.frequenz.text, ansicht(*w).txtAlle[idx::txtSchlechtFrequenz]->text());
    EXPECT_EQ(b.anzahl.text, ansicht(*w).txtAlle[idx::txtAnzahlAbweichungen]->text());
    drucker_.auftraege.clear();

    w.reset(); // one window per simulated device
    auto v = aktuell();
    sitzung(*v).setBeschaeftigt(true);
    ansicht(*v).mnuProgrammItem[4]->trigger();
    warteBisFrei(*v);
    EXPECT_TRUE(drucker_.auftraege.empty()) << "busy";
    sitzung(*v).setBeschaeftigt(false);
    ansicht(*v).mnuProgrammItem[4]->trigger();
    warteBisFrei(*v);
    EXPECT_EQ(drucker_.auftraege.size(), 1u);
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0);
    EXPECT_EQ(dialoge_.anzahl(Art::SpeichernUnter), 0);
}

TEST_F(DruckTest, AfterALanguageSwitchPageAndPrintoutSpeakTheNewLanguage) {
    drucker_.standard = QStringLiteral("Buero");
    auto w = aktuell("D");
    ASSERT_TRUE(ansicht(*w).txtAlle[idx::txtDrehzahl]->text().endsWith(QStringLiteral("1/min")));
    w->SpracheSetzen(QStringLiteral("E"));
    EXPECT_TRUE(ansicht(*w).txtAlle[idx::txtDrehzahl]->text().endsWith(QStringLiteral("rpm")))
        << ansicht(*w).txtAlle[idx::txtDrehzahl]->text().toStdString();
    w->Drucken();
    ASSERT_EQ(drucker_.auftraege.size(), 1u);
    const auto& a = std::get<records::AktuellDruck>(drucker_.auftraege[0].seite.inhalt);
    EXPECT_EQ(a.drehzahl, seite(*w, idx::labDrehzahl, idx::txtDrehzahl));
    EXPECT_EQ(a.hinweise[1], ansicht(*w).labAlle[idx::labSym90NichtVerfuegbar]->text());
    EXPECT_EQ(a.hinweise[1], QStringLiteral("Not available."));
}

TEST_F(DruckTest, APrinterThatFailsIsReported) {
    drucker_.standard = QStringLiteral("Buero");
    drucker_.gelingt = false;
    auto w = aktuell();
    dialoge_.leeren();
    w->Drucken();
    EXPECT_EQ(drucker_.auftraege.size(), 1u);
    EXPECT_EQ(dialoge_.meldungsTexte(),
              QStringList{QStringLiteral("The page could not be printed.\r\nThe printer reported an error. (Buero)")});
    EXPECT_EQ(dialoge_.letzter().titel, QStringLiteral("Error on printing"));
    EXPECT_EQ(dialoge_.letzter().symbol, Dialoge::Symbol::Ausrufezeichen);
    EXPECT_TRUE(logs_.tagesLog().contains("Drucken -> Die Seite konnte nicht gedruckt werden (Buero).\r\n"));
}

TEST_F(DruckTest, WithoutAPrinterThePageBecomesAPdfTheUserNames) {
    auto w = drehschwebung();
    dialoge_.leeren();
    // Cancelled: nothing written.
    dialoge_.speichernAbbrechen();
    w->Drucken();
    const auto dialog = dialoge_.aufrufe(Art::SpeichernUnter);
    ASSERT_EQ(dialog.size(), 1u);
    EXPECT_EQ(dialog[0].speichern.titel, QStringLiteral("No printer set up: save the page as PDF"));
    EXPECT_EQ(dialog[0].speichern.standardErweiterung, QStringLiteral(".pdf"));
    EXPECT_EQ(dialog[0].speichern.filter, QStringLiteral("PDF (*.pdf)|*.pdf"));
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("Data have not been stored.")});
    EXPECT_TRUE(QDir(ablage_.path()).isEmpty());

    dialoge_.leeren();
    dialoge_.waehleDatei(datei(QStringLiteral("Welle.pdf")));
    w->Drucken();
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0);
    QFile pdf(datei(QStringLiteral("Welle.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray inhalt = pdf.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF-"));
    EXPECT_TRUE(inhalt.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(inhalt.contains("/Count 1")) << "one page";
    EXPECT_TRUE(drucker_.auftraege.empty());

    // An existing file not to be replaced stays; a folder that is not there is reported.
    dialoge_.leeren();
    dialoge_.waehleDatei(datei(QStringLiteral("Welle.pdf")));
    dialoge_.antworte(Dialoge::Antwort::Nein);
    pdf.close();
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly | QIODevice::Truncate));
    pdf.write("alt");
    pdf.close();
    w->Drucken();
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll(), QByteArray("alt"));
    dialoge_.leeren();
    dialoge_.waehleDatei(datei(QStringLiteral("fehlt/Welle.pdf")));
    w->Drucken();
    EXPECT_EQ(dialoge_.meldungsTexte(),
              QStringList{QStringLiteral("The file could not be saved.\r\nThe file name is not valid.")});
    EXPECT_TRUE(logs_.tagesLog().contains("Drucken -> Die Datei konnte nicht gespeichert werden ("));
}

TEST_F(DruckTest, TheWindowMeasuresAreThePrintoutDefaults) {
    // A printout made without the window (kavctl report) scales from these.
    auto w = verbunden();
    const records::Seitenmasse m;
    EXPECT_EQ(ansicht(*w).picGrafik[idx::picDiagramm]->size(), m.diagramm);
    EXPECT_EQ(ansicht(*w).picGrafik[idx::picAktuell]->size(), m.panel);
    EXPECT_EQ(ansicht(*w).picGrafik[idx::picSchlechtimpulse]->size(), m.panel);
    ASSERT_NE(ansicht(*w).ocxBadInc1, nullptr);
    EXPECT_EQ(ansicht(*w).ocxBadInc1->size(), m.ring);
    EXPECT_EQ(ansicht(*w).labAlle[idx::labDrehUmdrehungen]->height(), m.zeilenHoehe);
    EXPECT_EQ(ansicht(*w).labAlle[idx::labSym0]->height(), m.anzeigeHoehe);
    EXPECT_EQ(ansicht(*w).labAlle[idx::labSym0NichtVerfuegbar]->height(), m.hinweisHoehe);
    const QWidget* mitSchriften[] = {ansicht(*w).labAlle[idx::labDrehUmdrehungen], ansicht(*w).labAlle[idx::labSym0],
                                     ansicht(*w).chartBox(), ansicht(*w).ocxBadInc1};
    for (const QWidget* mitSchrift : mitSchriften) {
        EXPECT_EQ(mitSchrift->font().pixelSize(), records::standardSchrift().pixelSize());
        EXPECT_EQ(mitSchrift->font().family(), records::standardSchrift().family());
        EXPECT_EQ(mitSchrift->font().bold(), false);
    }
}

TEST_F(DruckTest, ThePrintoutOfTheWindowPaints) {
    drucker_.standard = QStringLiteral("Buero");
    auto w = drehschwebung();
    const QImage bild = records::alsBild(w->druckseite(), 72);
    // The chart's axes cross the area below the header line.
    int dunkel = 0;
    for (int y = bild.height() / 8; y < bild.height() / 2; ++y)
        for (int x = 0; x < bild.width(); ++x)
            dunkel += qGray(bild.pixel(x, y)) < 128;
    EXPECT_GT(dunkel, 500);
}

} // namespace
} // namespace kav::test
