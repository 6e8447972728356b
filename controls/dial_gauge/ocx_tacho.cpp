#include "ocx_tacho.h"

#include <QPaintEvent>
#include <QPainter>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <limits>

#include "dial_gauge_painting.h"
#include "ole_color.h"
#include "property_bag.h"

namespace kav::controls {

namespace {

std::atomic<int> g_liveInstances{0};

// Colours are stored as 32-bit values; system colours (0x80000000 | index)
// may come back from a store as large unsigned numbers.
qint32 colourFromVariant(const QVariant& value, qint32 fallback) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok ? static_cast<qint32>(static_cast<quint32>(number)) : fallback;
}

qint16 int16FromVariant(const QVariant& value, qint16 fallback) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok)
        return fallback;
    return static_cast<qint16>(
        std::clamp<qlonglong>(number, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

} // namespace

ocxTacho::ocxTacho(QWidget* parent) : QWidget(parent) {
    ++g_liveInstances;
    m_SkalaNeu = true;
    m_MaxErreicht = 0;
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ocxTacho::~ocxTacho() { --g_liveInstances; }

int ocxTacho::liveInstances() { return g_liveInstances.load(); }

void ocxTacho::markChanged(const char* name) { emit propertyChanged(QString::fromLatin1(name)); }

void ocxTacho::setAusenFarbe(qint32 value) {
    if (value == m_AusenFarbe)
        return;
    m_AusenFarbe = value;
    SkalaZeichnen();
    ZeigerZeichnen();
    emit AusenFarbeChanged(value);
    markChanged("AusenFarbe");
}

void ocxTacho::setAusenBuchstabenFarbe(qint32 value) {
    if (value == m_AusenBuchstabenFarbe)
        return;
    m_AusenBuchstabenFarbe = value;
    SkalaZeichnen();
    ZeigerZeichnen();
    emit AusenBuchstabenFarbeChanged(value);
    markChanged("AusenBuchstabenFarbe");
}

void ocxTacho::setAktuellAnzahl(qint16 value) {
    // Above full scale: ignored without error. Negative values are shown
    // below the zero mark (the window uses -1 for a speed out of range).
    if (value > m_MaxAnzahl || value == m_AktuellAnzahl)
        return;
    m_AktuellAnzahl = value;
    ZeigerZeichnen();
    emit AktuellAnzahlChanged(value);
    markChanged("AktuellAnzahl");
}

void ocxTacho::setAktuellAnzahlFarbe(qint32 value) {
    if (value == m_AktuellAnzahlFarbe)
        return;
    m_AktuellAnzahlFarbe = value;
    ZeigerZeichnen();
    emit AktuellAnzahlFarbeChanged(value);
    markChanged("AktuellAnzahlFarbe");
}

void ocxTacho::setMaxAnzahl(qint16 value) {
    if (value < 1 || value > tacho::kLargestMax)
        return;
    // Every accepted write, also of the same value, restarts the drag mark.
    const bool changed = value != m_MaxAnzahl;
    m_MaxAnzahl = value;
    if (m_AktuellAnzahl > m_MaxAnzahl)
        setAktuellAnzahl(m_MaxAnzahl);
    m_MaxErreicht = 0;
    SkalaZeichnen();
    ZeigerZeichnen();
    if (changed)
        emit MaxAnzahlChanged(value);
    markChanged("MaxAnzahl");
}

void ocxTacho::setAktMaxAnzahlFarbe(qint32 value) {
    if (value == m_AktMaxAnzahlFarbe)
        return;
    m_AktMaxAnzahlFarbe = value;
    ZeigerZeichnen();
    emit AktMaxAnzahlFarbeChanged(value);
    markChanged("AktMaxAnzahlFarbe");
}

void ocxTacho::setBenutzerText(const QString& value) {
    if (value == m_BenutzerText)
        return;
    m_BenutzerText = value;
    ZeigerZeichnen();
    emit BenutzerTextChanged(value);
    markChanged("BenutzerText");
}

void ocxTacho::storeAll(const Stored& v) {
    // Property reads store what the bag holds; the change signals keep Qt
    // bindings informed, the host is not asked to persist anything.
    auto store = [](auto& member, const auto& value, auto signal) {
        if (member == value)
            return;
        member = value;
        signal(value);
    };
    store(m_AusenFarbe, v.ausenFarbe, [this](qint32 x) { emit AusenFarbeChanged(x); });
    store(m_AusenBuchstabenFarbe, v.ausenBuchstabenFarbe, [this](qint32 x) { emit AusenBuchstabenFarbeChanged(x); });
    store(m_AktuellAnzahl, v.aktuellAnzahl, [this](qint16 x) { emit AktuellAnzahlChanged(x); });
    store(m_AktuellAnzahlFarbe, v.aktuellAnzahlFarbe, [this](qint32 x) { emit AktuellAnzahlFarbeChanged(x); });
    store(m_MaxAnzahl, v.maxAnzahl, [this](qint16 x) { emit MaxAnzahlChanged(x); });
    store(m_AktMaxAnzahlFarbe, v.aktMaxAnzahlFarbe, [this](qint32 x) { emit AktMaxAnzahlFarbeChanged(x); });
    store(m_BenutzerText, v.benutzerText, [this](const QString& x) { emit BenutzerTextChanged(x); });
}

void ocxTacho::InitProperties() {
    storeAll({kDefaultAusenFarbe, kDefaultAusenBuchstabenFarbe, kDefaultAktuellAnzahl, kDefaultAktuellAnzahlFarbe,
              kDefaultMaxAnzahl, kDefaultAktMaxAnzahlFarbe, QString()});
    onShow();
    emit InitProperties(QPrivateSignal());
    if (!m_BenutzerText.isEmpty()) {
        m_BenutzerText.clear();
        emit BenutzerTextChanged(m_BenutzerText);
    }
}

void ocxTacho::ReadProperties(PropertyBag& bag) {
    Stored v;
    v.ausenFarbe = colourFromVariant(bag.readProperty("AusenFarbe", kDefaultAusenFarbe), kDefaultAusenFarbe);
    v.ausenBuchstabenFarbe = colourFromVariant(bag.readProperty("AusenBuchstabenFarbe", kDefaultAusenBuchstabenFarbe),
                                               kDefaultAusenBuchstabenFarbe);
    v.aktuellAnzahl = int16FromVariant(bag.readProperty("AktuellAnzahl", QVariant::fromValue(kDefaultAktuellAnzahl)),
                                       kDefaultAktuellAnzahl);
    v.aktuellAnzahlFarbe = colourFromVariant(bag.readProperty("AktuellAnzahlFarbe", kDefaultAktuellAnzahlFarbe),
                                             kDefaultAktuellAnzahlFarbe);
    v.maxAnzahl =
        int16FromVariant(bag.readProperty("MaxAnzahl", QVariant::fromValue(kDefaultMaxAnzahl)), kDefaultMaxAnzahl);
    v.aktMaxAnzahlFarbe =
        colourFromVariant(bag.readProperty("AktMaxAnzahlFarbe", kDefaultAktMaxAnzahlFarbe), kDefaultAktMaxAnzahlFarbe);
    v.benutzerText = bag.readProperty("BenutzerText", QString()).toString();
    // Values are kept as stored, except a full scale below 1, which would
    // leave the pointer angle undefined.
    v.maxAnzahl = static_cast<qint16>(tacho::usableMax(v.maxAnzahl));
    storeAll(v);

    // Normally the bag is read before the first showing; read later, the
    // box must show the new values at once.
    if (!m_SkalaNeu) {
        SkalaZeichnen();
        ZeigerZeichnen();
    }
}

void ocxTacho::WriteProperties(PropertyBag& bag) {
    bag.writeProperty("AusenFarbe", m_AusenFarbe, kDefaultAusenFarbe);
    bag.writeProperty("AusenBuchstabenFarbe", m_AusenBuchstabenFarbe, kDefaultAusenBuchstabenFarbe);
    bag.writeProperty("AktuellAnzahl", QVariant::fromValue(m_AktuellAnzahl),
                      QVariant::fromValue(kDefaultAktuellAnzahl));
    bag.writeProperty("AktuellAnzahlFarbe", m_AktuellAnzahlFarbe, kDefaultAktuellAnzahlFarbe);
    bag.writeProperty("MaxAnzahl", QVariant::fromValue(m_MaxAnzahl), QVariant::fromValue(kDefaultMaxAnzahl));
    bag.writeProperty("AktMaxAnzahlFarbe", m_AktMaxAnzahlFarbe, kDefaultAktMaxAnzahlFarbe);
    bag.writeProperty("BenutzerText", m_BenutzerText, QString());
}

void ocxTacho::onShow() {
    if (m_SkalaNeu) {
        SkalaZeichnen();
        m_SkalaNeu = false;
    }
    ZeigerZeichnen();
    emit Show();
}

void ocxTacho::onResize() {
    SkalaZeichnen();
    ZeigerZeichnen();
    emit Resize();
}

void ocxTacho::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    onShow();
}

void ocxTacho::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    onResize();
}

void ocxTacho::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(kBoxBackColour, palette()));
    painter.drawImage(QPointF(0, 0), m_box);
}

void ocxTacho::SkalaZeichnen() {
    using namespace tacho;
    m_scale = scaleLayout(widthTwips(), heightTwips(), m_MaxAnzahl, fontTextMeasure());
    // Remove the background picture and clear the box, draw, then keep the
    // drawing as the new background picture.
    m_scaleImage = QImage();
    m_box = clearedBox(size(), devicePixelRatioF(), toQColor(kBoxBackColour, palette()));
    paintScale(m_box, m_scale, {toQColor(m_AusenFarbe, palette()), toQColor(m_AusenBuchstabenFarbe, palette())});
    m_scaleImage = m_box;
    ++m_scaleDraws;
    update();
}

void ocxTacho::ZeigerZeichnen() {
    using namespace tacho;
    // Clearing the box restores its background picture, the scale.
    m_box = clearedBox(size(), devicePixelRatioF(), toQColor(kBoxBackColour, palette()));
    if (!m_scaleImage.isNull()) {
        QPainter painter(&m_box);
        painter.drawImage(QPointF(0, 0), m_scaleImage);
    }
    m_MaxErreicht = nextMaxReached(m_MaxErreicht, m_AktuellAnzahl);
    m_pointer = pointerLayout(widthTwips(), heightTwips(), m_AktuellAnzahl, m_MaxAnzahl, m_MaxErreicht, m_BenutzerText,
                              fontTextMeasure());
    paintPointerLayer(m_box, m_pointer,
                      {toQColor(m_AktuellAnzahlFarbe, palette()), toQColor(m_AktMaxAnzahlFarbe, palette()),
                       toQColor(m_AusenFarbe, palette())});
    ++m_pointerDraws;
    update();
}

} // namespace kav::controls
