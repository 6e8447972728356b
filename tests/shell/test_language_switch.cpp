// Switching the language: every caption comes from its tag, both ways.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "control_indexes.h"
#include "control_tags.h"
#include "globals.h"
#include "language.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

using shell::global;
namespace idx = shell::idx;

class SpracheTest : public FensterTest {};

// Every captioned control with its tag, in the order the language switch visits them.
std::vector<std::pair<QWidget*, QString>> beschriftete(const shell::KAV_Main& w) {
    std::vector<std::pair<QWidget*, QString>> alle;
    for (int i = 0; i < idx::kLabels; ++i)
        alle.emplace_back(ansicht(w).labAlle[static_cast<std::size_t>(i)], shell::labelTag(i));
    for (int i = 0; i < idx::kFrames; ++i)
        alle.emplace_back(ansicht(w).frmAlle[static_cast<std::size_t>(i)], shell::frameTag(i));
    for (int i = 0; i < idx::kButtons; ++i)
        alle.emplace_back(ansicht(w).btnAlle[static_cast<std::size_t>(i)], shell::buttonTag(i));
    for (int i = 0; i < idx::kCheckBoxes; ++i)
        alle.emplace_back(ansicht(w).chkAlle[static_cast<std::size_t>(i)], shell::checkBoxTag(i));
    return alle;
}

QStringList menueTexte(const shell::KAV_Main& w) {
    return {ansicht(w).mnuProgramm->title(),        ansicht(w).mnuProgrammItem[1]->text(),
            ansicht(w).mnuProgrammItem[2]->text(),  ansicht(w).mnuProgrammItem[4]->text(),
            ansicht(w).mnuEinst->title(),           ansicht(w).mnuProgrammItem[7]->text(),
            ansicht(w).mnuEinstItem[1]->text(),     ansicht(w).mnuEinstItem[2]->text(),
            ansicht(w).mnuSprache->title(),         ansicht(w).mnuEinstItem[4]->text(),
            ansicht(w).mnuSpracheItem[1]->text(),   ansicht(w).mnuSpracheItem[2]->text(),
            ansicht(w).mnuHilfe->title(),           ansicht(w).mnuHilfeItem[1]->text(),
            ansicht(w).mnuHilfeItem[3]->text(),     ansicht(w).mnuAdmin->title(),
            ansicht(w).mnuAdministrator[0]->text(), ansicht(w).mnuAdministrator[1]->text()};
}

TEST_F(SpracheTest, NinetyThreeCaptionedControlsEachCarryTheirGermanTag) {
    offlineStart();
    auto w = starte();
    const auto alle = beschriftete(*w);
    ASSERT_EQ(alle.size(), 93u);
    int leer = 0;
    for (const auto& [widget, tag] : alle) {
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->property("Tag").toString(), tag);
        leer += tag.isEmpty();
    }
    EXPECT_EQ(leer, 3) << "labels 43 and 51 and button 20";
    EXPECT_TRUE(shell::labelTag(43).isEmpty());
    EXPECT_TRUE(shell::labelTag(51).isEmpty());
    EXPECT_TRUE(shell::buttonTag(20).isEmpty());
}

TEST_F(SpracheTest, SwitchingToGermanAndBackRestoresEveryCaption) {
    offlineStart();
    auto w = starte();
    const auto alle = beschriftete(*w);
    QStringList englisch;
    for (const auto& [widget, tag] : alle) {
        englisch << beschriftung(widget);
        EXPECT_EQ(beschriftung(widget), shell::SprachText(tag)) << tag.toStdString();
    }
    const QStringList menueEnglisch = menueTexte(*w);
    EXPECT_EQ(menueEnglisch.mid(0, 4), (QStringList{"Program", "Connect", "Disconnect", "Print"}));

    ansicht(*w).mnuSpracheItem[1]->trigger();
    warteBisFrei(*w);
    EXPECT_EQ(global().Sprache, QStringLiteral("D"));
    EXPECT_TRUE(ansicht(*w).mnuSpracheItem[1]->isChecked());
    EXPECT_FALSE(ansicht(*w).mnuSpracheItem[2]->isChecked());
    for (const auto& [widget, tag] : alle)
        EXPECT_EQ(beschriftung(widget), tag);
    EXPECT_EQ(menueTexte(*w),
              (QStringList{"Programm", "Verbindung aufbauen", "Verbindung beenden", "Drucken", "Einstellungen",
                           "Beenden", "Beim Start Verbinden", "Fehler speichern", "Sprache", "Farben", "Deutsch",
                           "Englisch", "?", "Hilfe", "Info", "Administrator", "WR_MaschNr", "DO_FormatMem"}));

    ansicht(*w).mnuSpracheItem[2]->trigger();
    warteBisFrei(*w);
    QStringList wieder;
    for (const auto& [widget, tag] : alle)
        wieder << beschriftung(widget);
    EXPECT_EQ(wieder, englisch);
    EXPECT_EQ(menueTexte(*w), menueEnglisch);
    EXPECT_TRUE(ansicht(*w).mnuSpracheItem[2]->isChecked());
}

TEST_F(SpracheTest, ChoosingTheLanguageInUseChangesNothing) {
    offlineStart("D");
    auto w = starte();
    ansicht(*w).labAlle[idx::labVerbindungMeldung]->setText(QStringLiteral("läuft"));
    ansicht(*w).mnuSpracheItem[1]->trigger();
    warteBisFrei(*w);
    EXPECT_TRUE(ansicht(*w).mnuSpracheItem[1]->isChecked()) << "the chosen language stays checked";
    EXPECT_EQ(ansicht(*w).labAlle[idx::labVerbindungMeldung]->text(), QStringLiteral("läuft"))
        << "no caption was set again";
}

TEST_F(SpracheTest, MessageLabelsAndTheTrackErrorButtonAreEmptyAfterASwitch) {
    offlineStart();
    auto w = starte();
    ansicht(*w).labAlle[idx::labVerbindungMeldung]->setText(QStringLiteral("x"));
    ansicht(*w).labAlle[idx::labHinweisMeldung]->setText(QStringLiteral("y"));
    ansicht(*w).btnAlle[idx::btnSpurfehler]->setText(QStringLiteral("Fehler 0-Spur"));
    w->SpracheSetzen(QStringLiteral("D"));
    EXPECT_TRUE(ansicht(*w).labAlle[idx::labVerbindungMeldung]->text().isEmpty());
    EXPECT_TRUE(ansicht(*w).labAlle[idx::labHinweisMeldung]->text().isEmpty());
    EXPECT_TRUE(ansicht(*w).btnAlle[idx::btnSpurfehler]->text().isEmpty());
}

TEST_F(SpracheTest, TipTextsStayGermanInEnglishAndAreLoggedWithTheSpracheSwitch) {
    offlineStart();
    auto w = starte(QStringLiteral("/sprache"));
    const QString tipp = QStringLiteral("Tipp: Mit Hilfe der Knöpfe kommen Sie weiter zur Livedaten Messungen.");
    EXPECT_EQ(ansicht(*w).labAlle[idx::labTippOnline]->text(), tipp);
    EXPECT_EQ(
        ansicht(*w).labAlle[idx::labTippVerbindung]->text(),
        QStringLiteral("Tipp: Drücken Sie bitte auf \"Verbindung aufbauen\" um mit dem KAV Daten auszutauschen."));
    // One log line per lookup without English text, umlauts as single bytes.
    const QByteArray zeile = "09:04:07 - (De): \"Tipp: Mit Hilfe der Kn\xF6pfe kommen Sie weiter zur Livedaten "
                             "Messungen.\" - (En): \"\"\r\n";
    EXPECT_TRUE(logs_.tagesLog().contains(zeile)) << logs_.tagesLog().left(400).toStdString();
}

TEST_F(SpracheTest, EnglishCaptionsComeFromTheTable) {
    offlineStart();
    auto w = starte();
    EXPECT_EQ(ansicht(*w).frmAlle[idx::frmDrehschwebung]->title(), QStringLiteral("Rotational frequ. modulation"));
    EXPECT_EQ(ansicht(*w).btnAlle[idx::btnSchliessen]->text(), QStringLiteral("Close"));
    EXPECT_EQ(ansicht(*w).labAlle[idx::labGeberSN]->text(), QStringLiteral("S/N Encoder"));
    EXPECT_EQ(ansicht(*w).labAlle[idx::labPhl]->text(), QStringLiteral("Phase angle (deviation in %)"));
    EXPECT_EQ(ansicht(*w).chkAlle[idx::chkAktuellImmer]->text(), QStringLiteral("Continuous reading"));
    EXPECT_EQ(ansicht(*w).labAlle[idx::labUsb]->text(), QStringLiteral("USB connection"));
}

} // namespace
} // namespace kav::test
