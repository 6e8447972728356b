// A minimal control library: one control "FakeGauge.ocxFake" with one stored
// property, exported through the same four entry points as the real ones.
#include <QWidget>

#include <atomic>

#include "control_library.h"
#include "control_registry.h"
#include "property_bag.h"

using namespace kav::controls;

namespace {

std::atomic<int> g_alive{0};

class ocxFake : public QWidget, public HostedControl {
    Q_OBJECT
    Q_PROPERTY(float Wert READ Wert WRITE setWert NOTIFY WertChanged)
    Q_PROPERTY(bool UserMode READ ambientUserMode)
    Q_PROPERTY(QString Started READ started)

public:
    explicit ocxFake(QWidget* parent) : QWidget(parent) { ++g_alive; }
    ~ocxFake() override { --g_alive; }

    QWidget* widget() override { return this; }
    void InitProperties() override {
        started_ = QStringLiteral("init");
        wert_ = 7.5f;
    }
    void ReadProperties(PropertyBag& bag) override {
        started_ = QStringLiteral("read");
        wert_ = bag.readProperty(QStringLiteral("Wert"), 7.5f).toFloat();
    }
    void WriteProperties(PropertyBag& bag) override { bag.writeProperty(QStringLiteral("Wert"), wert_, 7.5f); }
    void setAmbientUserMode(bool userMode) override { userMode_ = userMode; }
    bool ambientUserMode() const override { return userMode_; }

    float Wert() const { return wert_; }
    void setWert(float v) {
        wert_ = v;
        emit WertChanged();
    }
    QString started() const { return started_; }

signals:
    void WertChanged();

private:
    float wert_ = 0;
    bool userMode_ = false;
    QString started_;
};

class FakeFactory final : public ControlFactory {
public:
    QString progId() const override { return QStringLiteral("FakeGauge.ocxFake"); }
    HostedControl* createInstance(QWidget* parent) override { return new ocxFake(parent); }
};

FakeFactory g_factory;

} // namespace

extern "C" {

KAV_CONTROL_EXPORT HResult DllRegisterServer() {
    return registerLibrary(g_factory.progId(), reinterpret_cast<const void*>(&DllRegisterServer)) ? kS_OK
                                                                                                  : kSELFREG_E_CLASS;
}

KAV_CONTROL_EXPORT HResult DllUnregisterServer() {
    return unregisterLibrary(g_factory.progId(), reinterpret_cast<const void*>(&DllUnregisterServer))
               ? kS_OK
               : kSELFREG_E_CLASS;
}

KAV_CONTROL_EXPORT HResult DllGetClassObject(const char* progId, ControlFactory** factory) {
    if (factory == nullptr)
        return kE_FAIL;
    *factory = nullptr;
    if (progId == nullptr || QString::fromUtf8(progId) != g_factory.progId())
        return kCLASS_E_CLASSNOTAVAILABLE;
    *factory = &g_factory;
    return kS_OK;
}

KAV_CONTROL_EXPORT HResult DllCanUnloadNow() { return g_alive.load() == 0 ? kS_OK : kS_FALSE; }

} // extern "C"

#include "fake_control_library.moc"
