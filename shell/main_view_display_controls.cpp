// The display controls of the result panels, made by their identifiers from
// the control libraries installed beside the program. Each gets a property
// store holding its design values; a library that is missing leaves its place
// empty and is noted.
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QVariant>

#include "control_host.h"
#include "control_indexes.h"
#include "control_registry.h"
#include "hosted_control.h"
#include "main_view.h"
#include "printout.h"
#include "property_bag.h"
#include "vb_colors.h"

namespace kav::shell {

QRect anzeigeRect(const QString& name); // kav_main_panels.cpp

namespace {

// Colours of the deviation ring's marks (the printout's too); the bad-pulse
// legend uses the same.
constexpr std::uint32_t kMaxFarbe = records::kRingMaxFarbe; // largest positive deviation
constexpr std::uint32_t kMinFarbe = records::kRingMinFarbe; // largest negative deviation
// The list of further deviations: the page sets its marks as PosMin1-5 and
// writes its text boxes in PosMaxFarbe, so both colours are one.
constexpr std::uint32_t kPosMaxFarbe = records::kRingListenFarbe;
constexpr std::uint32_t kPosMinFarbe = kPosMaxFarbe;

void badIncEntwurf(controls::MemoryPropertyBag& bag) {
    bag.set(QStringLiteral("Enabled"), true);
    bag.set(QStringLiteral("PosMaxFarbe"), QVariant::fromValue<qint32>(kPosMaxFarbe));
    bag.set(QStringLiteral("PosMinFarbe"), QVariant::fromValue<qint32>(kPosMinFarbe));
    bag.set(QStringLiteral("MaxFarbe"), QVariant::fromValue<qint32>(kMaxFarbe));
    bag.set(QStringLiteral("MinFarbe"), QVariant::fromValue<qint32>(kMinFarbe));
    bag.set(QStringLiteral("ImpulsZahl"), QVariant::fromValue<qint16>(1024));
}

constexpr qint16 kWertBreite = 900; // twips of the min/max displays' value box

void minMaxEntwurf(controls::MemoryPropertyBag& bag, const QFont& schrift) {
    // Deviations in percent: the scale runs from -50 to 50, good within ±10.
    bag.set(QStringLiteral("iMin"), -50.0f);
    bag.set(QStringLiteral("iOMin"), -10.0f);
    bag.set(QStringLiteral("iOMax"), 10.0f);
    bag.set(QStringLiteral("iMax"), 50.0f);
    bag.set(QStringLiteral("iValue"), 0.0f);
    bag.set(QStringLiteral("iTxtGroesse"), QVariant::fromValue<qint16>(kWertBreite));
    bag.set(QStringLiteral("Font"), schrift);
}

void tachoEntwurf(controls::MemoryPropertyBag& bag) {
    bag.set(QStringLiteral("MaxAnzahl"), QVariant::fromValue<qint16>(6000));
    bag.set(QStringLiteral("AktuellAnzahl"), QVariant::fromValue<qint16>(0));
    bag.set(QStringLiteral("BenutzerText"), QString());
}

} // namespace

QWidget* MainView::anzeigeAnlegen(const QString& progId, QWidget* parent, const QRect& rect,
                                  controls::MemoryPropertyBag& bag) {
    controls::HostedControl* c = controlHost_->create(progId, parent, &bag);
    if (!c) {
        fehlendeAnzeigen_ << progId + QStringLiteral(": ") + controlHost_->error();
        return nullptr;
    }
    c->setAmbientUserMode(true);
    QWidget* w = c->widget();
    w->setGeometry(rect);
    w->show();
    return w;
}

void MainView::anzeigenAnlegen() {
    const QString& ordner = controlOrdner_;
    controlHost_ = std::make_unique<controls::ControlHost>(controls::ControlRegistry::defaultPath(ordner));
    // A copy that may write beside itself keeps its registry up to date (it is
    // written only when an entry changes); an installed program reads the one
    // it was installed with. Either way a library the registry does not name
    // is found by its name in the folder.
    if (registrieren_)
        controlHost_->registerLibrariesIn(ordner);
    controlHost_->setLibraryFolder(ordner);

    auto neuerBag = [this] {
        anzeigenBags_.push_back(std::make_unique<controls::MemoryPropertyBag>());
        return anzeigenBags_.back().get();
    };

    controls::MemoryPropertyBag* bag = neuerBag();
    badIncEntwurf(*bag);
    ocxBadInc1 = anzeigeAnlegen(QStringLiteral("Brinda.ocxBadInc"), picGrafik[idx::picSchlechtimpulse],
                                anzeigeRect(QStringLiteral("ocxBadInc1")), *bag);
    if (ocxBadInc1)
        ocxBadInc1->setObjectName(QStringLiteral("ocxBadInc1"));

    const std::pair<QWidget**, const char*> minMax[] = {
        {&ocxSym0, "ocxSym0"}, {&ocxSym90, "ocxSym90"}, {&ocxPhl, "ocxPhl"}};
    for (const auto& [ziel, name] : minMax) {
        bag = neuerBag();
        minMaxEntwurf(*bag, fenster_.font());
        *ziel = anzeigeAnlegen(QStringLiteral("Valtrix.ocxMinMaxWert"), picGrafik[idx::picAktuell],
                               anzeigeRect(QString::fromLatin1(name)), *bag);
        if (*ziel) {
            (*ziel)->setObjectName(QString::fromLatin1(name));
            // Read while the control still had its first small size, the value
            // box width fell back to its minimum; now it has room.
            (*ziel)->setProperty("iTxtGroesse", QVariant::fromValue<qint16>(kWertBreite));
        }
    }

    bag = neuerBag();
    tachoEntwurf(*bag);
    ocxTacho = anzeigeAnlegen(QStringLiteral("Tacho.ocxTacho"), picGrafik[idx::picAktuell],
                              anzeigeRect(QStringLiteral("ocxTacho")), *bag);
    if (ocxTacho)
        ocxTacho->setObjectName(QStringLiteral("ocxTacho"));

    // The legend under the ring shows the marks' colours.
    setForeColor(labAlle[idx::labLegendePositiv], kMaxFarbe);
    setForeColor(labAlle[idx::labLegendeNegativ], kMinFarbe);
}

} // namespace kav::shell
