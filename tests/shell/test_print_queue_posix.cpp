// Printing through the system's print queue: "Drucken" on the current-values
// page and on the oscillation page goes to the default printer, a CUPS-PDF
// queue, and the PDF that arrives in the user's PDF folder has one page with
// the page's texts (read back with pdftotext). Without such a queue the test
// is skipped; with KAV_REQUIRE_PRINTER=1 (CI) it fails instead.
#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest/QTest>

#include <pwd.h>
#include <unistd.h>

#include "control_indexes.h"
#include "measure_window_fixture.h"
#include "printer_access.h"
#include "save_names.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::KAV_Main;

QString ausfuehren(const QString& programm, const QStringList& args) {
    QProcess p;
    p.start(programm, args);
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Where CUPS-PDF puts the PDFs of this user: ~/PDF of the user's own home
// (not $HOME), or KAV_PRINTER_PDF_DIR.
QString pdfOrdner() {
    const QString gesetzt = qEnvironmentVariable("KAV_PRINTER_PDF_DIR");
    if (!gesetzt.isEmpty())
        return gesetzt;
    const passwd* pw = getpwuid(getuid());
    return QDir(QString::fromLocal8Bit(pw ? pw->pw_dir : "/")).filePath(QStringLiteral("PDF"));
}

// Why no queue can be used; "" when the default printer is a CUPS-PDF queue.
QString ohneWarteschlange() {
    const QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        return QStringLiteral("no default printer");
    if (QStandardPaths::findExecutable(QStringLiteral("lpstat")).isEmpty())
        return QStringLiteral("lpstat is not installed");
    for (const char* werkzeug : {"pdfinfo", "pdftotext"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(werkzeug)).isEmpty())
            return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(werkzeug));
    const QString geraet = ausfuehren(QStringLiteral("lpstat"), {QStringLiteral("-v"), name});
    if (!geraet.contains(QStringLiteral("cups-pdf:/")))
        return QStringLiteral("the default printer %1 is not a CUPS-PDF queue (%2)").arg(name, geraet.trimmed());
    return {};
}

// Garbled text: CUPS turned the job into PostScript with Ghostscript, which
// loses the fonts' character mapping; the queue should render with cairo.
constexpr char kLesbar[] = "\n(unreadable text? lpadmin -p QUEUE -o pdftops-renderer-default=pdftocairo)";

class DruckWarteschlange : public MessFensterTest {
protected:
    void SetUp() override {
        const QString grund = ohneWarteschlange();
        if (grund.isEmpty())
            return;
        if (qEnvironmentVariable("KAV_REQUIRE_PRINTER") == QLatin1String("1"))
            FAIL() << "KAV_REQUIRE_PRINTER=1 but " << grund.toStdString();
        GTEST_SKIP() << grund.toStdString();
    }

    // The window's own clock at this real moment: the job's title is unique.
    void jetztStellen() {
        const QDateTime t = QDateTime::currentDateTime();
        uhr_.setLocalTime(
            {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()});
    }

    // Prints the shown page on the real default printer and waits for the
    // PDF whose title is the job's; its path, "" after the time-out.
    QString druckenUndWarten(KAV_Main& w, const QString& seite) {
        shell::setDruckerzugang(nullptr); // the system's printers
        const QString titel = QStringLiteral("KavStudio - ") + seite + QStringLiteral(" - ") +
                              QString::fromStdString(records::standardDateiname(uhr_.localTime()));
        const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);
        ansicht(w).mnuProgrammItem[4]->trigger();
        warteBisFrei(w);
        EXPECT_EQ(dialoge_.anzahl(RecordingDialoge::Art::Meldung), 0)
            << dialoge_.meldungsTexte().join('|').toStdString();
        QString gefunden;
        // The spooler and CUPS-PDF run outside this process: look until the file is there and complete.
        const bool da = QTest::qWaitFor(
            [&] {
                for (const QFileInfo& f : QDir(pdfOrdner()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
                    if (f.lastModified() < vorher)
                        continue;
                    const QString info = ausfuehren(QStringLiteral("pdfinfo"), {f.filePath()});
                    if (info.contains(QStringLiteral("Title:")) && info.contains(titel)) {
                        gefunden = f.filePath();
                        return true;
                    }
                }
                return false;
            },
            90000);
        return da ? gefunden : QString();
    }

    // KAV_PRINTER_KEEP=FOLDER keeps a copy of each arrived PDF there (to look at them).
    static void behalten(const QString& pdf, const QString& name) {
        const QString ordner = qEnvironmentVariable("KAV_PRINTER_KEEP");
        if (ordner.isEmpty())
            return;
        const QString ziel = QDir(ordner).filePath(name);
        QFile::remove(ziel);
        QFile::copy(pdf, ziel);
    }
    static int seiten(const QString& pdf) {
        const QString info = ausfuehren(QStringLiteral("pdfinfo"), {pdf});
        for (const QString& zeile : info.split(u'\n'))
            if (zeile.startsWith(QStringLiteral("Pages:")))
                return zeile.mid(6).trimmed().toInt();
        return -1;
    }
    static QString text(const QString& pdf) {
        return ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .simplified();
    }
    static QString zeile(const KAV_Main& w, int label, int box) {
        return ansicht(w).labAlle[static_cast<std::size_t>(label)]->text() + u' ' +
               ansicht(w).txtAlle[static_cast<std::size_t>(box)]->text();
    }
};

TEST_F(DruckWarteschlange, BothPagesArriveAsPdfWithTheirValues) {
    jetztStellen();
    {
        auto w = verbunden("--steady --speed 1480 --symmetry0 3 --symmetry90 120 --phase 1 --track-error 0");
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        ansicht(*w).chkAlle[idx::chkAktuellImmer]->setChecked(false);
        warteBisFrei(*w);
        const QString pdf = druckenUndWarten(*w, QStringLiteral("Actual"));
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << pdfOrdner().toStdString();
        EXPECT_EQ(seiten(pdf), 1);
        const QString t = text(pdf);
        for (const QString& erwartet :
             {QStringLiteral("S/N Encoder G4711023"), QStringLiteral("Firmware: V2.13"),
              QStringLiteral("S/N KAV100: 070123"), QStringLiteral("Symmetry 0 (deviation in %): 3"),
              QStringLiteral("Not available."), zeile(*w, idx::labImpulszahl, idx::txtImpulszahl),
              zeile(*w, idx::labDrehzahl, idx::txtDrehzahl), zeile(*w, idx::labFrequenz, idx::txtFrequenz),
              zeile(*w, idx::labStrom, idx::txtStrom)})
            EXPECT_TRUE(t.contains(erwartet)) << erwartet.toStdString() << "\nin: " << t.toStdString() << kLesbar;
        behalten(pdf, QStringLiteral("print_queue_current.pdf"));
        QFile::remove(pdf);
    }
    {
        // A second later: another title.
        uhr_.advance(std::chrono::seconds(2));
        auto w = verbunden("--pulses 200 --oscillation-peak 450");
        w->btnAlle_Click(idx::btnDrehschwebung);
        warteBisFrei(*w);
        tickeAus(*w, 3);
        const QString pdf = druckenUndWarten(*w, QStringLiteral("Rotational frequ. modulation"));
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << pdfOrdner().toStdString();
        EXPECT_EQ(seiten(pdf), 1);
        const QString t = text(pdf);
        for (const QString& erwartet :
             {zeile(*w, idx::labDrehUmdrehungen, idx::txtDrehUmdrehungen), zeile(*w, idx::labDrehMin, idx::txtDrehMin),
              zeile(*w, idx::labDrehMax, idx::txtDrehMax), zeile(*w, idx::labDrehImpulszahl, idx::txtDrehImpulszahl),
              zeile(*w, idx::labDrehFrequenz, idx::txtDrehFrequenz), QStringLiteral("Ws[\"]")})
            EXPECT_TRUE(t.contains(erwartet)) << erwartet.toStdString() << "\nin: " << t.toStdString() << kLesbar;
        behalten(pdf, QStringLiteral("print_queue_oscillation.pdf"));
        QFile::remove(pdf);
    }
}

} // namespace
} // namespace kav::test
