// Record files in the window: the save dialog with each of its branches,
// saving an online result and a record of the device (the bytes written, the
// mth export), failures reported and logged, and opening a file of each type
// and with each failure row; a saved result opens with the same texts.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "chart_box.h"
#include "control_indexes.h"
#include "measure_window_fixture.h"
#include "panel_widgets.h"
#include "record_file.h"
#include "sample_records.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::Dialoge;
using shell::KAV_Main;
using Art = RecordingDialoge::Art;

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(inhalt);
}
QByteArray bytes(const records::Dateiinhalt& d) {
    EXPECT_TRUE(d.ok());
    return QByteArray::fromStdString(d.bytes);
}
LocalTime zeit(int jahr, int monat, int tag, int stunde, int minute, int sekunde) {
    return {jahr, monat, tag, stunde, minute, sekunde};
}

class DateienTest : public MessFensterTest {
protected:
    QString datei(const QString& name) const { return QDir::toNativeSeparators(QDir(ablage_.path()).filePath(name)); }

    // A current-values result on its page, continuous reading off.
    std::unique_ptr<KAV_Main> aktuell(const char* sprache = "E", const QString& befehlszeile = {}) {
        auto w = verbunden("--steady --speed 1500 --symmetry0 200 --symmetry90 120 --phase 110 --track-error 0",
                           sprache, befehlszeile);
        w->btnAlle_Click(idx::btnAktuell);
        warteBisFrei(*w);
        ticke(*w, 1);
        ansicht(*w).chkAlle[idx::chkAktuellImmer]->setChecked(false);
        warteBisFrei(*w);
        EXPECT_TRUE(ansicht(*w).btnAlle[idx::btnAktuellSpeichern]->isEnabled());
        dialoge_.leeren();
        return w;
    }
    std::unique_ptr<KAV_Main> drehschwebung(const QString& befehlszeile = {}) {
        auto w = verbunden("--samples 300", "E", befehlszeile);
        w->btnAlle_Click(idx::btnDrehschwebung);
        warteBisFrei(*w);
        tickeAus(*w, 3);
        EXPECT_EQ(sitzung(*w).drehschwebung().gespeichert.AnzahlMesswerte, 300);
        dialoge_.leeren();
        return w;
    }
    std::unique_ptr<KAV_Main> schlechtimpulse() {
        auto w = verbunden("--seed 11");
        w->btnAlle_Click(idx::btnSchlechtimpulse);
        warteBisFrei(*w);
        tickeAus(*w, 2);
        EXPECT_GT(sitzung(*w).schlechtimpulse().gespeichert.AnzahlAbweichungen, 0);
        dialoge_.leeren();
        return w;
    }
    // The page "Daten vom Computer" in the test's folder, `name` selected.
    void waehle(KAV_Main& w, const QString& name) {
        if (ansicht(w).frmAlle[idx::frmDatenVomComputer]->isHidden()) {
            w.btnAlle_Click(idx::btnDatenVomComputer);
            warteBisFrei(w);
            ansicht(w).fleAlle0->setPath(ablage_.path());
        }
        ansicht(w).fleAlle0->refresh();
        const auto treffer = ansicht(w).fleAlle0->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << name.toStdString();
        ansicht(w).fleAlle0->setCurrentItem(treffer.front());
    }
    static QString text(const KAV_Main& w, int i) { return ansicht(w).txtAlle[static_cast<std::size_t>(i)]->text(); }
    static QStringList texte(const KAV_Main& w, std::initializer_list<int> boxen) {
        QStringList t;
        for (int b : boxen)
            t << text(w, b);
        return t;
    }

    QTemporaryDir ablage_;
};

TEST_F(DateienTest, TheSaveDialogCancelledOrRefusedSavesNothing) {
    auto w = aktuell();
    // Cancel: the name comes back unchanged.
    dialoge_.speichernAbbrechen();
    w->btnAlle_Click(idx::btnAktuellSpeichern);
    warteBisFrei(*w);
    const auto dialog = dialoge_.aufrufe(Art::SpeichernUnter);
    ASSERT_EQ(dialog.size(), 1u);
    EXPECT_EQ(dialog[0].speichern.titel, QStringLiteral("ONLINE Measurements - Actual - Save"));
    EXPECT_EQ(dialog[0].speichern.standardErweiterung, QStringLiteral(".kav"));
    EXPECT_EQ(dialog[0].speichern.dateiname, QStringLiteral("2008.03.05-09.04.07"));
    EXPECT_EQ(dialog[0].speichern.filter, QStringLiteral("KAV Datei (*.kav)|*.kav"));
    EXPECT_EQ(dialog[0].speichern.flags, 0x42000);
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("Data have not been stored.")});
    EXPECT_EQ(dialoge_.letzter().titel, QStringLiteral("Cancel"));
    EXPECT_EQ(dialoge_.letzter().symbol, Dialoge::Symbol::Ausrufezeichen);
    EXPECT_TRUE(QDir(ablage_.path()).isEmpty());

    // An existing file: No keeps it, Yes replaces it.
    schreiben(datei("M1.kav"), "alt");
    for (const auto antwort : {Dialoge::Antwort::Nein, Dialoge::Antwort::Ja}) {
        dialoge_.leeren();
        dialoge_.waehleDatei(datei("M1.kav"));
        dialoge_.antworte(antwort);
        w->btnAlle_Click(idx::btnAktuellSpeichern);
        warteBisFrei(*w);
        const auto frage = dialoge_.aufrufe(Art::Meldung).front();
        EXPECT_EQ(frage.text, QStringLiteral("File already exists.\r\nDo you want to replace the file?"));
        EXPECT_EQ(frage.titel, QStringLiteral("Replacing?"));
        EXPECT_EQ(frage.knoepfe, Dialoge::Knoepfe::JaNein);
        EXPECT_EQ(frage.symbol, Dialoge::Symbol::Ausrufezeichen);
        if (antwort == Dialoge::Antwort::Nein) {
            EXPECT_EQ(dialoge_.meldungsTexte().last(), QStringLiteral("Data have not been stored."));
            EXPECT_EQ(lesen(datei("M1.kav")), QByteArray("alt"));
        } else {
            EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 1);
            EXPECT_EQ(lesen(datei("M1.kav")).size(), 95);
        }
    }
}

TEST_F(DateienTest, AnOnlineResultIsWrittenWithTheIdentityBarAndTheClock) {
    auto w = aktuell();
    ansicht(*w).txtAlle[idx::txtFirmware]->setText(QStringLiteral(" V2.13 "));
    // The encoder serial is the result's own, whatever its box shows.
    EXPECT_EQ(sitzung(*w).aktuell().gespeichert.GeberSN, "G4711023");
    ansicht(*w).txtAlle[idx::txtGeberSN]->setText(QStringLiteral("X"));
    uhr_.setLocalTime(zeit(2008, 3, 7, 9, 5, 0));
    dialoge_.waehleDatei(datei("Motorpruefstand.kav"));
    w->btnAlle_Click(idx::btnAktuellSpeichern);
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0) << dialoge_.meldungsTexte().join('|').toStdString();
    const QByteArray inhalt = lesen(datei("Motorpruefstand.kav"));
    EXPECT_EQ(inhalt.left(51), QByteArray("KAV   V2.13G4711023070123pruefstand08030709050001") + "00");
    EXPECT_EQ(inhalt, bytes(records::DateiSchreiben1(sitzung(*w).aktuell().gespeichert,
                                                     {"V2.13", "G4711023", "070123", "pruefstand"}, uhr_.localTime())));

    // A short name is right-aligned; an umlaut is one Windows-1252 byte.
    dialoge_.waehleDatei(datei("Mü.kav"));
    w->btnAlle_Click(idx::btnAktuellSpeichern);
    warteBisFrei(*w);
    EXPECT_EQ(lesen(datei("Mü.kav")).mid(25, 10), QByteArray("        M\xFC"));
}

TEST_F(DateienTest, NoDataAndFailedWritesAreReportedAndLogged) {
    auto w = aktuell();
    // The save buttons test the saved copy; the workflow itself tests it too.
    sitzung(*w).aktuell().gespeichert = {};
    dialoge_.waehleDatei(datei("leer.kav"));
    daten(*w).OnlineDatenSpeichern(1);
    EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("Internal error 3. No data in array.")});
    EXPECT_EQ(dialoge_.letzter().titel, QStringLiteral("Internal error"));
    EXPECT_EQ(dialoge_.letzter().symbol, Dialoge::Symbol::Ausrufezeichen);
    EXPECT_FALSE(QFile::exists(datei("leer.kav")));

    sitzung(*w).aktuell().gespeichert = sitzung(*w).aktuell().live;
    struct Fall {
        QString ziel;
        QString grund;
    };
    ASSERT_TRUE(QDir(ablage_.path()).mkdir(QStringLiteral("Ordner.kav")));
    const Fall faelle[] = {
        {datei("fehlt/a.kav"), QStringLiteral("The file name is not valid.")},
        {datei("Ordner.kav"), QStringLiteral("The file name is not valid.")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ziel.toStdString());
        dialoge_.leeren();
        dialoge_.waehleDatei(f.ziel);
        if (QFileInfo::exists(f.ziel))
            dialoge_.antworte(Dialoge::Antwort::Ja);
        w->btnAlle_Click(idx::btnAktuellSpeichern);
        warteBisFrei(*w);
        EXPECT_EQ(dialoge_.meldungsTexte().last(), QStringLiteral("The file could not be saved.\r\n") + f.grund);
        EXPECT_EQ(dialoge_.letzter().titel, QStringLiteral("Error on saving"));
        EXPECT_TRUE(logs_.tagesLog().contains(
            ("DateiSchreiben1 -> Die Datei konnte nicht gespeichert werden (" + f.ziel + "): ").toUtf8()))
            << logs_.tagesLog().toStdString();
    }
    EXPECT_TRUE(QFileInfo(datei("Ordner.kav")).isDir()) << "the folder stays";

    // A speed outside the file's fixed point range.
    sitzung(*w).aktuell().gespeichert.Drehzahl = 40000.0f;
    dialoge_.leeren();
    dialoge_.waehleDatei(datei("gross.kav"));
    w->btnAlle_Click(idx::btnAktuellSpeichern);
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.meldungsTexte(),
              QStringList{QStringLiteral(
                  "The file could not be saved.\r\nA value is outside the range a record file can hold.")});
    EXPECT_FALSE(QFile::exists(datei("gross.kav")));
}

TEST_F(DateienTest, TheOscillationUnderMathIsTheMthExportOnly) {
    auto w = drehschwebung(QStringLiteral("/math"));
    // An mth file of that name is asked about, though no x.kav exists; "Nein" leaves it.
    schreiben(datei("x.mth"), "alt");
    dialoge_.waehleDatei(datei("x.kav"));
    dialoge_.antworte(Dialoge::Antwort::Nein);
    w->btnAlle_Click(idx::btnDrehSpeichern);
    warteBisFrei(*w);
    ASSERT_EQ(dialoge_.anzahl(Art::Meldung), 2) << "the question, then the cancel message";
    EXPECT_EQ(dialoge_.aufrufe(Art::Meldung).front().knoepfe, Dialoge::Knoepfe::JaNein);
    EXPECT_EQ(lesen(datei("x.mth")), QByteArray("alt"));
    dialoge_.leeren();
    dialoge_.waehleDatei(datei("x.kav"));
    dialoge_.antworte(Dialoge::Antwort::Ja);
    w->btnAlle_Click(idx::btnDrehSpeichern);
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 1) << "the question only";
    EXPECT_FALSE(QFile::exists(datei("x.kav")));
    const QByteArray mth = lesen(datei("x.mth"));
    EXPECT_EQ(mth, bytes(records::DateiSchreiben3Mth(sitzung(*w).drehschwebung().gespeichert,
                                                     {"V2.13", "G4711023", "070123", "         x"}, uhr_.localTime(),
                                                     zahl(".").at(0).toLatin1())));
    // Without "/math" the record file (one window per simulated device).
    w.reset();
    auto v = drehschwebung();
    dialoge_.waehleDatei(datei("y.kav"));
    v->btnAlle_Click(idx::btnDrehSpeichern);
    warteBisFrei(*v);
    EXPECT_EQ(lesen(datei("y.kav")).size(), 89 + 4 * 300);
    EXPECT_FALSE(QFile::exists(datei("y.mth")));
}

TEST_F(DateienTest, ARecordOfTheDeviceIsSavedWithItsHeader) {
    auto w = verbunden();
    w->btnAlle_Click(idx::btnDatenVomGeraet);
    warteBisFrei(*w);
    for (int zeile : {0, 1, 2}) {
        SCOPED_TRACE(zeile);
        ansicht(*w).lstAlle0->setCurrentRow(zeile);
        w->lstAlle_DblClick(0);
        warteBisFrei(*w);
        w->tmrDateVomG_Timer();
        warteBisFrei(*w);
        ASSERT_TRUE(ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->isEnabled());
        const int typ = zeile + 1;
        const QString name = datei(QStringLiteral("geraet%1.kav").arg(typ));
        dialoge_.leeren();
        dialoge_.waehleDatei(name);
        w->btnAlle_Click(idx::btnGeraetSpeichern);
        warteBisFrei(*w);
        EXPECT_EQ(dialoge_.aufrufe(Art::SpeichernUnter).at(0).speichern.titel,
                  QStringLiteral("Saved data - ") +
                      (typ == 1   ? QStringLiteral("Actual")
                       : typ == 2 ? QStringLiteral("Bad pulses")
                                  : QStringLiteral("Rotational frequ. modulation")) +
                      QStringLiteral(" - Save"));
        EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0) << dialoge_.meldungsTexte().join('|').toStdString();

        // Name, serials and the time stamp from the header, the firmware from the identity bar.
        const QByteArray kopf = daten(*w).kopfText().toLatin1();
        const std::string geraetName = kopf.left(10).toStdString();
        records::KopfTexte texte{"V2.13", kopf.mid(11, 8).toStdString(), kopf.mid(20, 6).toStdString(),
                                 geraetName.substr(0, geraetName.find('\0'))};
        const LocalTime t = zeit(2000 + kopf[32], kopf[31], kopf[30], kopf[29], kopf[28], kopf[27]);
        const records::Dateiinhalt erwartet =
            typ == 1   ? records::DateiSchreiben1(sitzung(*w).aktuell().gespeichert, texte, t)
            : typ == 2 ? records::DateiSchreiben2(sitzung(*w).schlechtimpulse().gespeichert, texte, t)
                       : records::DateiSchreiben3(sitzung(*w).drehschwebung().gespeichert, texte, t);
        EXPECT_EQ(lesen(name), bytes(erwartet));
        EXPECT_EQ(lesen(name).mid(3, 8), QByteArray("   V2.13"));
    }
}

TEST_F(DateienTest, EachTypeOpensOnItsPageWithItsHeader) {
    const records::KopfTexte kopf{"1.02", "12345678", "000815", "Motor 1"};
    const LocalTime t = zeit(2008, 3, 7, 9, 5, 0);
    const measure::AktuellWerte a = beispielAktuell();
    schreiben(datei("typ1.kav"), bytes(records::DateiSchreiben1(a, kopf, t)));
    schreiben(datei("typ2.kav"), bytes(records::DateiSchreiben2(beispielSchlechtimpulse(), kopf, t)));
    const measure::DrehschwebungWerte d = beispielDrehschwebung();
    schreiben(datei("typ3.kav"), bytes(records::DateiSchreiben3(d, kopf, t)));

    auto w = verbunden();
    sitzung(*w).schlechtimpulse().live.Frequenz = 777;
    const int bilder[] = {idx::picAktuell, idx::picSchlechtimpulse, idx::picDrehschwebung};
    for (int typ : {1, 2, 3}) {
        SCOPED_TRACE(typ);
        for (int t2 : {idx::txtFirmware, idx::txtGeberSN, idx::txtGeraetSN, idx::txtName, idx::txtDatum})
            ansicht(*w).txtAlle[static_cast<std::size_t>(t2)]->clear();
        for (int p : bilder)
            ansicht(*w).picGrafik[static_cast<std::size_t>(p)]->show();
        ansicht(*w).mnuProgrammItem[4]->setEnabled(false);
        waehle(*w, QStringLiteral("typ%1.kav").arg(typ));
        w->btnAlle_Click(idx::btnOeffnen);
        warteBisFrei(*w);
        EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0) << dialoge_.meldungsTexte().join('|').toStdString();
        EXPECT_EQ(texte(*w, {idx::txtFirmware, idx::txtGeberSN, idx::txtGeraetSN, idx::txtName, idx::txtDatum}),
                  (QStringList{"1.02", "12345678", "000815", "Motor 1", "07.03.2008 - 09:05:00"}));
        for (int p = 1; p <= 3; ++p)
            EXPECT_EQ(ansicht(*w).picGrafik[static_cast<std::size_t>(bilder[p - 1])]->isHidden(), p != typ) << p;
        EXPECT_TRUE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    }
    // Each page shows the file and holds it as its saved copy.
    EXPECT_EQ(sitzung(*w).aktuell().gespeichert.Symmetrie90, 120);
    EXPECT_FLOAT_EQ(sitzung(*w).aktuell().gespeichert.Drehzahl, 1500.5f);
    EXPECT_EQ(texte(*w, {idx::txtImpulszahl, idx::txtDrehzahl, idx::txtStrom}),
              (QStringList{"1024", QStringLiteral("1501 rpm"), "65 mA"}));
    EXPECT_FALSE(ansicht(*w).labAlle[idx::labSym90NichtVerfuegbar]->isHidden());
    // A type-2 file holds no frequency: the one of its own speed and pulse
    // number (1200 x 1024 / 60), never an earlier result's.
    EXPECT_EQ(sitzung(*w).schlechtimpulse().gespeichert.Frequenz, 20480);
    EXPECT_EQ(text(*w, idx::txtSchlechtFrequenz), zahl("20.5 kHz"));
    EXPECT_EQ(sitzung(*w).schlechtimpulse().gespeichert.AbwWert[1], 253);
    EXPECT_EQ(texte(*w, {idx::txtPosMaxNegativ, idx::txtMaxNegativ, idx::txtAnzahlAbweichungen}),
              (QStringList{"700", "-6", "3"}));
    // The saved copy carries the header's encoder serial with the file's values.
    measure::DrehschwebungWerte erwartet = d;
    erwartet.GeberSN = "12345678";
    EXPECT_EQ(sitzung(*w).drehschwebung().gespeichert, erwartet);
    EXPECT_EQ(texte(*w, {idx::txtDrehMin, idx::txtDrehMax, idx::txtDrehUmdrehungen}),
              (QStringList{"-35 ''", "40 ''", "1 revolut."}));
    EXPECT_EQ(ansicht(*w).chartBox()->samples(), (std::vector<std::int16_t>{-35, 10, 40}));
    if (ansicht(*w).ocxTacho) {
        EXPECT_EQ(ansicht(*w).ocxTacho->property("MaxAnzahl").toInt(), 6000);
    }
}

TEST_F(DateienTest, TheFailureRowsOfOpening) {
    const QByteArray typ1 = bytes(records::DateiSchreiben1(beispielAktuell(), {"1.02", "12345678", "000815", "Motor 1"},
                                                           zeit(2008, 3, 7, 9, 5, 0)));
    schreiben(datei("fremd.kav"), "PK\x03\x04 kein Datensatz");
    schreiben(datei("leer.kav"), "");
    schreiben(datei("kurz.kav"), typ1.left(80));
    schreiben(datei("datum.kav"), typ1.left(40));
    QByteArray typ7 = typ1;
    typ7.replace(47, 2, "07");
    schreiben(datei("typ7.kav"), typ7);
    schreiben(datei("weg.kav"), typ1);

    for (const char* sprache : {"E", "D"}) {
        SCOPED_TRACE(sprache);
        const bool de = *sprache == 'D';
        auto w = verbunden({}, sprache);
        auto oeffnen = [&](const char* name) {
            dialoge_.leeren();
            for (int t : {idx::txtFirmware, idx::txtGeberSN, idx::txtGeraetSN, idx::txtName, idx::txtDatum})
                ansicht(*w).txtAlle[static_cast<std::size_t>(t)]->setText(QStringLiteral("alt"));
            ansicht(*w).picGrafik[idx::picSchlechtimpulse]->show();
            waehle(*w, QString::fromLatin1(name));
        };
        auto kopf = [&] {
            return texte(*w, {idx::txtFirmware, idx::txtGeberSN, idx::txtGeraetSN, idx::txtName, idx::txtDatum});
        };
        const QStringList alt{"alt", "alt", "alt", "alt", "alt"};

        // Not a record file (an empty one too): nothing on the screen changes, no log line.
        for (const char* name : {"fremd.kav", "leer.kav"}) {
            oeffnen(name);
            const QByteArray logVorher = logs_.tagesLog();
            w->DateiOeffnen();
            const QString t = de ? QStringLiteral("Unbekanntes Dateiformat") : QStringLiteral("Unknown data format");
            EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{t}) << name;
            EXPECT_EQ(dialoge_.letzter().titel, t);
            EXPECT_EQ(dialoge_.letzter().symbol, Dialoge::Symbol::Ausrufezeichen);
            EXPECT_EQ(kopf(), alt);
            EXPECT_FALSE(ansicht(*w).picGrafik[idx::picSchlechtimpulse]->isHidden());
            EXPECT_EQ(logs_.tagesLog(), logVorher);
        }

        // A data field or the date missing: what was taken apart stays on the
        // panel, but no earlier result stays on the screen under it.
        for (const char* name : {"kurz.kav", "datum.kav"}) {
            oeffnen(name);
            sitzung(*w).aktuell().gespeichert = beispielAktuell();
            ansicht(*w).txtAlle[idx::txtImpulszahl]->setText(QStringLiteral("alt"));
            w->DateiOeffnen();
            EXPECT_EQ(dialoge_.meldungsTexte(),
                      QStringList{de ? QStringLiteral("Beim bearbeiten der Datei ist ein Fehler aufgetreten.")
                                     : QStringLiteral("Error on data processing.")});
            EXPECT_EQ(dialoge_.letzter().titel,
                      de ? QStringLiteral("Fehler beim bearbeiten") : QStringLiteral("Error on processing"));
            const bool datum = QByteArray(name) == "kurz.kav";
            EXPECT_EQ(kopf(),
                      (QStringList{"1.02", "12345678", "000815", "Motor 1", datum ? "07.03.2008 - 09:05:00" : "alt"}));
            EXPECT_TRUE(ansicht(*w).picGrafik[idx::picSchlechtimpulse]->isHidden());
            // The type-1 page of kurz.kav is cleared; with the date missing the type is unknown.
            EXPECT_EQ(sitzung(*w).aktuell().gespeichert.Impulszahl, datum ? 0 : 1024);
            EXPECT_EQ(text(*w, idx::txtImpulszahl), datum ? QString() : QStringLiteral("alt"));
            EXPECT_TRUE(
                logs_.tagesLog().endsWith("DateiOeffnen -> Beim Bearbeiten der Datei ist ein Fehler aufgetreten.\r\n"));
        }

        // Another record type: the header only, silently.
        oeffnen("typ7.kav");
        w->DateiOeffnen();
        EXPECT_EQ(dialoge_.anzahl(Art::Meldung), 0);
        EXPECT_EQ(kopf(), (QStringList{"1.02", "12345678", "000815", "Motor 1", "07.03.2008 - 09:05:00"}));
        EXPECT_FALSE(ansicht(*w).picGrafik[idx::picSchlechtimpulse]->isHidden());

        // A file that cannot be read (gone since it was listed).
        oeffnen("weg.kav");
        ASSERT_TRUE(QFile::rename(datei("weg.kav"), datei("weg.alt")));
        w->DateiOeffnen();
        EXPECT_EQ(dialoge_.meldungsTexte(),
                  QStringList{de ? QStringLiteral("Beim lesen der Datei ist ein Fehler aufgetreten.")
                                 : QStringLiteral("Error on data reading.")});
        EXPECT_EQ(dialoge_.letzter().titel,
                  de ? QStringLiteral("Fehler beim lesen") : QStringLiteral("Error on reading"));
        EXPECT_EQ(kopf(), alt);
        EXPECT_TRUE(logs_.tagesLog().endsWith(
            ("DateiOeffnen -> Beim Lesen der Datei ist ein Fehler aufgetreten (" + datei("weg.kav") + ").\r\n")
                .toUtf8()))
            << logs_.tagesLog().toStdString();
        ASSERT_TRUE(QFile::rename(datei("weg.alt"), datei("weg.kav")));
    }
}

TEST_F(DateienTest, ASavedResultOpensWithTheSameTexts) {
    const std::initializer_list<int> aktuellBoxen = {idx::txtImpulszahl, idx::txtDrehzahl, idx::txtFrequenz,
                                                     idx::txtVersorgung, idx::txtStrom};
    const std::initializer_list<int> drehBoxen = {idx::txtDrehImpulszahl,  idx::txtDrehDrehzahl, idx::txtDrehFrequenz,
                                                  idx::txtDrehUmdrehungen, idx::txtDrehMin,      idx::txtDrehMax};
    {
        auto w = aktuell();
        const QStringList vorher = texte(*w, aktuellBoxen);
        const measure::AktuellWerte gespeichert = sitzung(*w).aktuell().gespeichert;
        dialoge_.waehleDatei(datei("rund1.kav"));
        w->btnAlle_Click(idx::btnAktuellSpeichern);
        warteBisFrei(*w);
        w->btnAlle_Click(idx::btnAktuellZurueck);
        warteBisFrei(*w);
        for (int t : aktuellBoxen)
            ansicht(*w).txtAlle[static_cast<std::size_t>(t)]->clear();
        waehle(*w, QStringLiteral("rund1.kav"));
        w->DateiOeffnen();
        EXPECT_EQ(texte(*w, aktuellBoxen), vorher);
        EXPECT_EQ(text(*w, idx::txtName), QStringLiteral("rund1"));
        EXPECT_EQ(sitzung(*w).aktuell().gespeichert.Impulszahl, gespeichert.Impulszahl);
        EXPECT_EQ(sitzung(*w).aktuell().gespeichert.Symmetrie0, gespeichert.Symmetrie0);
        EXPECT_EQ(ansicht(*w).labAlle[idx::labPhlZuHoch]->isHidden(), false);
        // Saved again from the file's page it gives the same bytes but the time stamp.
        EXPECT_EQ(lesen(datei("rund1.kav")).mid(51),
                  bytes(records::DateiSchreiben1(sitzung(*w).aktuell().gespeichert, {}, {})).mid(51));
    }
    {
        auto w = drehschwebung();
        const QStringList vorher = texte(*w, drehBoxen);
        const std::vector<std::int16_t> punkte = ansicht(*w).chartBox()->samples();
        dialoge_.waehleDatei(datei("rund3.kav"));
        w->btnAlle_Click(idx::btnDrehSpeichern);
        warteBisFrei(*w);
        w->btnAlle_Click(idx::btnDrehZurueck);
        warteBisFrei(*w);
        waehle(*w, QStringLiteral("rund3.kav"));
        w->DateiOeffnen();
        EXPECT_EQ(texte(*w, drehBoxen), vorher);
        EXPECT_EQ(ansicht(*w).chartBox()->samples(), punkte);
    }
}

TEST_F(DateienTest, ABadPulseResultSavesAndOpens) {
    auto w = schlechtimpulse();
    const std::initializer_list<int> boxen = {idx::txtPosMaxPositiv,      idx::txtMaxPositiv,
                                              idx::txtPosMaxNegativ,      idx::txtMaxNegativ,
                                              idx::txtAnzahlAbweichungen, idx::txtSchlechtImpulszahl};
    const QStringList vorher = texte(*w, boxen);
    dialoge_.waehleDatei(datei("P12.kav"));
    w->btnAlle_Click(idx::btnSchlechtSpeichern);
    warteBisFrei(*w);
    EXPECT_EQ(dialoge_.aufrufe(Art::SpeichernUnter).at(0).speichern.titel,
              QStringLiteral("ONLINE Measurements - Bad pulses - Save"));
    EXPECT_EQ(lesen(datei("P12.kav")).size(), 145);
    w->btnAlle_Click(idx::btnSchlechtZurueck);
    warteBisFrei(*w);
    waehle(*w, QStringLiteral("P12.kav"));
    w->DateiOeffnen();
    EXPECT_EQ(texte(*w, boxen), vorher);
}

} // namespace
} // namespace kav::test
