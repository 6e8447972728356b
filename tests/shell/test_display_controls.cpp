// The display controls: made from the libraries beside the program, placed in
// their panels with their design values, addressed by property names only.
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>

#include "control_indexes.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;

class AnzeigenTest : public FensterTest {
protected:
    AnzeigenTest() {
        // The registry goes to the test's folder, not beside the built libraries.
        qputenv("KAV_CONTROL_REGISTRY", QDir(ordner()).filePath(QStringLiteral("kavcontrols.reg")).toUtf8());
    }
    ~AnzeigenTest() override { qunsetenv("KAV_CONTROL_REGISTRY"); }

    std::unique_ptr<shell::KAV_Main> starteMitAnzeigen() {
        offlineStart();
        auto u = umgebung();
        u.controlFolder = QStringLiteral(KAV_CONTROL_FOLDER);
        auto w = std::make_unique<shell::KAV_Main>(u);
        EXPECT_TRUE(w->Form_Load());
        return w;
    }
};

TEST_F(AnzeigenTest, TheFiveControlsArePlacedInTheirPanelsWithTheirDesignValues) {
    auto w = starteMitAnzeigen();
    ASSERT_TRUE(w->fehlendeAnzeigen().isEmpty()) << w->fehlendeAnzeigen().join(QLatin1Char('\n')).toStdString();
    ASSERT_NE(ansicht(*w).ocxBadInc1, nullptr);
    ASSERT_NE(ansicht(*w).ocxTacho, nullptr);
    EXPECT_EQ(ansicht(*w).ocxBadInc1->parentWidget(), ansicht(*w).picGrafik[idx::picSchlechtimpulse]);
    for (QWidget* c : {ansicht(*w).ocxSym0, ansicht(*w).ocxSym90, ansicht(*w).ocxPhl, ansicht(*w).ocxTacho}) {
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->parentWidget(), ansicht(*w).picGrafik[idx::picAktuell]);
    }
    EXPECT_EQ(ansicht(*w).ocxBadInc1->property("ImpulsZahl").toInt(), 1024);
    EXPECT_TRUE(ansicht(*w).ocxBadInc1->property("Enabled").toBool());
    EXPECT_EQ(ansicht(*w).ocxBadInc1->property("MaxFarbe").toUInt(), 0x0000C0u);
    EXPECT_EQ(ansicht(*w).ocxTacho->property("MaxAnzahl").toInt(), 6000);
    EXPECT_FLOAT_EQ(ansicht(*w).ocxSym0->property("iMin").toFloat(), -50.0f);
    EXPECT_FLOAT_EQ(ansicht(*w).ocxPhl->property("iOMax").toFloat(), 10.0f);
    EXPECT_EQ(ansicht(*w).ocxSym90->property("iTxtGroesse").toInt(), 900) << "the value box keeps its width";

    // The controls do not overlap one another or the panel's texts.
    const QRect tacho = ansicht(*w).ocxTacho->geometry();
    for (QWidget* c : {ansicht(*w).ocxSym0, ansicht(*w).ocxSym90, ansicht(*w).ocxPhl})
        EXPECT_FALSE(c->geometry().intersects(tacho));
    EXPECT_FALSE(ansicht(*w).btnAlle[idx::btnSpurfehler]->geometry().intersects(tacho));
}

TEST_F(AnzeigenTest, EnteringCurrentValuesResetsTheDialScale) {
    auto w = starteMitAnzeigen();
    ASSERT_NE(ansicht(*w).ocxTacho, nullptr);
    ansicht(*w).ocxTacho->setProperty("MaxAnzahl", QVariant::fromValue<qint16>(12000));
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).ocxTacho->property("MaxAnzahl").toInt(), 6000);
}

TEST_F(AnzeigenTest, WithoutTheLibrariesThePlacesStayEmpty) {
    auto w = starteUndAktiviere(); // connected; the test folder holds no control library
    EXPECT_EQ(ansicht(*w).ocxBadInc1, nullptr);
    EXPECT_EQ(ansicht(*w).ocxSym0, nullptr);
    EXPECT_EQ(ansicht(*w).ocxTacho, nullptr);
    EXPECT_EQ(w->fehlendeAnzeigen().size(), 5);
    // The page still works without them, and shows its results in the text boxes.
    w->btnAlle_Click(idx::btnAktuell);
    warteBisFrei(*w);
    EXPECT_FALSE(ansicht(*w).frmAlle[idx::frmAktuell]->isHidden());
    uhr_.advance(std::chrono::milliseconds(500));
    w->tmrDateiTyp1_Timer();
    warteBisFrei(*w);
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtImpulszahl]->text(), QStringLiteral("1024"));
    w->btnAlle_Click(idx::btnAktuellZurueck);
    warteBisFrei(*w);
    w->btnAlle_Click(idx::btnSchlechtimpulse);
    warteBisFrei(*w);
    messen(*w).loeschen(2);
    sitzung(*w).schlechtimpulse().live.Drehzahl = 1500;
    sitzung(*w).schlechtimpulse().live.Impulszahl = 1024;
    messen(*w).anzeigen(2);
    EXPECT_EQ(ansicht(*w).txtAlle[idx::txtSchlechtImpulszahl]->text(), QStringLiteral("1024"));
}

} // namespace
} // namespace kav::test
