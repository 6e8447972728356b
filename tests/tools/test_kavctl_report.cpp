// kavctl report as a process without a display: the printout of each record
// type as a PDF (its texts read back with pdftotext where it is installed),
// and each failure with its exit code and no output file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "kavctl_process.h"
#include "record_file.h"
#include "sample_records.h"

namespace {

using kav::test::KavctlResult;

// No display and a platform that would need one: kavctl picks its own.
KavctlResult report(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KAVCTL_PATH), QStringList{"report"} + args);
    KavctlResult r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

// The PDF's text, "" when pdftotext is not installed.
QString pdfText(const QString& pdf) {
    const QString werkzeug = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (werkzeug.isEmpty())
        return {};
    QProcess p;
    p.start(werkzeug, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class KavctlReport : public ::testing::Test {
protected:
    QString pfad(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    void schreiben(const QString& name, const std::string& inhalt) {
        QFile f(pfad(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt.data(), static_cast<qint64>(inhalt.size()));
    }
    void SetUp() override {
        const kav::records::KopfTexte kopf{"V2.13", "G4711023", "070123", "Motor 1"};
        const kav::LocalTime t{2008, 3, 7, 9, 5, 0};
        kav::measure::AktuellWerte a = kav::test::beispielAktuell();
        schreiben("typ1.kav", kav::records::DateiSchreiben1(a, kopf, t).bytes);
        schreiben("typ2.kav", kav::records::DateiSchreiben2(kav::test::beispielSchlechtimpulse(), kopf, t).bytes);
        const kav::measure::DrehschwebungWerte d = kav::test::beispielDrehschwebung();
        schreiben("typ3.kav", kav::records::DateiSchreiben3(d, kopf, t).bytes);
        // No pulse number: the page would show nothing (the writer refuses such a record).
        a.Impulszahl = 1;
        std::string ohneDaten = kav::records::DateiSchreiben1(a, kopf, t).bytes;
        ohneDaten.replace(51, 8, "00000000");
        schreiben("ohne.kav", ohneDaten);
        std::string typ7 = kav::records::DateiSchreiben3(d, kopf, t).bytes;
        typ7.replace(47, 2, "07");
        schreiben("typ7.kav", typ7);
        schreiben("fremd.kav", "PK\x03\x04");
        schreiben("leer.kav", "");
        schreiben("kurz.kav", "KAV");
        schreiben("alt.pdf", "alt");
    }
    QTemporaryDir dir_;
};

TEST_F(KavctlReport, EachTypeBecomesAOnePagePdf) {
    struct Fall {
        const char* datei;
        const char* sprache;
        QStringList texte;
    };
    const Fall faelle[] = {
        {"typ1.kav",
         "E",
         {"S/N Encoder G4711023 | Software Version: ", "| Firmware: V2.13 | S/N KAV100: 070123",
          "Symmetry 0 (deviation in %): -56", "Symmetry 90 (deviation in %): 0", "Not available.",
          "Frequency too high. Measurement impossible.", "Power supply: 24.0 V", "Pulse number: 1024",
          "Speed: 1501 rpm", "Frequency: 25.6 kHz"}},
        {"typ3.kav",
         "D",
         {"S/N Geber: G4711023", "Messung über: 1 Umdreh.", "Min: -35 ''", "Max: 40 ''", "Drehzahl: 3000 1/min",
          "Frequenz: 51.2 kHz"}},
        {"typ2.kav",
         "E",
         {"Max deviation Positive", "Max deviation Negative", "Position: 700", "Value: -6", "Number of deviations: 3",
          "Frequency: 20.5 kHz"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        const QString pdf = pfad(QString::fromLatin1(f.datei) + ".pdf");
        const KavctlResult r = report({pfad(f.datei), "--pdf", pdf, "--lang", f.sprache});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, "");
        QFile datei(pdf);
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        EXPECT_TRUE(inhalt.startsWith("%PDF-"));
        EXPECT_TRUE(inhalt.contains("/Count 1"));
        const QString text = pdfText(pdf);
        if (text.isEmpty())
            continue; // no pdftotext here: the PDF itself is checked above
        const QString einfach = text.simplified();
        for (const QString& t : f.texte)
            EXPECT_TRUE(einfach.contains(t)) << t.toStdString() << "\nin: " << einfach.toStdString();
    }
    // The target is replaced.
    ASSERT_EQ(report({pfad("typ1.kav"), "--pdf=" + pfad("alt.pdf")}).exitCode, 0);
    QFile alt(pfad("alt.pdf"));
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(alt.readAll().startsWith("%PDF-"));
}

TEST_F(KavctlReport, FailuresWithTheirExitCodesAndNoOutput) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("ordner.kav")));
    struct Fall {
        QStringList args;
        int code;
        const char* meldung;
    };
    const QString aus = pfad("aus.pdf");
    const Fall faelle[] = {
        {{pfad("fremd.kav"), "--pdf", aus}, 65, "Unknown data format ("},
        {{pfad("leer.kav"), "--pdf", aus}, 65, "Unknown data format ("},
        {{pfad("kurz.kav"), "--pdf", aus, "--lang", "D"}, 65, "Beim bearbeiten der Datei ist ein Fehler aufgetreten."},
        {{pfad("ohne.kav"), "--pdf", aus}, 65, "Internal error 3. No data in array."},
        {{pfad("typ7.kav"), "--pdf", aus}, 65, "holds record type 7: no result page to print"},
        {{pfad("fehlt.kav"), "--pdf", aus}, 66, "Error on data reading. ("},
        {{pfad("ordner.kav"), "--pdf", aus}, 66, "Error on data reading. ("},
        {{pfad("typ1.kav")}, 64, "report needs --pdf OUT"},
        {{pfad("typ1.kav"), "--pdf"}, 64, "--pdf needs a value"},
        {{pfad("typ1.kav"), pfad("typ3.kav"), "--pdf", aus}, 64, "report takes one record file"},
        {{pfad("typ1.kav"), "--pdf", aus, "--csv"}, 64, "--csv belongs to export and measure current"},
        {{pfad("typ1.kav"), "--pdf", pfad("fehlt/aus.pdf")}, 73, "The file could not be saved."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.args.join(' ').toStdString());
        const KavctlResult r = report(f.args);
        EXPECT_EQ(r.exitCode, f.code) << r.err;
        EXPECT_NE(r.err.find(f.meldung), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(QFile::exists(aus));
    }
    // A failure leaves an existing output as it was.
    const KavctlResult r = report({pfad("fremd.kav"), "--pdf", pfad("alt.pdf")});
    EXPECT_EQ(r.exitCode, 65);
    QFile alt(pfad("alt.pdf"));
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("alt"));
}

} // namespace
