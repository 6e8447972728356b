// The window's controls and their places: banner, identity bar, navigation
// column with its frames, and the two overlay panels.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "banner.h"
#include "connection_diagram.h"
#include "control_host.h"
#include "control_indexes.h"
#include "control_tags.h"
#include "main_view.h"
#include "layout_geometry.h"
#include "panel_widgets.h"
#include "property_bag.h"
#include "vb_colors.h"

namespace kav::shell {

namespace {

constexpr int kRand = 8;        // inner margin of a frame
constexpr int kTitelHoehe = 24; // frame caption
constexpr int kKnopfHoehe = 30;
constexpr int kZeile = 36; // button pitch

int innenBreite(int frameIndex) { return navigationFrameRect(frameIndex).width() - 2 * kRand; }

QRect knopfRect(int frameIndex, int zeile) {
    return QRect(kRand, kTitelHoehe + zeile * kZeile, innenBreite(frameIndex), kKnopfHoehe);
}

QRect tippRect(int frameIndex, int oben) {
    const QRect f = navigationFrameRect(frameIndex);
    return QRect(kRand, oben, innenBreite(frameIndex), f.height() - oben - 6);
}

} // namespace

MainView::MainView(QMainWindow& fenster, const QString& controlOrdner, bool registrieren)
    : fenster_(fenster), controlOrdner_(controlOrdner), registrieren_(registrieren) {
    fenster_.setObjectName(QStringLiteral("KAV_Main"));
    fensterAufbauen();
    menuesAufbauen();
    timerEinrichten();
}

MainView::~MainView() {
    // The display controls live in their libraries: they go before the host
    // and the property stores they write to.
    for (QWidget** w : {&ocxBadInc1, &ocxSym0, &ocxSym90, &ocxPhl, &ocxTacho}) {
        delete *w;
        *w = nullptr;
    }
}

QLabel* MainView::labelAnlegen(int index, QWidget* parent, const QRect& rect, bool umbruch) {
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("labAlle_%1").arg(index));
    l->setProperty("Tag", labelTag(index));
    l->setGeometry(rect);
    l->setWordWrap(umbruch);
    if (umbruch)
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    else
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labAlle[static_cast<std::size_t>(index)] = l;
    return l;
}

QLineEdit* MainView::textAnlegen(int index, QWidget* parent, const QRect& rect) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QStringLiteral("txtAlle_%1").arg(index));
    t->setGeometry(rect);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::ClickFocus);
    txtAlle[static_cast<std::size_t>(index)] = t;
    return t;
}

QPushButton* MainView::buttonAnlegen(int index, QWidget* parent, const QRect& rect) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("btnAlle_%1").arg(index));
    b->setProperty("Tag", buttonTag(index));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    btnAlle[static_cast<std::size_t>(index)] = b;
    return b;
}

void MainView::fensterAufbauen() {
    auto* client = new QWidget(&fenster_);
    client->setObjectName(QStringLiteral("Client"));
    fenster_.setCentralWidget(client);
    // The layout is fixed, as on a fixed-border window: no resizing, no maximizing.
    fenster_.setFixedSize(kFensterGroesse);
    fenster_.setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    QFont schrift = fenster_.font();
    schrift.setPixelSize(11);
    fenster_.setFont(schrift);

    picOben = new BannerWidget(client);
    picOben->setGeometry(kBannerRect);
    imgLogo = new LogoWidget(picOben);
    imgLogo->setGeometry(logoRect(kFensterBreiteTwips));

    identitaetsleisteAufbauen(client);
    navigationAufbauen(client);
    ergebnisseAufbauen(client);
    overlaysAufbauen(client);
    anzeigenAnlegen();
}

void MainView::identitaetsleisteAufbauen(QWidget* client) {
    picLayout = new QFrame(client);
    picLayout->setObjectName(QStringLiteral("picLayout"));
    picLayout->setGeometry(kIdentitaetRect);
    picLayout->setFrameShape(QFrame::StyledPanel);
    picLayout->setFrameShadow(QFrame::Sunken);

    // From left to right: record name and date, encoder serial, software
    // version, firmware, device serial, connection status.
    const int y = 5;
    const int h = 23;
    int x = 6;
    auto box = [&](int index, int breite) {
        textAnlegen(index, picLayout, QRect(x, y, breite, h));
        x += breite + 8;
    };
    auto caption = [&](int index, int breite) {
        QLabel* l = labelAnlegen(index, picLayout, QRect(x, y, breite, h));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        x += breite + 4;
    };
    box(idx::txtName, 92);
    box(idx::txtDatum, 132);
    caption(idx::labGeberSN, 72);
    box(idx::txtGeberSN, 84);
    caption(idx::labSoftwareVersion, 106);
    box(idx::txtSoftwareVersion, 58);
    caption(idx::labFirmware, 62);
    box(idx::txtFirmware, 96);
    caption(idx::labGeraetSN, 76);
    box(idx::txtGeraetSN, 84);
    box(idx::txtStatus, picLayout->width() - x - 6);
    txtAlle[idx::txtStatus]->setAlignment(Qt::AlignCenter);
    setForeColor(txtAlle[idx::txtStatus], kFarbeRot); // it starts "Offline"
    QFont fett = txtAlle[idx::txtStatus]->font();
    fett.setBold(true);
    txtAlle[idx::txtStatus]->setFont(fett);
}

void MainView::navigationAufbauen(QWidget* client) {
    auto frame = [&](int index) {
        auto* f = new FrameBox(client);
        f->setObjectName(QStringLiteral("frmAlle_%1").arg(index));
        f->setProperty("Tag", frameTag(index));
        f->setGeometry(navigationFrameRect(index));
        frmAlle[static_cast<std::size_t>(index)] = f;
        return f;
    };

    // Home: the online measurements, the device's records, the computer's files.
    QGroupBox* f0 = frame(idx::frmOnline);
    buttonAnlegen(idx::btnDrehschwebung, f0, knopfRect(0, 0));
    buttonAnlegen(idx::btnAktuell, f0, knopfRect(0, 1));
    // "Schlechtimpulse" lies over "Aktuell" and is hidden once connected.
    buttonAnlegen(idx::btnSchlechtimpulse, f0, knopfRect(0, 1))->raise();
    labelAnlegen(idx::labTippOnline, f0, tippRect(0, kTitelHoehe + 2 * kZeile + 4), true);

    QGroupBox* f1 = frame(idx::frmGeraetHome);
    buttonAnlegen(idx::btnDatenVomGeraet, f1, knopfRect(1, 0));
    labelAnlegen(idx::labTippGeraetHome, f1, tippRect(1, kTitelHoehe + kZeile + 4), true);

    QGroupBox* f2 = frame(idx::frmComputerHome);
    buttonAnlegen(idx::btnDatenVomComputer, f2, knopfRect(2, 0));
    labelAnlegen(idx::labTippComputerHome, f2, tippRect(2, kTitelHoehe + kZeile + 4), true);

    // Work panels of the three measurements.
    auto messPanel = [&](int frameIndex, int lesen, int speichern, int zurueck, int check, int shape, int tipp) {
        QGroupBox* f = frame(frameIndex);
        buttonAnlegen(lesen, f, knopfRect(frameIndex, 0));
        buttonAnlegen(speichern, f, knopfRect(frameIndex, 1));
        buttonAnlegen(zurueck, f, knopfRect(frameIndex, 2));
        int tippOben = kTitelHoehe + 3 * kZeile + 4;
        if (check >= 0) {
            auto* c = new QCheckBox(f);
            c->setObjectName(QStringLiteral("chkAlle_%1").arg(check));
            c->setProperty("Tag", checkBoxTag(check));
            c->setGeometry(kRand, tippOben, innenBreite(frameIndex) - 26, 24);
            chkAlle[static_cast<std::size_t>(check)] = c;
            auto* s = new ShapeWidget(f);
            s->setObjectName(QStringLiteral("shpAlle_%1").arg(shape));
            s->setGeometry(kRand + innenBreite(frameIndex) - 18, tippOben + 4, 16, 16);
            shpAlle[static_cast<std::size_t>(shape)] = s;
            tippOben += 32;
        }
        labelAnlegen(tipp, f, tippRect(frameIndex, tippOben), true);
    };
    messPanel(idx::frmDrehschwebung, idx::btnDrehWerteLesen, idx::btnDrehSpeichern, idx::btnDrehZurueck,
              idx::chkDrehImmer, idx::shpDrehLive, idx::labTippDrehschwebung);
    messPanel(idx::frmSchlechtimpulse, idx::btnSchlechtWerteLesen, idx::btnSchlechtSpeichern, idx::btnSchlechtZurueck,
              -1, -1, idx::labTippSchlechtimpulse);
    messPanel(idx::frmAktuell, idx::btnAktuellWerteLesen, idx::btnAktuellSpeichern, idx::btnAktuellZurueck,
              idx::chkAktuellImmer, idx::shpAktuellLive, idx::labTippAktuell);

    // Records in the device.
    QGroupBox* f6 = frame(idx::frmDatenVomGeraet);
    const int b6 = innenBreite(idx::frmDatenVomGeraet);
    lstAlle0 = new QListWidget(f6);
    lstAlle0->setObjectName(QStringLiteral("lstAlle_0"));
    lstAlle0->setGeometry(kRand, kTitelHoehe, b6, 330);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(12);
    lstAlle0->setFont(mono);
    buttonAnlegen(idx::btnGeraetSpeichern, f6, QRect(kRand, kTitelHoehe + 340, b6, kKnopfHoehe));
    buttonAnlegen(idx::btnGeraetZurueck, f6, QRect(kRand, kTitelHoehe + 340 + kZeile, b6, kKnopfHoehe));
    labelAnlegen(idx::labTippGeraet1, f6, QRect(kRand, kTitelHoehe + 340 + 2 * kZeile + 6, b6, 64), true);
    labelAnlegen(idx::labTippGeraet2, f6, QRect(kRand, kTitelHoehe + 340 + 2 * kZeile + 74, b6, 64), true);

    // Files on the computer.
    QGroupBox* f7 = frame(idx::frmDatenVomComputer);
    const int b7 = innenBreite(idx::frmDatenVomComputer);
    drvAlle0 = new DriveList(f7);
    drvAlle0->setObjectName(QStringLiteral("drvAlle_0"));
    drvAlle0->setGeometry(kRand, kTitelHoehe, b7, 26);
    dirAlle0 = new FolderList(f7);
    dirAlle0->setObjectName(QStringLiteral("dirAlle_0"));
    dirAlle0->setGeometry(kRand, kTitelHoehe + 32, b7, 170);
    fleAlle0 = new FileList(f7);
    fleAlle0->setObjectName(QStringLiteral("fleAlle_0"));
    fleAlle0->setGeometry(kRand, kTitelHoehe + 208, b7, 170);
    buttonAnlegen(idx::btnOeffnen, f7, QRect(kRand, kTitelHoehe + 386, b7, kKnopfHoehe));
    buttonAnlegen(idx::btnComputerZurueck, f7, QRect(kRand, kTitelHoehe + 386 + kZeile, b7, kKnopfHoehe));
    labelAnlegen(idx::labTippComputer, f7, QRect(kRand, kTitelHoehe + 386 + 2 * kZeile + 6, b7, 100), true);

    // After a failed attempt: connect again.
    QGroupBox* f9 = frame(idx::frmVerbindung);
    buttonAnlegen(idx::btnVerbindungAufbauen, f9, knopfRect(idx::frmVerbindung, 0));
    labelAnlegen(idx::labTippVerbindung, f9, tippRect(idx::frmVerbindung, kTitelHoehe + kZeile + 4), true);

    for (int i : {3, 4, 5, 6, 7, 9})
        frmAlle[static_cast<std::size_t>(i)]->hide();
}

void MainView::overlaysAufbauen(QWidget* client) {
    const QRect o = overlayRect();
    auto overlay = [&](int index) {
        auto* f = new FrameBox(client);
        f->setObjectName(QStringLiteral("frmAlle_%1").arg(index));
        f->setProperty("Tag", frameTag(index));
        f->setGeometry(o);
        f->setAutoFillBackground(true);
        f->hide();
        frmAlle[static_cast<std::size_t>(index)] = f;
        return f;
    };
    auto bar = [&](int index, QWidget* parent, const QRect& rect) {
        auto* b = new QProgressBar(parent);
        b->setObjectName(QStringLiteral("LiveBar_%1").arg(index));
        b->setRange(0, 100);
        b->setValue(0);
        b->setTextVisible(false);
        b->setGeometry(rect);
        LiveBar[static_cast<std::size_t>(index)] = b;
    };

    // The connection panel with its wiring diagram.
    QGroupBox* f8 = overlay(idx::frmVerbindungsInfo);
    Verbindungsdiagramm = new ConnectionDiagram(f8);
    Verbindungsdiagramm->setGeometry(10, kTitelHoehe, o.width() - 20, 222);
    for (int l : {idx::labPC, idx::labUsb, idx::labKav, idx::labVersorgungDiagramm}) {
        QLabel* lab = labelAnlegen(l, Verbindungsdiagramm, diagrammLabelRect(l));
        lab->setAlignment(Qt::AlignCenter);
    }
    bar(0, f8, QRect(20, kTitelHoehe + 230, o.width() - 40, 18));
    QLabel* meldung =
        labelAnlegen(idx::labVerbindungMeldung, f8, QRect(20, kTitelHoehe + 256, o.width() - 40, 100), true);
    meldung->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    buttonAnlegen(idx::btnSchliessen, f8, QRect((o.width() - 130) / 2, o.height() - 44, 130, kKnopfHoehe))->hide();

    // The wait panel.
    QGroupBox* f10 = overlay(idx::frmHinweis);
    QLabel* hinweis = labelAnlegen(idx::labHinweisMeldung, f10, QRect(20, 110, o.width() - 40, 80), true);
    hinweis->setAlignment(Qt::AlignCenter);
    bar(1, f10, QRect(20, 210, o.width() - 40, 18));
}

} // namespace kav::shell
