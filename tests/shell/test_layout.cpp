// The window's geometry, its two navigation states, the banner rule, the
// progress-bar animation and captions that fit their controls.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest/QTest>

#include "banner.h"
#include "control_indexes.h"
#include "layout_geometry.h"
#include "panel_widgets.h"
#include "vb_colors.h"
#include "window_fixture.h"

namespace kav::test {
namespace {

namespace idx = shell::idx;
using shell::rgbWert;

class LayoutTest : public FensterTest {};

TEST(BannerRegel, TrueColourScreensRunFromNearBlackThroughBlueToLightCyan) {
    const auto b = shell::bannerBaender(1, 15240, shell::bildschirmFarben(24));
    ASSERT_EQ(b.size(), 508u); // bands of 30 twips
    EXPECT_EQ(b[0].left, 0);
    EXPECT_EQ(b[0].width, 30);
    EXPECT_EQ(b[0].farbe, rgbWert(30, 0, 0));
    EXPECT_EQ(b[101].left, 3030);
    EXPECT_EQ(b[101].farbe, rgbWert(30, 50, 101));
    EXPECT_EQ(b[300].farbe, rgbWert(30, 150, 255)) << "components above 255 count as 255";
    EXPECT_EQ(b.back().left, 15210);
    EXPECT_EQ(b.back().farbe, rgbWert(30, 253, 255));
    EXPECT_EQ(shell::bannerBaender(1, 15240, shell::bildschirmFarben(32)).size(), 508u);
    EXPECT_EQ(shell::bannerBaender(1, 15240, shell::bildschirmFarben(16)).size(), 508u);
}

TEST(BannerRegel, FewColoursGiveGreyStepsOrNothing) {
    const auto grau = shell::bannerBaender(1, 15240, shell::bildschirmFarben(7)); // 128 colours
    ASSERT_FALSE(grau.empty());
    EXPECT_EQ(grau[0].width, 59);
    EXPECT_EQ(grau[10].farbe, rgbWert(10, 10, 10));
    EXPECT_EQ(grau.back().farbe, rgbWert(255, 255, 255));
    // The last band may stop short of the right edge, never beyond its start.
    EXPECT_LT(grau.back().left, 15240);
    EXPECT_TRUE(shell::bannerBaender(1, 15240, 256).empty());
    EXPECT_TRUE(shell::bannerBaender(1, 15240, 16).empty());
    EXPECT_TRUE(shell::bannerBaender(1, 15240, 2).empty());
    EXPECT_EQ(shell::bannerBaender(1, 15240, 32).size(), grau.size());
}

TEST(BannerRegel, OnlyStyleOneIsPainted) {
    for (int style : {0, 2, 3, 4, 5, -1})
        EXPECT_TRUE(shell::bannerBaender(style, 15240, shell::bildschirmFarben(24)).empty()) << style;
}

TEST_F(LayoutTest, TheWindowAndItsAreasSitInTheirPlaces) {
    offlineStart();
    auto w = starte();
    EXPECT_EQ(w->size(), QSize(1024, 768));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("KavStudio"));
    EXPECT_EQ(ansicht(*w).picOben->geometry(), QRect(0, 0, 1016, 86));
    EXPECT_EQ(ansicht(*w).picLayout->geometry(), QRect(0, 86, 1016, 33));
    EXPECT_EQ(ansicht(*w).picGrafik[0]->geometry(), QRect(208, 120, 801, 591));
    EXPECT_EQ(ansicht(*w).picGrafik[1]->geometry(), ansicht(*w).picGrafik[0]->geometry());
    EXPECT_EQ(ansicht(*w).picGrafik[2]->geometry(), ansicht(*w).picGrafik[0]->geometry());
    EXPECT_EQ(ansicht(*w).picGrafik[3]->parentWidget(), ansicht(*w).picGrafik[0]);
    for (int f = 0; f <= 9; ++f) {
        if (f == 8)
            continue;
        const QRect r = ansicht(*w).frmAlle[static_cast<std::size_t>(f)]->geometry();
        EXPECT_EQ(r.left(), 8) << f;
        EXPECT_EQ(r.width(), 193) << f;
        EXPECT_GE(r.top(), 120) << f;
        EXPECT_LE(r.bottom(), 120 + 591) << f;
    }
    // The home frames and frame 9 do not overlap: they can all be shown at once.
    for (std::size_t a : {0u, 1u, 2u, 9u})
        for (std::size_t b : {0u, 1u, 2u, 9u})
            if (a < b) {
                EXPECT_FALSE(ansicht(*w).frmAlle[a]->geometry().intersects(ansicht(*w).frmAlle[b]->geometry()))
                    << a << " " << b;
            }
    // The overlays are centred on the window (8775 x 6375 twips).
    const QRect o(219, 171, 585, 425);
    EXPECT_EQ(ansicht(*w).frmAlle[8]->geometry(), o);
    EXPECT_EQ(ansicht(*w).frmAlle[10]->geometry(), o);
    // The logo ends 500 twips short of the window's right edge.
    EXPECT_EQ(ansicht(*w).imgLogo->geometry().right() + 1, (15360 - 500) / 15);
    EXPECT_EQ(ansicht(*w).picOben->baender().size(), 508u) << "the offscreen screen has more than 256 colours";
}

TEST(FensterPlatz, CentredInTheAvailableAreaButNeverBeyondItsTopLeft) {
    struct Fall {
        const char* was;
        QRect verfuegbar;
        QSize fenster;
        QPoint erwartet;
    };
    const Fall faelle[] = {
        {"fits", QRect(0, 0, 1280, 1024), QSize(1024, 800), QPoint(128, 112)},
        {"scaled 1.5: too wide and too high", QRect(0, 0, 1280, 1024), QSize(1536, 1150), QPoint(0, 0)},
        {"too high only, second screen", QRect(1280, 24, 1920, 700), QSize(1024, 800), QPoint(1728, 24)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(shell::fensterPlatz(f.verfuegbar, f.fenster), f.erwartet);
    }
}

TEST_F(LayoutTest, TheWindowKeepsItsFixedSize) {
    offlineStart();
    auto w = starte();
    EXPECT_EQ(w->minimumSize(), QSize(1024, 768));
    EXPECT_EQ(w->maximumSize(), QSize(1024, 768));
    EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    w->show();
    for (const QSize groesse : {QSize(600, 400), QSize(1280, 1000)}) {
        w->resize(groesse);
        EXPECT_EQ(w->size(), QSize(1024, 768));
    }
    w->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(1024, 768));
}

TEST_F(LayoutTest, TheControlArraysHoldTheirElementsWithTheirIndexes) {
    offlineStart();
    auto w = starte();
    for (int i = 0; i < idx::kTextBoxes; ++i) {
        if (idx::textBoxExists(i))
            EXPECT_NE(ansicht(*w).txtAlle[static_cast<std::size_t>(i)], nullptr) << i;
        else
            EXPECT_EQ(ansicht(*w).txtAlle[static_cast<std::size_t>(i)], nullptr) << i;
    }
    // The identity bar holds, from left to right, 37, 36, 38, 32, 31, 30 and 35.
    int x = -1;
    for (int t : {37, 36, 38, 32, 31, 30, 35}) {
        QLineEdit* box = ansicht(*w).txtAlle[static_cast<std::size_t>(t)];
        EXPECT_EQ(box->parentWidget(), ansicht(*w).picLayout) << t;
        EXPECT_GT(box->x(), x) << t;
        x = box->x();
    }
    // Buttons and check boxes lie in their frames.
    const int inFrame[][2] = {{0, 0},  {1, 0}, {2, 0},  {3, 1},  {4, 2},  {5, 3},  {6, 3},  {17, 3}, {7, 4},  {8, 4},
                              {18, 4}, {9, 5}, {10, 5}, {19, 5}, {11, 6}, {12, 6}, {13, 7}, {14, 7}, {15, 8}, {16, 9}};
    for (const auto& [b, f] : inFrame)
        EXPECT_EQ(ansicht(*w).btnAlle[static_cast<std::size_t>(b)]->parentWidget(),
                  ansicht(*w).frmAlle[static_cast<std::size_t>(f)])
            << b;
    EXPECT_EQ(ansicht(*w).btnAlle[20]->parentWidget(), ansicht(*w).picGrafik[2]);
    EXPECT_EQ(ansicht(*w).chkAlle[0]->parentWidget(), ansicht(*w).frmAlle[3]);
    EXPECT_EQ(ansicht(*w).chkAlle[1]->parentWidget(), ansicht(*w).frmAlle[5]);
    EXPECT_EQ(ansicht(*w).shpAlle[0]->parentWidget(), ansicht(*w).frmAlle[5]);
    EXPECT_EQ(ansicht(*w).shpAlle[1]->parentWidget(), ansicht(*w).frmAlle[3]);
    EXPECT_EQ(ansicht(*w).btnAlle[1]->geometry(), ansicht(*w).btnAlle[2]->geometry()) << "same place";
    EXPECT_EQ(ansicht(*w).LiveBar[0]->parentWidget(), ansicht(*w).frmAlle[8]);
    EXPECT_EQ(ansicht(*w).LiveBar[1]->parentWidget(), ansicht(*w).frmAlle[10]);
    EXPECT_EQ(ansicht(*w).labAlle[43]->parentWidget(), ansicht(*w).frmAlle[8]);
    EXPECT_EQ(ansicht(*w).labAlle[51]->parentWidget(), ansicht(*w).frmAlle[10]);
    EXPECT_EQ(ansicht(*w).fleAlle0->pattern(), QStringLiteral("*.kav"));
}

TEST_F(LayoutTest, AtStartWithoutConnectionOnlyDataFromComputerIsEnabled) {
    offlineStart();
    auto w = starteUndAktiviere();
    for (int f = 0; f <= 10; ++f) {
        const bool sichtbar = f <= 2;
        EXPECT_EQ(!ansicht(*w).frmAlle[static_cast<std::size_t>(f)]->isHidden(), sichtbar) << f;
    }
    for (int p = 0; p <= 2; ++p)
        EXPECT_TRUE(ansicht(*w).picGrafik[static_cast<std::size_t>(p)]->isHidden()) << p;
    for (int b = 0; b <= 3; ++b)
        EXPECT_FALSE(ansicht(*w).btnAlle[static_cast<std::size_t>(b)]->isEnabled()) << b;
    EXPECT_TRUE(ansicht(*w).btnAlle[4]->isEnabled());
    EXPECT_EQ(ansicht(*w).txtAlle[35]->text(), QStringLiteral("Offline"));
}

TEST_F(LayoutTest, TheProgressBarRunsInTenStepsAndStartsAgain) {
    offlineStart();
    auto w = starte();
    ansicht(*w).VerbindungsInfoZeigen(true);
    QList<int> werte{ansicht(*w).LiveBar[0]->value()};
    for (int i = 0; i < 11; ++i) {
        ansicht(*w).tmrBalken_Timer();
        werte << ansicht(*w).LiveBar[0]->value();
    }
    EXPECT_EQ(werte, (QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0}));
    EXPECT_EQ(ansicht(*w).LiveBar[1]->value(), 0) << "the hidden wait panel's bar stands still";
    ansicht(*w).VerbindungsInfoZeigen(false);
    ansicht(*w).tmrBalken_Timer();
    EXPECT_EQ(ansicht(*w).LiveBar[0]->value(), 0);
}

TEST_F(LayoutTest, TheTimerDrivesTheBarWhileThePanelIsShown) {
    offlineStart();
    auto w = starte();
    ansicht(*w).HinweisZeigen(true, QStringLiteral("Bitte warten Sie."));
    EXPECT_EQ(ansicht(*w).labAlle[idx::labHinweisMeldung]->text(), QStringLiteral("Please wait."));
    EXPECT_FALSE(ansicht(*w).frmAlle[10]->isHidden());
    EXPECT_TRUE(ansicht(*w).tmrBalken.isActive());
    EXPECT_EQ(ansicht(*w).tmrBalken.interval(), 200);
    // The ticks themselves are tested above; here only that the timer drives
    // them, so it may tick faster.
    ansicht(*w).tmrBalken.setInterval(1);
    QTRY_COMPARE_WITH_TIMEOUT(ansicht(*w).LiveBar[1]->value(), 30, 3000);
    ansicht(*w).HinweisZeigen(false, QStringLiteral("Bitte warten Sie."));
    EXPECT_TRUE(ansicht(*w).frmAlle[10]->isHidden());
    EXPECT_FALSE(ansicht(*w).tmrBalken.isActive());
}

// No caption is cut off or wraps out of its control, in either language.
void pruefeBeschriftungen(const shell::KAV_Main& w, const char* sprache) {
    auto passt = [&](const QWidget* widget, int index, const char* art) {
        const QString text = beschriftung(widget);
        if (text.isEmpty())
            return;
        const QFontMetrics fm(widget->font());
        SCOPED_TRACE(std::string(sprache) + " " + art + " " + std::to_string(index) + ": " + text.toStdString());
        if (auto* l = qobject_cast<const QLabel*>(widget)) {
            if (l->wordWrap())
                EXPECT_LE(l->heightForWidth(l->width()), l->height());
            else
                EXPECT_LE(fm.horizontalAdvance(text), l->contentsRect().width());
        } else if (qobject_cast<const QCheckBox*>(widget)) {
            EXPECT_LE(fm.horizontalAdvance(text) + 26, widget->width());
        } else if (qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_LE(fm.horizontalAdvance(text) + 16, widget->width());
        } else if (qobject_cast<const QGroupBox*>(widget)) {
            EXPECT_LE(fm.horizontalAdvance(text) + 20, widget->width());
        }
    };
    for (int i = 0; i < idx::kLabels; ++i)
        passt(ansicht(w).labAlle[static_cast<std::size_t>(i)], i, "label");
    for (int i = 0; i < idx::kButtons; ++i)
        passt(ansicht(w).btnAlle[static_cast<std::size_t>(i)], i, "button");
    for (int i = 0; i < idx::kFrames; ++i)
        passt(ansicht(w).frmAlle[static_cast<std::size_t>(i)], i, "frame");
    for (int i = 0; i < idx::kCheckBoxes; ++i)
        passt(ansicht(w).chkAlle[static_cast<std::size_t>(i)], i, "check box");
}

TEST_F(LayoutTest, EveryCaptionFitsItsControlInBothLanguages) {
    offlineStart();
    auto w = starte();
    pruefeBeschriftungen(*w, "E");
    w->SpracheSetzen(QStringLiteral("D"));
    pruefeBeschriftungen(*w, "D");
    // The longest texts the connection panel shows fit as well.
    for (const char* code : {"D", "E"}) {
        w->SpracheSetzen(QString::fromLatin1(code));
        verbindung(*w).VerbindungFehlerZeigen(shell::ConnectionController::Fehler::Usb);
        QLabel* l = ansicht(*w).labAlle[idx::labVerbindungMeldung];
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << code;
        EXPECT_LE(QFontMetrics(ansicht(*w).btnAlle[15]->font()).horizontalAdvance(ansicht(*w).btnAlle[15]->text()) + 16,
                  ansicht(*w).btnAlle[15]->width());
    }
}

} // namespace
} // namespace kav::test
