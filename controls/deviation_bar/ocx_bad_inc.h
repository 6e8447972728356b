#pragma once
// ocxBadInc: one revolution of the encoder as a ring, with a pointer, two
// wings, the position and the deviation in percent for each marked bad
// pulse. Everything is driven by its properties; it takes no input.
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

#include "deviation_bar_geometry.h"
#include "hosted_control.h"

namespace kav::controls {

class ocxBadInc : public QWidget, public HostedControl {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(qint16 PosMax1 READ PosMax1 WRITE setPosMax1 NOTIFY PosMax1Changed)
    Q_PROPERTY(qint16 PosMax2 READ PosMax2 WRITE setPosMax2 NOTIFY PosMax2Changed)
    Q_PROPERTY(qint16 PosMax3 READ PosMax3 WRITE setPosMax3 NOTIFY PosMax3Changed)
    Q_PROPERTY(qint16 PosMax4 READ PosMax4 WRITE setPosMax4 NOTIFY PosMax4Changed)
    Q_PROPERTY(qint16 PosMax5 READ PosMax5 WRITE setPosMax5 NOTIFY PosMax5Changed)
    Q_PROPERTY(qint16 PosMin1 READ PosMin1 WRITE setPosMin1 NOTIFY PosMin1Changed)
    Q_PROPERTY(qint16 PosMin2 READ PosMin2 WRITE setPosMin2 NOTIFY PosMin2Changed)
    Q_PROPERTY(qint16 PosMin3 READ PosMin3 WRITE setPosMin3 NOTIFY PosMin3Changed)
    Q_PROPERTY(qint16 PosMin4 READ PosMin4 WRITE setPosMin4 NOTIFY PosMin4Changed)
    Q_PROPERTY(qint16 PosMin5 READ PosMin5 WRITE setPosMin5 NOTIFY PosMin5Changed)
    Q_PROPERTY(qint16 PosMin READ PosMin WRITE setPosMin NOTIFY PosMinChanged)
    Q_PROPERTY(qint16 PosMax READ PosMax WRITE setPosMax NOTIFY PosMaxChanged)
    Q_PROPERTY(qint16 Max READ Max WRITE setMax NOTIFY MaxChanged)
    Q_PROPERTY(qint16 Max1 READ Max1 WRITE setMax1 NOTIFY Max1Changed)
    Q_PROPERTY(qint16 Max2 READ Max2 WRITE setMax2 NOTIFY Max2Changed)
    Q_PROPERTY(qint16 Max3 READ Max3 WRITE setMax3 NOTIFY Max3Changed)
    Q_PROPERTY(qint16 Max4 READ Max4 WRITE setMax4 NOTIFY Max4Changed)
    Q_PROPERTY(qint16 Max5 READ Max5 WRITE setMax5 NOTIFY Max5Changed)
    Q_PROPERTY(qint16 Min READ Min WRITE setMin NOTIFY MinChanged)
    Q_PROPERTY(qint16 Min1 READ Min1 WRITE setMin1 NOTIFY Min1Changed)
    Q_PROPERTY(qint16 Min2 READ Min2 WRITE setMin2 NOTIFY Min2Changed)
    Q_PROPERTY(qint16 Min3 READ Min3 WRITE setMin3 NOTIFY Min3Changed)
    Q_PROPERTY(qint16 Min4 READ Min4 WRITE setMin4 NOTIFY Min4Changed)
    Q_PROPERTY(qint16 Min5 READ Min5 WRITE setMin5 NOTIFY Min5Changed)
    Q_PROPERTY(qint32 PosMaxFarbe READ PosMaxFarbe WRITE setPosMaxFarbe NOTIFY PosMaxFarbeChanged)
    Q_PROPERTY(qint32 PosMinFarbe READ PosMinFarbe WRITE setPosMinFarbe NOTIFY PosMinFarbeChanged)
    Q_PROPERTY(qint32 MaxFarbe READ MaxFarbe WRITE setMaxFarbe NOTIFY MaxFarbeChanged)
    Q_PROPERTY(qint32 MinFarbe READ MinFarbe WRITE setMinFarbe NOTIFY MinFarbeChanged)
    Q_PROPERTY(bool PosMaxZeigen READ PosMaxZeigen WRITE setPosMaxZeigen NOTIFY PosMaxZeigenChanged)
    Q_PROPERTY(bool PosMax1Zeigen READ PosMax1Zeigen WRITE setPosMax1Zeigen NOTIFY PosMax1ZeigenChanged)
    Q_PROPERTY(bool PosMax2Zeigen READ PosMax2Zeigen WRITE setPosMax2Zeigen NOTIFY PosMax2ZeigenChanged)
    Q_PROPERTY(bool PosMax3Zeigen READ PosMax3Zeigen WRITE setPosMax3Zeigen NOTIFY PosMax3ZeigenChanged)
    Q_PROPERTY(bool PosMax4Zeigen READ PosMax4Zeigen WRITE setPosMax4Zeigen NOTIFY PosMax4ZeigenChanged)
    Q_PROPERTY(bool PosMax5Zeigen READ PosMax5Zeigen WRITE setPosMax5Zeigen NOTIFY PosMax5ZeigenChanged)
    Q_PROPERTY(bool PosMinZeigen READ PosMinZeigen WRITE setPosMinZeigen NOTIFY PosMinZeigenChanged)
    Q_PROPERTY(bool PosMin1Zeigen READ PosMin1Zeigen WRITE setPosMin1Zeigen NOTIFY PosMin1ZeigenChanged)
    Q_PROPERTY(bool PosMin2Zeigen READ PosMin2Zeigen WRITE setPosMin2Zeigen NOTIFY PosMin2ZeigenChanged)
    Q_PROPERTY(bool PosMin3Zeigen READ PosMin3Zeigen WRITE setPosMin3Zeigen NOTIFY PosMin3ZeigenChanged)
    Q_PROPERTY(bool PosMin4Zeigen READ PosMin4Zeigen WRITE setPosMin4Zeigen NOTIFY PosMin4ZeigenChanged)
    Q_PROPERTY(bool PosMin5Zeigen READ PosMin5Zeigen WRITE setPosMin5Zeigen NOTIFY PosMin5ZeigenChanged)
    Q_PROPERTY(qint16 ImpulsZahl READ ImpulsZahl WRITE setImpulsZahl NOTIFY ImpulsZahlChanged)

public:
    explicit ocxBadInc(QWidget* parent = nullptr);
    ~ocxBadInc() override;

    // Instances alive in this library, for DllCanUnloadNow.
    static int liveInstances();

    bool Enabled() const { return enabled_; }
    qint16 PosMax1() const { return marks_[0].position; }
    qint16 PosMax2() const { return marks_[1].position; }
    qint16 PosMax3() const { return marks_[2].position; }
    qint16 PosMax4() const { return marks_[3].position; }
    qint16 PosMax5() const { return marks_[4].position; }
    qint16 PosMin1() const { return marks_[5].position; }
    qint16 PosMin2() const { return marks_[6].position; }
    qint16 PosMin3() const { return marks_[7].position; }
    qint16 PosMin4() const { return marks_[8].position; }
    qint16 PosMin5() const { return marks_[9].position; }
    qint16 PosMin() const { return marks_[kMinMark].position; }
    qint16 PosMax() const { return marks_[kMaxMark].position; }
    qint16 Max() const { return marks_[kMaxMark].value; }
    qint16 Max1() const { return marks_[0].value; }
    qint16 Max2() const { return marks_[1].value; }
    qint16 Max3() const { return marks_[2].value; }
    qint16 Max4() const { return marks_[3].value; }
    qint16 Max5() const { return marks_[4].value; }
    qint16 Min() const { return marks_[kMinMark].value; }
    qint16 Min1() const { return marks_[5].value; }
    qint16 Min2() const { return marks_[6].value; }
    qint16 Min3() const { return marks_[7].value; }
    qint16 Min4() const { return marks_[8].value; }
    qint16 Min5() const { return marks_[9].value; }
    qint32 PosMaxFarbe() const { return posMaxFarbe_; }
    qint32 PosMinFarbe() const { return posMinFarbe_; }
    qint32 MaxFarbe() const { return maxFarbe_; }
    qint32 MinFarbe() const { return minFarbe_; }
    bool PosMaxZeigen() const { return marks_[kMaxMark].showLabels; }
    bool PosMax1Zeigen() const { return marks_[0].showLabels; }
    bool PosMax2Zeigen() const { return marks_[1].showLabels; }
    bool PosMax3Zeigen() const { return marks_[2].showLabels; }
    bool PosMax4Zeigen() const { return marks_[3].showLabels; }
    bool PosMax5Zeigen() const { return marks_[4].showLabels; }
    bool PosMinZeigen() const { return marks_[kMinMark].showLabels; }
    bool PosMin1Zeigen() const { return marks_[5].showLabels; }
    bool PosMin2Zeigen() const { return marks_[6].showLabels; }
    bool PosMin3Zeigen() const { return marks_[7].showLabels; }
    bool PosMin4Zeigen() const { return marks_[8].showLabels; }
    bool PosMin5Zeigen() const { return marks_[9].showLabels; }
    qint16 ImpulsZahl() const { return impulsZahl_; }

    void setEnabledProperty(bool value);
    void setPosMax1(qint16 value);
    void setPosMax2(qint16 value);
    void setPosMax3(qint16 value);
    void setPosMax4(qint16 value);
    void setPosMax5(qint16 value);
    void setPosMin1(qint16 value);
    void setPosMin2(qint16 value);
    void setPosMin3(qint16 value);
    void setPosMin4(qint16 value);
    void setPosMin5(qint16 value);
    void setPosMin(qint16 value);
    void setPosMax(qint16 value);
    void setMax(qint16 value);
    void setMax1(qint16 value);
    void setMax2(qint16 value);
    void setMax3(qint16 value);
    void setMax4(qint16 value);
    void setMax5(qint16 value);
    void setMin(qint16 value);
    void setMin1(qint16 value);
    void setMin2(qint16 value);
    void setMin3(qint16 value);
    void setMin4(qint16 value);
    void setMin5(qint16 value);
    void setPosMaxFarbe(qint32 value);
    void setPosMinFarbe(qint32 value);
    void setMaxFarbe(qint32 value);
    void setMinFarbe(qint32 value);
    void setPosMaxZeigen(bool value);
    void setPosMax1Zeigen(bool value);
    void setPosMax2Zeigen(bool value);
    void setPosMax3Zeigen(bool value);
    void setPosMax4Zeigen(bool value);
    void setPosMax5Zeigen(bool value);
    void setPosMinZeigen(bool value);
    void setPosMin1Zeigen(bool value);
    void setPosMin2Zeigen(bool value);
    void setPosMin3Zeigen(bool value);
    void setPosMin4Zeigen(bool value);
    void setPosMin5Zeigen(bool value);
    void setImpulsZahl(qint16 value);

    // HostedControl
    QWidget* widget() override { return this; }
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void setAmbientUserMode(bool userMode) override { ambientUserMode_ = userMode; }
    bool ambientUserMode() const override { return ambientUserMode_; }

    // The drawn elements as the last redraw left them, in twips.
    const deviation_bar::Layout& elements() const { return layout_; }
    // What the layout is computed from.
    deviation_bar::BarInput layoutInput() const;
    // The control's text measurement in twips (its current font).
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

signals:
    // Events. InitProperties shares its name with the lifecycle call above,
    // hence the private tag; its signature in the meta-object is InitProperties().
    void InitProperties(QPrivateSignal);
    void Show();
    void Resize();
    // A property was assigned: the host persists on this.
    void propertyChanged(const QString& name);

    void EnabledChanged();
    void PosMax1Changed();
    void PosMax2Changed();
    void PosMax3Changed();
    void PosMax4Changed();
    void PosMax5Changed();
    void PosMin1Changed();
    void PosMin2Changed();
    void PosMin3Changed();
    void PosMin4Changed();
    void PosMin5Changed();
    void PosMinChanged();
    void PosMaxChanged();
    void MaxChanged();
    void Max1Changed();
    void Max2Changed();
    void Max3Changed();
    void Max4Changed();
    void Max5Changed();
    void MinChanged();
    void Min1Changed();
    void Min2Changed();
    void Min3Changed();
    void Min4Changed();
    void Min5Changed();
    void PosMaxFarbeChanged();
    void PosMinFarbeChanged();
    void MaxFarbeChanged();
    void MinFarbeChanged();
    void PosMaxZeigenChanged();
    void PosMax1ZeigenChanged();
    void PosMax2ZeigenChanged();
    void PosMax3ZeigenChanged();
    void PosMax4ZeigenChanged();
    void PosMax5ZeigenChanged();
    void PosMinZeigenChanged();
    void PosMin1ZeigenChanged();
    void PosMin2ZeigenChanged();
    void PosMin3ZeigenChanged();
    void PosMin4ZeigenChanged();
    void PosMin5ZeigenChanged();
    void ImpulsZahlChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct PersistedField;
    // Every property in the order the property store keeps them.
    std::vector<PersistedField> persistedFields();
    void redraw();
    void applyDefaults();
    template <typename T>
    void assign(T& field, T value, void (ocxBadInc::*notify)(), const char* name);

    bool enabled_ = true;
    qint16 impulsZahl_ = 1024;
    qint32 posMaxFarbe_ = 0;
    qint32 posMinFarbe_ = 0;
    qint32 maxFarbe_ = 0;
    qint32 minFarbe_ = 0;
    // Position, value and label flag of each mark; the colour comes from the
    // four colour properties.
    std::array<deviation_bar::MarkInput, deviation_bar::kMarkCount> marks_{};
    deviation_bar::Layout layout_;
    bool ambientUserMode_ = true;

    static constexpr int kMaxMark = deviation_bar::kMaxMark;
    static constexpr int kMinMark = deviation_bar::kMinMark;
};

} // namespace kav::controls
