// The page "Daten vom Gerät": listing the device's records with every outcome,
// and loading one by a double-click.
#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>

#include "control_indexes.h"
#include "record_memory.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using sim::FaultRule;

FaultRule fehlerBei(const std::string& befehl, std::vector<std::uint8_t> parameter = {}) {
    FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, befehl);
    r.parameterPrefix = std::move(parameter);
    return r;
}

class GeraeteDatenTest : public FensterTest {
protected:
    std::unique_ptr<shell::KAV_Main> seiteOeffnen(const QString& befehlszeile = {}) {
        auto w = starteUndAktiviere(befehlszeile);
        EXPECT_TRUE(sitzung(*w).verbunden());
        w->btnAlle_Click(idx::btnDatenVomGeraet);
        warteBisFrei(*w);
        return w;
    }
    static QStringList zeilen(const shell::KAV_Main& w) {
        QStringList z;
        for (int i = 0; i < ansicht(w).lstAlle0->count(); ++i)
            z << ansicht(w).lstAlle0->item(i)->text();
        return z;
    }
    QByteArray fehlerLog() const { return logs_.inhalt(QStringLiteral("Errors_2008.03.05.log")); }
};

TEST_F(GeraeteDatenTest, ListsTheRecordsUntrimmedWithTheirHeaders) {
    auto w = seiteOeffnen();
    EXPECT_FALSE(ansicht(*w).frmAlle[idx::frmDatenVomGeraet]->isHidden());
    EXPECT_EQ(zeilen(*w),
              (QStringList{"Motor 1   ", "Welle A   ", "Pumpe 12  ", "Luefter 3 ", "Antrieb 2 ", "Spindel   "}));
    // Header k belongs to line k: 34 bytes as hex text, the type in the last byte.
    for (std::size_t k = 0; k < 6; ++k) {
        ASSERT_EQ(daten(*w).kopfListe()[k].size(), 68u) << k;
        EXPECT_EQ(daten(*w).kopfListe()[k].substr(66), "0" + std::to_string(k % 3 + 1));
    }
    EXPECT_EQ(daten(*w).kopfListe()[6], "");
    EXPECT_FALSE(sitzung(*w).beschaeftigt());
    EXPECT_EQ(dialoge_.anzahl(RecordingDialoge::Art::Meldung), 0);

    // Listing again starts from an empty list and empty headers.
    geraet().device().records().format();
    daten(*w).DatenVomG();
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).lstAlle0->count(), 0);
    EXPECT_EQ(daten(*w).kopfListe()[0], "");
    EXPECT_EQ(dialoge_.anzahl(RecordingDialoge::Art::Meldung), 0) << "an empty memory shows no message";
}

TEST_F(GeraeteDatenTest, AFullMemoryLists254Lines) {
    auto w = starteUndAktiviere();
    auto& speicher = geraet().device().records();
    const sim::StoredRecord erster = *speicher.at(0);
    while (speicher.add(erster)) {
    }
    w->btnAlle_Click(idx::btnDatenVomGeraet);
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).lstAlle0->count(), 254);
    EXPECT_EQ(daten(*w).kopfListe()[253].size(), 68u);
    EXPECT_EQ(daten(*w).kopfListe()[254], "");
}

TEST_F(GeraeteDatenTest, EachListingFailureWithItsMessageAndLogLine) {
    struct Fall {
        const char* name;
        std::function<void(sim::Scenario&)> stoerung;
        int zeilen;
        QString meldung;
        QByteArray tagesLog;
        QByteArray fehlerLog;
    };
    const Fall faelle[] = {
        {"count read fails", [](sim::Scenario& s) { s.add(fehlerBei("RD_FramDataNum")); }, 0,
         "Read data\r\ncould not be executed.", "", ""},
        {"measuring mode", [](sim::Scenario& s) { s.ownMeasuringMode = true; }, 0,
         "KAV100 is in measurement mode.\r\n\r\nExit measurement mode\r\nand try again.", "", ""},
        // The error handler's line goes to the daily log; the error log is the track errors' alone.
        {"header 4 fails", [](sim::Scenario& s) { s.add(fehlerBei("RD_FramDataHead", {4})); }, 4,
         "Internal error 2. Read data", "09:04:07 - DatenVomG -> Fehler in DatenVomG\r\n", ""},
        {"count not listed", [](sim::Scenario& s) { s.omittedCommands.push_back("RD_FramDataNum"); }, 0, "",
         "09:04:07 - DatenVomG -> 'RD_FramDataNum' konnte nicht\r\nausgelesen werden.\r\n", ""},
        {"headers not listed", [](sim::Scenario& s) { s.omittedCommands.push_back("RD_FramDataHead"); }, 0, "", "", ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        sim::Scenario s;
        f.stoerung(s);
        neuesGeraet(s);
        dialoge_.leeren();
        {
            auto w = seiteOeffnen(QStringLiteral("/debug"));
            EXPECT_EQ(ansicht(*w).lstAlle0->count(), f.zeilen);
            EXPECT_FALSE(sitzung(*w).beschaeftigt());
            const QStringList texte = dialoge_.meldungsTexte();
            EXPECT_EQ(texte, f.meldung.isEmpty() ? QStringList{} : QStringList{f.meldung});
            if (!f.meldung.isEmpty()) {
                EXPECT_EQ(dialoge_.letzter().titel, QString());
                EXPECT_EQ(dialoge_.letzter().symbol, shell::Dialoge::Symbol::Keins);
            }
            EXPECT_EQ(fehlerLog(), f.fehlerLog);
            if (!f.tagesLog.isEmpty()) {
                EXPECT_TRUE(logs_.tagesLog().contains(f.tagesLog)) << logs_.tagesLog().toStdString();
            }
            w->close();
        }
        QFile::remove(logs_.ordner() + QStringLiteral("/Errors_2008.03.05.log"));
    }
}

TEST_F(GeraeteDatenTest, HeaderReadsAreDebugLinesOnlyWithDebug) {
    auto w = seiteOeffnen();
    EXPECT_FALSE(logs_.tagesLog().contains("DatenVomG -> ")) << "no /debug, no reply lines";
    w->close();
    w.reset();
    w = seiteOeffnen(QStringLiteral("/debug"));
    EXPECT_TRUE(
        logs_.tagesLog().contains(QByteArray("DatenVomG -> ") + QByteArray::fromStdString(daten(*w).kopfListe()[5])));
}

TEST_F(GeraeteDatenTest, ClickDisablesSpeichernAndADoubleClickLoadsTheRecord) {
    auto w = seiteOeffnen();
    for (int p : {0, 1, 2})
        ansicht(*w).picGrafik[static_cast<std::size_t>(p)]->show();
    ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);

    // The user double-clicks the oscillation record (line 2).
    QListWidget* liste = ansicht(*w).lstAlle0;
    const QRect zeile = liste->visualItemRect(liste->item(2));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->isEnabled());
    ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->setEnabled(true);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    warteBisFrei(*w);

    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtName]->text(), QStringLiteral("Pumpe 12"));
    EXPECT_TRUE(ansicht(*w).txtAlle[idx::txtGeberSN]->text().startsWith(QStringLiteral("G4711")));
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtGeraetSN]->text(), QStringLiteral("070123"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.03\\.2024 - \\d\\d:\\d\\d:\\d\\d$"))
                    .match(ansicht(*w).txtAlle[idx::txtDatum]->text())
                    .hasMatch())
        << ansicht(*w).txtAlle[idx::txtDatum]->text().toStdString();
    EXPECT_EQ(daten(*w).aktDateiTyp(), 3);
    ASSERT_EQ(daten(*w).kopfText().size(), 34);
    EXPECT_EQ(daten(*w).kopfText().left(10), QStringLiteral("Pumpe 12  "));
    EXPECT_EQ(daten(*w).kopfText().at(10), QChar(0));
    EXPECT_EQ(daten(*w).kopfText().at(33), QChar(3));
    EXPECT_TRUE(daten(*w).statusTimer().isActive());
    EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnGeraetSpeichern]->isEnabled());
    EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
    for (int p : {0, 1, 2})
        EXPECT_TRUE(ansicht(*w).picGrafik[static_cast<std::size_t>(p)]->isHidden()) << p;
    if (ansicht(*w).ocxTacho) {
        EXPECT_EQ(ansicht(*w).ocxTacho->property("MaxAnzahl").toInt(), 6000);
    }
    // The device made the record its current result.
    EXPECT_EQ(static_cast<int>(geraet().device().currentResult().type), 3);
    EXPECT_EQ(dialoge_.anzahl(RecordingDialoge::Art::Meldung), 0);
    daten(*w).statusTimer().stop();
}

TEST_F(GeraeteDatenTest, AFailedLoadEmptiesTheHeaderFields) {
    for (const bool gelistet : {true, false}) {
        SCOPED_TRACE(gelistet);
        sim::Scenario s;
        if (gelistet)
            s.add(fehlerBei("RD_FramData"));
        else
            s.omittedCommands.push_back("RD_FramData");
        neuesGeraet(s);
        dialoge_.leeren();
        auto w = seiteOeffnen(QStringLiteral("/debug"));
        ASSERT_EQ(ansicht(*w).lstAlle0->count(), 6);
        FensterZugang::aktDateiTyp(*w) = 2;
        for (int t : {idx::txtDatum, idx::txtName, idx::txtGeberSN})
            ansicht(*w).txtAlle[static_cast<std::size_t>(t)]->setText(QStringLiteral("alt"));
        ansicht(*w).picGrafik[0]->show();
        ansicht(*w).lstAlle0->setCurrentRow(1);
        w->lstAlle_DblClick(0);
        warteBisFrei(*w);
        EXPECT_EQ(daten(*w).aktDateiTyp(), 0);
        for (int t : {idx::txtDatum, idx::txtName, idx::txtGeberSN})
            EXPECT_TRUE(ansicht(*w).txtAlle[static_cast<std::size_t>(t)]->text().isEmpty()) << t;
        EXPECT_FALSE(daten(*w).statusTimer().isActive());
        EXPECT_FALSE(ansicht(*w).mnuProgrammItem[4]->isEnabled());
        EXPECT_TRUE(ansicht(*w).picGrafik[0]->isHidden());
        if (gelistet) {
            EXPECT_EQ(dialoge_.meldungsTexte(), QStringList{QStringLiteral("Read data\r\ncould not be executed.")});
        } else {
            EXPECT_EQ(dialoge_.anzahl(RecordingDialoge::Art::Meldung), 0);
            EXPECT_TRUE(logs_.tagesLog().contains("lstAlle.DblClick -> 'RD_FramData' konnte nicht ausgelesen werden."));
        }
        // Another list than 0 does nothing, nor does a double-click while the device is busy.
        FensterZugang::aktDateiTyp(*w) = 5;
        w->lstAlle_DblClick(1);
        warteBisFrei(*w);
        EXPECT_EQ(daten(*w).aktDateiTyp(), 5);
        sitzung(*w).setBeschaeftigt(true);
        w->lstAlle_DblClick(0);
        warteBisFrei(*w);
        EXPECT_EQ(daten(*w).aktDateiTyp(), 5);
        daten(*w).DatenVomG();
        warteBisFrei(*w);
        EXPECT_EQ(ansicht(*w).lstAlle0->count(), 6) << "no second listing while one runs";
        sitzung(*w).setBeschaeftigt(false);
        w->close();
    }
}

} // namespace
} // namespace kav::test
