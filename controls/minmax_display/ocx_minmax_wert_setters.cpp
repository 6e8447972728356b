#include "ocx_minmax_wert.h"

#include "hosted_control.h"

// Every setter stores (or hands the value to the part that shows it), tells
// its change signal, marks the property changed for the host and redraws.

void ocxMinMaxWert::changed(const char* name, void (ocxMinMaxWert::*notify)()) {
    emit(this->*notify)();
    emit propertyChanged(QString::fromLatin1(name));
    redraw();
}

// The same value again changes nothing: no change mark, no redraw.
void ocxMinMaxWert::setIValue(float v) {
    if (v == iValue_) return;
    iValue_ = v;
    changed("iValue", &ocxMinMaxWert::iValueChanged);
}

void ocxMinMaxWert::setFontProperty(const QFont& v) {
    style_.font = v;
    changed("Font", &ocxMinMaxWert::FontChanged);
}

void ocxMinMaxWert::setEnabledProperty(bool v) {
    enabled_ = v;
    QWidget::setEnabled(v);
    changed("Enabled", &ocxMinMaxWert::EnabledChanged);
}

// MinHeight, MinWidth, MinTxtGroesse and WertGrafikAbst come from the stored
// properties only.
int ocxMinMaxWert::refuse() {
    lastError_ = userMode_ ? kav::controls::kErrSetNotSupportedAtRuntime : kav::controls::kErrSetNotPermitted;
    emit error(lastError_);
    return lastError_;
}

int ocxMinMaxWert::setMinHeight(qint16) { return refuse(); }
int ocxMinMaxWert::setMinWidth(qint16) { return refuse(); }
int ocxMinMaxWert::setMinTxtGroesse(qint16) { return refuse(); }
int ocxMinMaxWert::setWertGrafikAbst(qint16) { return refuse(); }

void ocxMinMaxWert::setIMin(float v) {
    iMin_ = v;
    changed("iMin", &ocxMinMaxWert::iMinChanged);
}

void ocxMinMaxWert::setIOMin(float v) {
    iOMin_ = v;
    changed("iOMin", &ocxMinMaxWert::iOMinChanged);
}

void ocxMinMaxWert::setIOMax(float v) {
    iOMax_ = v;
    changed("iOMax", &ocxMinMaxWert::iOMaxChanged);
}

void ocxMinMaxWert::setITxtGroesse(qint16 v) {
    iTxtGroesse_ = v;
    changed("iTxtGroesse", &ocxMinMaxWert::iTxtGroesseChanged);
}

void ocxMinMaxWert::setWertVisible(bool v) {
    wertVisible_ = v;
    changed("WertVisible", &ocxMinMaxWert::WertVisibleChanged);
}

void ocxMinMaxWert::setUfZeigen(bool v) {
    ufZeigen_ = v;
    changed("UfZeigen", &ocxMinMaxWert::UfZeigenChanged);
}

void ocxMinMaxWert::setIMax(float v) {
    iMax_ = v;
    changed("iMax", &ocxMinMaxWert::iMaxChanged);
}

void ocxMinMaxWert::setUfFarbe(qint32 v) {
    ufFarbe_ = v;
    changed("UfFarbe", &ocxMinMaxWert::UfFarbeChanged);
}

void ocxMinMaxWert::setWertColor(qint32 v) {
    wertColor_ = v;
    changed("WertColor", &ocxMinMaxWert::WertColorChanged);
}

void ocxMinMaxWert::setBackColor(qint32 v) {
    style_.backColor = v;
    changed("BackColor", &ocxMinMaxWert::BackColorChanged);
}

void ocxMinMaxWert::setWertStyle(qint16 v) {
    style_.wertStyle = v;
    changed("WertStyle", &ocxMinMaxWert::WertStyleChanged);
}

void ocxMinMaxWert::setWertBorder(qint16 v) {
    style_.wertBorder = v;
    changed("WertBorder", &ocxMinMaxWert::WertBorderChanged);
}

void ocxMinMaxWert::setPfeileColor(qint32 v) {
    style_.pfeileColor = v;
    changed("PfeileColor", &ocxMinMaxWert::PfeileColorChanged);
}

void ocxMinMaxWert::setPfeileWidth(qint16 v) {
    style_.pfeileWidth = v;
    changed("PfeileWidth", &ocxMinMaxWert::PfeileWidthChanged);
}

void ocxMinMaxWert::setWertGrColor(qint32 v) {
    style_.wertGrColor = v;
    changed("WertGrColor", &ocxMinMaxWert::WertGrColorChanged);
}

void ocxMinMaxWert::setWertGrWidth(qint16 v) {
    style_.wertGrWidth = v;
    changed("WertGrWidth", &ocxMinMaxWert::WertGrWidthChanged);
}

void ocxMinMaxWert::setZeroColor(qint32 v) {
    style_.zeroColor = v;
    changed("ZeroColor", &ocxMinMaxWert::ZeroColorChanged);
}

void ocxMinMaxWert::setZeroWidth(qint16 v) {
    style_.zeroWidth = v;
    changed("ZeroWidth", &ocxMinMaxWert::ZeroWidthChanged);
}

void ocxMinMaxWert::setHint_BackColor(qint32 v) {
    style_.hintBackColor = v;
    changed("Hint_BackColor", &ocxMinMaxWert::Hint_BackColorChanged);
}

void ocxMinMaxWert::setHint_BorderColor(qint32 v) {
    style_.hintBorderColor = v;
    changed("Hint_BorderColor", &ocxMinMaxWert::Hint_BorderColorChanged);
}

void ocxMinMaxWert::setHint_FillColor(qint32 v) {
    style_.hintFillColor = v;
    changed("Hint_FillColor", &ocxMinMaxWert::Hint_FillColorChanged);
}

void ocxMinMaxWert::setHint_BackStyle(qint16 v) {
    style_.hintBackStyle = v;
    changed("Hint_BackStyle", &ocxMinMaxWert::Hint_BackStyleChanged);
}

void ocxMinMaxWert::setHint_FillStyle(qint16 v) {
    style_.hintFillStyle = v;
    changed("Hint_FillStyle", &ocxMinMaxWert::Hint_FillStyleChanged);
}

void ocxMinMaxWert::setGBer_BackColor(qint32 v) {
    style_.gberBackColor = v;
    changed("GBer_BackColor", &ocxMinMaxWert::GBer_BackColorChanged);
}

void ocxMinMaxWert::setGBer_BorderColor(qint32 v) {
    style_.gberBorderColor = v;
    changed("GBer_BorderColor", &ocxMinMaxWert::GBer_BorderColorChanged);
}

void ocxMinMaxWert::setFontColor(qint32 v) {
    style_.fontColor = v;
    changed("FontColor", &ocxMinMaxWert::FontColorChanged);
}
