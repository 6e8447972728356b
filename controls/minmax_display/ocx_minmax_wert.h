#pragma once
// ocxMinMaxWert: one value on a horizontal scale from iMin to iMax, with a
// good range, a zero line, arrows for values off the scale and the value in a
// box that turns to a warning colour outside the good range.
#include <QFont>
#include <QWidget>

#include "hosted_control.h"
#include "minmax_geometry.h"
#include "minmax_paint.h"

class ocxMinMaxWert : public QWidget, public kav::controls::HostedControl {
    Q_OBJECT
    // In the order they are stored.
    Q_PROPERTY(float iMin READ iMin WRITE setIMin NOTIFY iMinChanged)
    Q_PROPERTY(float iOMin READ iOMin WRITE setIOMin NOTIFY iOMinChanged)
    Q_PROPERTY(float iOMax READ iOMax WRITE setIOMax NOTIFY iOMaxChanged)
    Q_PROPERTY(float iValue READ iValue WRITE setIValue NOTIFY iValueChanged)
    // Taken from the stored properties only: no WRITE; see setMinHeight() & co.
    Q_PROPERTY(qint16 MinHeight READ MinHeight NOTIFY MinHeightChanged)
    Q_PROPERTY(qint16 MinWidth READ MinWidth NOTIFY MinWidthChanged)
    Q_PROPERTY(qint16 iTxtGroesse READ iTxtGroesse WRITE setITxtGroesse NOTIFY iTxtGroesseChanged)
    Q_PROPERTY(qint16 MinTxtGroesse READ MinTxtGroesse NOTIFY MinTxtGroesseChanged)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty NOTIFY FontChanged)
    Q_PROPERTY(qint16 WertStyle READ WertStyle WRITE setWertStyle NOTIFY WertStyleChanged)
    Q_PROPERTY(qint16 WertBorder READ WertBorder WRITE setWertBorder NOTIFY WertBorderChanged)
    Q_PROPERTY(qint32 PfeileColor READ PfeileColor WRITE setPfeileColor NOTIFY PfeileColorChanged)
    Q_PROPERTY(qint16 PfeileWidth READ PfeileWidth WRITE setPfeileWidth NOTIFY PfeileWidthChanged)
    Q_PROPERTY(qint32 WertGrColor READ WertGrColor WRITE setWertGrColor NOTIFY WertGrColorChanged)
    Q_PROPERTY(qint16 WertGrWidth READ WertGrWidth WRITE setWertGrWidth NOTIFY WertGrWidthChanged)
    Q_PROPERTY(qint32 ZeroColor READ ZeroColor WRITE setZeroColor NOTIFY ZeroColorChanged)
    Q_PROPERTY(qint16 ZeroWidth READ ZeroWidth WRITE setZeroWidth NOTIFY ZeroWidthChanged)
    Q_PROPERTY(qint32 Hint_BackColor READ Hint_BackColor WRITE setHint_BackColor NOTIFY Hint_BackColorChanged)
    Q_PROPERTY(qint32 Hint_BorderColor READ Hint_BorderColor WRITE setHint_BorderColor NOTIFY Hint_BorderColorChanged)
    Q_PROPERTY(qint32 Hint_FillColor READ Hint_FillColor WRITE setHint_FillColor NOTIFY Hint_FillColorChanged)
    Q_PROPERTY(qint16 Hint_BackStyle READ Hint_BackStyle WRITE setHint_BackStyle NOTIFY Hint_BackStyleChanged)
    Q_PROPERTY(qint16 Hint_FillStyle READ Hint_FillStyle WRITE setHint_FillStyle NOTIFY Hint_FillStyleChanged)
    Q_PROPERTY(qint32 GBer_BackColor READ GBer_BackColor WRITE setGBer_BackColor NOTIFY GBer_BackColorChanged)
    Q_PROPERTY(qint32 GBer_BorderColor READ GBer_BorderColor WRITE setGBer_BorderColor NOTIFY GBer_BorderColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(bool WertVisible READ WertVisible WRITE setWertVisible NOTIFY WertVisibleChanged)
    Q_PROPERTY(qint16 WertGrafikAbst READ WertGrafikAbst NOTIFY WertGrafikAbstChanged)
    Q_PROPERTY(bool UfZeigen READ UfZeigen WRITE setUfZeigen NOTIFY UfZeigenChanged)
    Q_PROPERTY(float iMax READ iMax WRITE setIMax NOTIFY iMaxChanged)
    Q_PROPERTY(qint32 UfFarbe READ UfFarbe WRITE setUfFarbe NOTIFY UfFarbeChanged)
    Q_PROPERTY(qint32 WertColor READ WertColor WRITE setWertColor NOTIFY WertColorChanged)
    Q_PROPERTY(qint32 FontColor READ FontColor WRITE setFontColor NOTIFY FontColorChanged)

public:
    explicit ocxMinMaxWert(QWidget* parent = nullptr);
    ~ocxMinMaxWert() override;

    static int liveInstances();

    // HostedControl
    QWidget* widget() override { return this; }
    void InitProperties() override;
    void ReadProperties(kav::controls::PropertyBag& bag) override;
    void WriteProperties(kav::controls::PropertyBag& bag) override;
    void setAmbientUserMode(bool userMode) override { userMode_ = userMode; }
    bool ambientUserMode() const override { return userMode_; }

    // What the last redraw placed, and how the parts look.
    const kav::controls::minmax::Layout& layout() const { return layout_; }
    const kav::controls::minmax::Style& style() const { return style_; }

    // Does nothing: every change redraws at once.
    Q_INVOKABLE void Refresh() {}

    // The stored-only properties refuse every assignment: the result is the
    // error number (387 at design time, 382 at run time), also sent by error().
    Q_INVOKABLE int setMinHeight(qint16 value);
    Q_INVOKABLE int setMinWidth(qint16 value);
    Q_INVOKABLE int setMinTxtGroesse(qint16 value);
    Q_INVOKABLE int setWertGrafikAbst(qint16 value);
    Q_INVOKABLE int lastError() const { return lastError_; }

    float iMin() const { return iMin_; }
    float iOMin() const { return iOMin_; }
    float iOMax() const { return iOMax_; }
    float iValue() const { return iValue_; }
    qint16 MinHeight() const { return minHeight_; }
    qint16 MinWidth() const { return minWidth_; }
    qint16 iTxtGroesse() const { return iTxtGroesse_; }
    qint16 MinTxtGroesse() const { return minTxtGroesse_; }
    qint32 BackColor() const { return style_.backColor; }
    QFont Font() const { return style_.font; }
    qint16 WertStyle() const { return style_.wertStyle; }
    qint16 WertBorder() const { return style_.wertBorder; }
    qint32 PfeileColor() const { return style_.pfeileColor; }
    qint16 PfeileWidth() const { return style_.pfeileWidth; }
    qint32 WertGrColor() const { return style_.wertGrColor; }
    qint16 WertGrWidth() const { return style_.wertGrWidth; }
    qint32 ZeroColor() const { return style_.zeroColor; }
    qint16 ZeroWidth() const { return style_.zeroWidth; }
    qint32 Hint_BackColor() const { return style_.hintBackColor; }
    qint32 Hint_BorderColor() const { return style_.hintBorderColor; }
    qint32 Hint_FillColor() const { return style_.hintFillColor; }
    qint16 Hint_BackStyle() const { return style_.hintBackStyle; }
    qint16 Hint_FillStyle() const { return style_.hintFillStyle; }
    qint32 GBer_BackColor() const { return style_.gberBackColor; }
    qint32 GBer_BorderColor() const { return style_.gberBorderColor; }
    bool Enabled() const { return enabled_; }
    bool WertVisible() const { return wertVisible_; }
    qint16 WertGrafikAbst() const { return wertGrafikAbst_; }
    bool UfZeigen() const { return ufZeigen_; }
    float iMax() const { return iMax_; }
    qint32 UfFarbe() const { return ufFarbe_; }
    qint32 WertColor() const { return wertColor_; }
    qint32 FontColor() const { return style_.fontColor; }

public slots:
    void setIMin(float v);
    void setIOMin(float v);
    void setIOMax(float v);
    void setIValue(float v);
    void setITxtGroesse(qint16 v);
    void setBackColor(qint32 v);
    void setFontProperty(const QFont& v);
    void setWertStyle(qint16 v);
    void setWertBorder(qint16 v);
    void setPfeileColor(qint32 v);
    void setPfeileWidth(qint16 v);
    void setWertGrColor(qint32 v);
    void setWertGrWidth(qint16 v);
    void setZeroColor(qint32 v);
    void setZeroWidth(qint16 v);
    void setHint_BackColor(qint32 v);
    void setHint_BorderColor(qint32 v);
    void setHint_FillColor(qint32 v);
    void setHint_BackStyle(qint16 v);
    void setHint_FillStyle(qint16 v);
    void setGBer_BackColor(qint32 v);
    void setGBer_BorderColor(qint32 v);
    void setEnabledProperty(bool v);
    void setWertVisible(bool v);
    void setUfZeigen(bool v);
    void setIMax(float v);
    void setUfFarbe(qint32 v);
    void setWertColor(qint32 v);
    void setFontColor(qint32 v);

signals:
    // Events of the control.
    void Resize();
    void Show();
    // A property changed and should be stored again.
    void propertyChanged(const QString& name);
    // An assignment was refused with this error number.
    void error(int number);

    void iMinChanged();
    void iOMinChanged();
    void iOMaxChanged();
    void iValueChanged();
    void MinHeightChanged();
    void MinWidthChanged();
    void iTxtGroesseChanged();
    void MinTxtGroesseChanged();
    void BackColorChanged();
    void FontChanged();
    void WertStyleChanged();
    void WertBorderChanged();
    void PfeileColorChanged();
    void PfeileWidthChanged();
    void WertGrColorChanged();
    void WertGrWidthChanged();
    void ZeroColorChanged();
    void ZeroWidthChanged();
    void Hint_BackColorChanged();
    void Hint_BorderColorChanged();
    void Hint_FillColorChanged();
    void Hint_BackStyleChanged();
    void Hint_FillStyleChanged();
    void GBer_BackColorChanged();
    void GBer_BorderColorChanged();
    void EnabledChanged();
    void WertVisibleChanged();
    void WertGrafikAbstChanged();
    void UfZeigenChanged();
    void iMaxChanged();
    void UfFarbeChanged();
    void WertColorChanged();
    void FontColorChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Store (done by the caller), tell, mark changed, redraw.
    void changed(const char* name, void (ocxMinMaxWert::*notify)());
    template <class T>
    void assign(T& field, const T& v, const char* name, void (ocxMinMaxWert::*notify)()) {
        if (field == v)
            return;
        field = v;
        changed(name, notify);
    }
    int refuse();
    void redraw();
    void applyDefaults();
    void emitAllChanged();
    kav::controls::minmax::Input input() const;

    bool userMode_ = true;
    bool notShownYet_ = true;
    bool inRedraw_ = false;
    int lastError_ = 0;

    float iMin_ = -1.0f;
    float iOMin_ = -0.5f;
    float iOMax_ = 0.5f;
    float iValue_ = 0.0f;
    qint16 minHeight_ = 255;
    qint16 minWidth_ = 540;
    qint16 iTxtGroesse_ = 600;
    qint16 minTxtGroesse_ = 240;
    bool wertVisible_ = true;
    qint16 wertGrafikAbst_ = 135;
    bool ufZeigen_ = true;
    bool enabled_ = true;
    float iMax_ = 1.0f;
    qint32 ufFarbe_ = 255;
    qint32 wertColor_ = 0xFFFFFF;

    kav::controls::minmax::Style style_;
    kav::controls::minmax::Layout layout_;
};
