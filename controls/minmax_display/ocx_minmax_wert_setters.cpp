#include "ocx_minmax_wert.h"

#include "hosted_control.h"

// Every setter stores (or hands the value to the part that shows it), tells
// its change signal, marks the property changed for the host and redraws. A
// value equal to the one held changes nothing.

void ocxMinMaxWert::changed(const char* name, void (ocxMinMaxWert::*notify)()) {
    emit(this->*notify)();
    emit propertyChanged(QString::fromLatin1(name));
    redraw();
}

// The same value again changes nothing: no change mark, no redraw.
void ocxMinMaxWert::setIValue(float v) { assign(iValue_, v, "iValue", &ocxMinMaxWert::iValueChanged); }

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

void ocxMinMaxWert::setIMin(float v) { assign(iMin_, v, "iMin", &ocxMinMaxWert::iMinChanged); }

void ocxMinMaxWert::setIOMin(float v) { assign(iOMin_, v, "iOMin", &ocxMinMaxWert::iOMinChanged); }

void ocxMinMaxWert::setIOMax(float v) { assign(iOMax_, v, "iOMax", &ocxMinMaxWert::iOMaxChanged); }

void ocxMinMaxWert::setITxtGroesse(qint16 v) {
    assign(iTxtGroesse_, v, "iTxtGroesse", &ocxMinMaxWert::iTxtGroesseChanged);
}

void ocxMinMaxWert::setWertVisible(bool v) {
    assign(wertVisible_, v, "WertVisible", &ocxMinMaxWert::WertVisibleChanged);
}

void ocxMinMaxWert::setUfZeigen(bool v) { assign(ufZeigen_, v, "UfZeigen", &ocxMinMaxWert::UfZeigenChanged); }

void ocxMinMaxWert::setIMax(float v) { assign(iMax_, v, "iMax", &ocxMinMaxWert::iMaxChanged); }

void ocxMinMaxWert::setUfFarbe(qint32 v) { assign(ufFarbe_, v, "UfFarbe", &ocxMinMaxWert::UfFarbeChanged); }

void ocxMinMaxWert::setWertColor(qint32 v) { assign(wertColor_, v, "WertColor", &ocxMinMaxWert::WertColorChanged); }

void ocxMinMaxWert::setBackColor(qint32 v) {
    assign(style_.backColor, v, "BackColor", &ocxMinMaxWert::BackColorChanged);
}

void ocxMinMaxWert::setWertStyle(qint16 v) {
    assign(style_.wertStyle, v, "WertStyle", &ocxMinMaxWert::WertStyleChanged);
}

void ocxMinMaxWert::setWertBorder(qint16 v) {
    assign(style_.wertBorder, v, "WertBorder", &ocxMinMaxWert::WertBorderChanged);
}

void ocxMinMaxWert::setPfeileColor(qint32 v) {
    assign(style_.pfeileColor, v, "PfeileColor", &ocxMinMaxWert::PfeileColorChanged);
}

void ocxMinMaxWert::setPfeileWidth(qint16 v) {
    assign(style_.pfeileWidth, v, "PfeileWidth", &ocxMinMaxWert::PfeileWidthChanged);
}

void ocxMinMaxWert::setWertGrColor(qint32 v) {
    assign(style_.wertGrColor, v, "WertGrColor", &ocxMinMaxWert::WertGrColorChanged);
}

void ocxMinMaxWert::setWertGrWidth(qint16 v) {
    assign(style_.wertGrWidth, v, "WertGrWidth", &ocxMinMaxWert::WertGrWidthChanged);
}

void ocxMinMaxWert::setZeroColor(qint32 v) {
    assign(style_.zeroColor, v, "ZeroColor", &ocxMinMaxWert::ZeroColorChanged);
}

void ocxMinMaxWert::setZeroWidth(qint16 v) {
    assign(style_.zeroWidth, v, "ZeroWidth", &ocxMinMaxWert::ZeroWidthChanged);
}

void ocxMinMaxWert::setHint_BackColor(qint32 v) {
    assign(style_.hintBackColor, v, "Hint_BackColor", &ocxMinMaxWert::Hint_BackColorChanged);
}

void ocxMinMaxWert::setHint_BorderColor(qint32 v) {
    assign(style_.hintBorderColor, v, "Hint_BorderColor", &ocxMinMaxWert::Hint_BorderColorChanged);
}

void ocxMinMaxWert::setHint_FillColor(qint32 v) {
    assign(style_.hintFillColor, v, "Hint_FillColor", &ocxMinMaxWert::Hint_FillColorChanged);
}

void ocxMinMaxWert::setHint_BackStyle(qint16 v) {
    assign(style_.hintBackStyle, v, "Hint_BackStyle", &ocxMinMaxWert::Hint_BackStyleChanged);
}

void ocxMinMaxWert::setHint_FillStyle(qint16 v) {
    assign(style_.hintFillStyle, v, "Hint_FillStyle", &ocxMinMaxWert::Hint_FillStyleChanged);
}

void ocxMinMaxWert::setGBer_BackColor(qint32 v) {
    assign(style_.gberBackColor, v, "GBer_BackColor", &ocxMinMaxWert::GBer_BackColorChanged);
}

void ocxMinMaxWert::setGBer_BorderColor(qint32 v) {
    assign(style_.gberBorderColor, v, "GBer_BorderColor", &ocxMinMaxWert::GBer_BorderColorChanged);
}

void ocxMinMaxWert::setFontColor(qint32 v) {
    assign(style_.fontColor, v, "FontColor", &ocxMinMaxWert::FontColorChanged);
}
