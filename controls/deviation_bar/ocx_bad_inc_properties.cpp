// Lifecycle of the control's properties: a new instance, and the round trip
// through the host's property store.
#include "ocx_bad_inc.h"

#include <limits>
#include <variant>

#include "property_bag.h"

namespace kav::controls {

using namespace deviation_bar;

struct ocxBadInc::PersistedField {
    QString name;
    std::variant<bool*, qint16*, qint32*> field;
    QVariant defaultValue;
};

namespace {

const QVariant kZero = QVariant::fromValue<qint16>(0);

// Stored values that do not fit the property fall back to its default
// rather than wrapping around.
qint16 toInt16(const QVariant& v, const QVariant& fallback) {
    bool ok = false;
    const qlonglong x = v.toLongLong(&ok);
    if (!ok || x < std::numeric_limits<qint16>::min() || x > std::numeric_limits<qint16>::max())
        return static_cast<qint16>(fallback.toInt());
    return static_cast<qint16>(x);
}

// Colours may come back as signed or unsigned 32-bit numbers (system colours
// have the top bit set).
qint32 toColour(const QVariant& v, const QVariant& fallback) {
    bool ok = false;
    const qlonglong x = v.toLongLong(&ok);
    if (!ok || x < std::numeric_limits<qint32>::min() || x > std::numeric_limits<quint32>::max())
        return fallback.toInt();
    return static_cast<qint32>(static_cast<quint32>(x));
}

} // namespace

std::vector<ocxBadInc::PersistedField> ocxBadInc::persistedFields() {
    std::vector<PersistedField> f;
    const QVariant yes(true);
    f.push_back({QStringLiteral("Enabled"), &enabled_, QVariant(false)});
    for (int i = 0; i < 5; ++i)
        f.push_back({QStringLiteral("PosMax%1").arg(i + 1), &marks_[kFirstPositiveMark + i].position, kZero});
    for (int i = 0; i < 5; ++i)
        f.push_back({QStringLiteral("PosMin%1").arg(i + 1), &marks_[kFirstNegativeMark + i].position, kZero});
    f.push_back({QStringLiteral("PosMin"), &marks_[kMinMark].position, kZero});
    f.push_back({QStringLiteral("PosMax"), &marks_[kMaxMark].position, kZero});
    f.push_back({QStringLiteral("Max"), &marks_[kMaxMark].value, kZero});
    for (int i = 0; i < 5; ++i)
        f.push_back({QStringLiteral("Max%1").arg(i + 1), &marks_[kFirstPositiveMark + i].value, kZero});
    f.push_back({QStringLiteral("Min"), &marks_[kMinMark].value, kZero});
    for (int i = 0; i < 5; ++i)
        f.push_back({QStringLiteral("Min%1").arg(i + 1), &marks_[kFirstNegativeMark + i].value, kZero});
    f.push_back({QStringLiteral("PosMaxFarbe"), &posMaxFarbe_, kZero});
    f.push_back({QStringLiteral("PosMinFarbe"), &posMinFarbe_, kZero});
    f.push_back({QStringLiteral("MaxFarbe"), &maxFarbe_, kZero});
    f.push_back({QStringLiteral("MinFarbe"), &minFarbe_, kZero});
    f.push_back({QStringLiteral("PosMaxZeigen"), &marks_[kMaxMark].showLabels, yes});
    for (int i = 0; i < 5; ++i)
        f.push_back({QStringLiteral("PosMax%1Zeigen").arg(i + 1), &marks_[kFirstPositiveMark + i].showLabels, yes});
    f.push_back({QStringLiteral("PosMinZeigen"), &marks_[kMinMark].showLabels, yes});
    for (int i = 0; i < 5; ++i)
        f.push_back({QStringLiteral("PosMin%1Zeigen").arg(i + 1), &marks_[kFirstNegativeMark + i].showLabels, yes});
    f.push_back({QStringLiteral("ImpulsZahl"), &impulsZahl_, QVariant::fromValue<qint16>(1024)});
    return f;
}

void ocxBadInc::applyDefaults() {
    enabled_ = true;
    impulsZahl_ = 1024;
    posMaxFarbe_ = posMinFarbe_ = maxFarbe_ = minFarbe_ = 0;
    for (MarkInput& m : marks_)
        m = MarkInput{};
}

void ocxBadInc::InitProperties() {
    applyDefaults();
    QWidget::setEnabled(enabled_);
    redraw();
    emit InitProperties(QPrivateSignal());
}

void ocxBadInc::ReadProperties(PropertyBag& bag) {
    for (const PersistedField& f : persistedFields()) {
        const QVariant v = bag.readProperty(f.name, f.defaultValue);
        if (auto b = std::get_if<bool*>(&f.field))
            **b = v.isValid() ? v.toBool() : f.defaultValue.toBool();
        else if (auto i = std::get_if<qint16*>(&f.field))
            **i = toInt16(v, f.defaultValue);
        else if (auto c = std::get_if<qint32*>(&f.field))
            **c = toColour(v, f.defaultValue);
    }
    QWidget::setEnabled(enabled_);
    redraw();
}

void ocxBadInc::WriteProperties(PropertyBag& bag) {
    for (const PersistedField& f : persistedFields()) {
        if (auto b = std::get_if<bool*>(&f.field))
            bag.writeProperty(f.name, QVariant(**b), f.defaultValue);
        else if (auto i = std::get_if<qint16*>(&f.field))
            bag.writeProperty(f.name, QVariant::fromValue<qint16>(**i), f.defaultValue);
        else if (auto c = std::get_if<qint32*>(&f.field))
            bag.writeProperty(f.name, QVariant::fromValue<qint32>(**c), f.defaultValue);
    }
}

} // namespace kav::controls
