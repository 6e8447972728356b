// The archive in the window: what goes in (a finished measurement with "Ins
// Archiv" on and off, a saved result, a file opened), the page's filter and
// export, opening an archived result as opening its file does, and a failing
// archive that costs no saved file and shows no message box.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "archive.h"
#include "archive_dialog.h"
#include "archive_writer.h"
#include "control_indexes.h"
#include "measure_window_fixture.h"
#include "panel_widgets.h"
#include "record_file.h"
#include "sample_records.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;
using Art = RecordingDialoge::Art;

class ArchivFensterTest : public MessFensterTest {
protected:
    QString pfad(const QString& name) const { return QDir(ablage_.path()).filePath(name); }
    QString archivPfad() const { return pfad(QStringLiteral("archive.sqlite")); }

    // Everything posted has been written and its report has reached the window.
    static void archivAbwarten(KAV_Main& w) {
        archiv(w).schreiber().flush();
        QCoreApplication::processEvents();
    }
    // The archive's rows with their bytes, read through a connection of the test's own.
    std::vector<archive::StoredResult> zeilen(const QString& ort = {}) const {
        archive::Archive a;
        EXPECT_FALSE(a.open(ort.isEmpty() ? archivPfad() : ort));
        std::vector<archive::ResultRow> liste;
        EXPECT_FALSE(a.list({}, liste));
        std::vector<archive::StoredResult> alle;
        for (const archive::ResultRow& r : liste) {
            std::optional<archive::StoredResult> s;
            EXPECT_FALSE(a.find(r.id, s));
            if (s)
                alle.push_back(*s);
        }
        return alle;
    }
    static int anzahl(const std::vector<archive::StoredResult>& z, const char* quelle) {
        return static_cast<int>(
            std::count_if(z.begin(), z.end(), [&](const auto& s) { return s.row.source == quelle; }));
    }
    static void schreiben(const QString& datei, const records::Dateiinhalt& d) {
        ASSERT_TRUE(d.ok());
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray::fromStdString(d.bytes));
    }
    static QByteArray lesen(const QString& datei) {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // A current-values result shown on its page, continuous reading off.
    std::unique_ptr<KAV_Main> aktuell(bool insArchiv, const QString& ablage) {
        auto w = verbunden("--steady --speed 1500 --track-error 0");
        archiv(*w).setAblage(ablage);
        archiv(*w).setInsArchiv(insArchiv);
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        ansicht(*w).chkAlle[idx::chkAktuellImmer]->setChecked(false);
        warteBisFrei(*w);
        archivAbwarten(*w);
        return w;
    }

    QTemporaryDir ablage_;
};

TEST_F(ArchivFensterTest, AFinishedMeasurementGoesInOnlyWithInsArchivAndASavedResultAlways) {
    for (const bool an : {true, false}) {
        SCOPED_TRACE(an);
        const QString ort = pfad(QStringLiteral("archive-%1.sqlite").arg(an));
        auto w = aktuell(an, ort);
        const auto z = zeilen(ort);
        EXPECT_EQ(anzahl(z, "online") > 0, an);
        EXPECT_EQ(settings().contains(an ? "Archive results=1" : "Archive results=0"), true);

        const QString gespeichert = pfad(QStringLiteral("gespeichert-%1.kav").arg(an));
        dialoge_.waehleDatei(QDir::toNativeSeparators(gespeichert));
        w->btnAlle_Click(idx::btnAktuellSpeichern);
        warteBisFrei(*w);
        archivAbwarten(*w);
        const QByteArray datei = lesen(gespeichert);
        ASSERT_FALSE(datei.isEmpty());
        const auto nachher = zeilen(ort);
        EXPECT_TRUE(std::any_of(nachher.begin(), nachher.end(), [&](const auto& s) { return s.bytes == datei; }));
        EXPECT_EQ(nachher.size(), z.size() + 1);
    }
}

TEST_F(ArchivFensterTest, AnArchiveThatCannotBeWrittenCostsNoFileAndNoMessageBox) {
    // A path below a plain file: no database can be made there, whoever runs the test.
    QFile sperre(pfad(QStringLiteral("datei")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    auto w = aktuell(true, pfad(QStringLiteral("datei/archive.sqlite")));
    dialoge_.leeren();
    dialoge_.waehleDatei(QDir::toNativeSeparators(pfad(QStringLiteral("trotzdem.kav"))));
    w->btnAlle_Click(idx::btnAktuellSpeichern);
    warteBisFrei(*w);
    archivAbwarten(*w);
    EXPECT_FALSE(lesen(pfad(QStringLiteral("trotzdem.kav"))).isEmpty());
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0) << dialoge_.meldungsTexte().join('|').toStdString();
    EXPECT_FALSE(archiv(*w).statuszeile()->isHidden());
    EXPECT_TRUE(archiv(*w).statuszeile()->text().startsWith(QStringLiteral("Result not archived: ")));
    EXPECT_TRUE(logs_.tagesLog().contains("Archiv -> "));
}

TEST_F(ArchivFensterTest, AFileOpenedGoesInAndTheFilteredPageOpensAResultAsItsFile) {
    const LocalTime t{2008, 3, 7, 9, 5, 0};
    schreiben(pfad(QStringLiteral("a.kav")),
              records::DateiSchreiben1(beispielAktuell(), {"1.02", "11111111", "000815", "Motor 1"}, t));
    schreiben(pfad(QStringLiteral("b.kav")),
              records::DateiSchreiben3(beispielDrehschwebung(), {"1.02", "22222222", "000816", "Motor 2"}, t));
    auto w = verbunden();
    archiv(*w).setAblage(archivPfad());
    w->btnAlle_Click(idx::btnDatenVomComputer);
    warteBisFrei(*w);
    ansicht(*w).fleAlle0->setPath(ablage_.path());
    for (const char* name : {"a.kav", "b.kav"}) {
        ansicht(*w).fleAlle0->refresh();
        const auto treffer = ansicht(*w).fleAlle0->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1);
        ansicht(*w).fleAlle0->setCurrentItem(treffer.front());
        w->btnAlle_Click(idx::btnOeffnen);
        warteBisFrei(*w);
    }
    archivAbwarten(*w);
    EXPECT_EQ(anzahl(zeilen(), "file"), 2);
    const measure::AktuellWerte ausDatei = sitzung(*w).aktuell().gespeichert;
    messen(*w).loeschen(1);

    // Another result on the page, then the archived one of encoder 11111111 in its place.
    shell::ArchiveDialog& seite = archiv(*w).seiteZeigen();
    seite.geberSN->setText(QStringLiteral("11111111"));
    ASSERT_TRUE(seite.suchen());
    ASSERT_EQ(seite.liste->topLevelItemCount(), 1);
    EXPECT_EQ(seite.liste->topLevelItem(0)->text(4), QStringLiteral("11111111"));
    seite.liste->topLevelItem(0)->setSelected(true);
    ASSERT_TRUE(seite.oeffnen());
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeberSN]->text(), QStringLiteral("11111111"));
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtDatum]->text(), QStringLiteral("07.03.2008 - 09:05:00"));
    EXPECT_FALSE(ansicht(*w).picGrafik[idx::picAktuell]->isHidden());
    EXPECT_TRUE(ansicht(*w).picGrafik[idx::picDrehschwebung]->isHidden());
    EXPECT_EQ(sitzung(*w).aktuell().gespeichert, ausDatei);
    archivAbwarten(*w);
    EXPECT_EQ(zeilen().size(), 2u) << "shown from the archive, not archived again";

    // The filters that leave nothing, and the type filter.
    seite.geberSN->clear();
    seite.typ->setCurrentIndex(3);
    ASSERT_TRUE(seite.suchen());
    ASSERT_EQ(seite.liste->topLevelItemCount(), 1);
    EXPECT_EQ(seite.liste->topLevelItem(0)->text(5), QStringLiteral("000816"));
    seite.von->setText(QStringLiteral("2008-03-08"));
    ASSERT_TRUE(seite.suchen());
    EXPECT_EQ(seite.liste->topLevelItemCount(), 0);

    // Export of the selection: the bytes unchanged, and one CSV line per result.
    seite.von->clear();
    seite.typ->setCurrentIndex(0);
    ASSERT_TRUE(seite.suchen());
    seite.liste->selectAll();
    seite.exportordner->setText(pfad(QStringLiteral("export")));
    EXPECT_EQ(seite.exportKav(), 2);
    const QStringList exportiert = QDir(pfad(QStringLiteral("export"))).entryList(QDir::Files);
    ASSERT_EQ(exportiert.size(), 2);
    QList<QByteArray> inhalte;
    for (const QString& n : exportiert)
        inhalte << lesen(QDir(pfad(QStringLiteral("export"))).filePath(n));
    EXPECT_TRUE(inhalte.contains(lesen(pfad(QStringLiteral("a.kav")))));
    EXPECT_TRUE(inhalte.contains(lesen(pfad(QStringLiteral("b.kav")))));
    dialoge_.waehleDatei(pfad(QStringLiteral("auswahl.csv")));
    ASSERT_TRUE(seite.exportCsv());
    const QList<QByteArray> csv = lesen(pfad(QStringLiteral("auswahl.csv"))).split('\n');
    ASSERT_EQ(csv.size(), 4); // heading, two results, the end of the last line
    EXPECT_TRUE(csv[0].startsWith("No.,Taken,Type,Source,Encoder serial,Device serial,Name,Verdict"));
    EXPECT_TRUE(csv[1].contains(",file,") && csv[2].contains(",file,"));

    // "History" asks for the history of the selected encoder.
    QString verlangt;
    QObject::connect(&archiv(*w), &shell::ArchiveController::verlaufGewuenscht,
                     [&](const QString& sn) { verlangt = sn; });
    seite.liste->setCurrentItem(seite.liste->topLevelItem(0));
    seite.findChild<QPushButton*>(QStringLiteral("btnVerlauf"))->click();
    EXPECT_EQ(verlangt, seite.liste->topLevelItem(0)->text(4));
}

// Pictures of the page in both languages, for looking at (not run by default):
// KAV_SHOTS=DIR test_shell_window --gtest_also_run_disabled_tests --gtest_filter='*Bilder*'
TEST_F(ArchivFensterTest, DISABLED_BilderDerSeite) {
    const QString ziel = qEnvironmentVariable("KAV_SHOTS", QDir::tempPath());
    {
        archive::Archive a;
        ASSERT_FALSE(a.open(archivPfad()));
        archive::Added neu;
        const LocalTime t{2024, 3, 7, 9, 5, 0};
        const records::KopfTexte k{"1.02", "G4711023", "070123", "Motor 1"};
        for (const auto& [d, q] :
             {std::pair{records::DateiSchreiben1(beispielAktuell(), k, t), archive::Source::Online},
              {records::DateiSchreiben2(beispielSchlechtimpulse(), k, {2024, 3, 8, 10, 0, 0}), archive::Source::Device},
              {records::DateiSchreiben3(beispielDrehschwebung(), {"1.02", "G4711030", "070123", "Welle A"},
                                        {2024, 3, 9, 14, 30, 0}),
               archive::Source::File}})
            ASSERT_FALSE(a.add({QByteArray::fromStdString(d.bytes), q, std::nullopt, std::nullopt}, neu));
    }
    for (const char* sprache : {"D", "E"}) {
        auto w = verbunden({}, sprache);
        archiv(*w).setAblage(archivPfad());
        shell::ArchiveDialog& seite = archiv(*w).seiteZeigen();
        seite.liste->topLevelItem(1)->setSelected(true);
        EXPECT_TRUE(seite.grab().save(QDir(ziel).filePath(QStringLiteral("archive-page-%1.png").arg(sprache))));
    }
}

TEST(ArchivCsv, AFieldWithACommaOrQuoteIsQuoted) {
    EXPECT_EQ(shell::ArchiveDialog::csv({{"1", "a,b", "sagt \"x\""}}),
              QStringLiteral("1,\"a,b\",\"sagt \"\"x\"\"\"\r\n"));
}

} // namespace
} // namespace kav::test
