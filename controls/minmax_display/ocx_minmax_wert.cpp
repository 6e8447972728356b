#include "ocx_minmax_wert.h"

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>
#include <atomic>
#include <limits>

#include "property_bag.h"

using namespace kav::controls;
using namespace kav::controls::minmax;

namespace {

std::atomic<int> g_alive{0};

int ceilPixels(int twips) { return (std::max(twips, 0) + kTwipsPerPixel - 1) / kTwipsPerPixel; }

// Stored values arrive as whatever the host kept; anything unusable reads as
// the default.
float readFloat(PropertyBag& bag, const char* name, float def) {
    bool ok = false;
    const double v = bag.readProperty(QString::fromLatin1(name), def).toDouble(&ok);
    return ok ? static_cast<float>(v) : def;
}

qint16 readInt16(PropertyBag& bag, const char* name, qint16 def) {
    bool ok = false;
    const qlonglong v = bag.readProperty(QString::fromLatin1(name), def).toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return def;
    return static_cast<qint16>(v);
}

// Colours may come back unsigned (0x8000000F as 2147483663).
qint32 readColor(PropertyBag& bag, const char* name, qint32 def) {
    bool ok = false;
    const qlonglong v = bag.readProperty(QString::fromLatin1(name), def).toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<quint32>::max())
        return def;
    return static_cast<qint32>(static_cast<quint32>(v));
}

bool readBool(PropertyBag& bag, const char* name, bool def) {
    return bag.readProperty(QString::fromLatin1(name), def).toBool();
}

QFont readFont(PropertyBag& bag, const char* name, const QFont& def) {
    const QVariant v = bag.readProperty(QString::fromLatin1(name), def);
    if (v.metaType().id() == QMetaType::QFont)
        return v.value<QFont>();
    if (v.metaType().id() == QMetaType::QString) {
        QFont f;
        if (f.fromString(v.toString()))
            return f;
    }
    return def;
}

} // namespace

ocxMinMaxWert::ocxMinMaxWert(QWidget* parent) : QWidget(parent) {
    ++g_alive;
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyDefaults();
    layout_ = computeLayout(input());
}

ocxMinMaxWert::~ocxMinMaxWert() { --g_alive; }

int ocxMinMaxWert::liveInstances() { return g_alive.load(); }

void ocxMinMaxWert::applyDefaults() {
    const Style defaults;
    const QFont hostFont = parentWidget() != nullptr ? parentWidget()->font() : QApplication::font();
    iMin_ = -1.0f;
    iOMin_ = -0.5f;
    iOMax_ = 0.5f;
    iValue_ = 0.0f;
    minHeight_ = 255;
    minWidth_ = 540;
    iTxtGroesse_ = 600;
    minTxtGroesse_ = 240;
    style_ = defaults;
    style_.font = hostFont;
    enabled_ = true;
    QWidget::setEnabled(true);
    wertVisible_ = true;
    wertGrafikAbst_ = 135;
    ufZeigen_ = true;
    iMax_ = 1.0f;
    ufFarbe_ = 255;
    wertColor_ = 0xFFFFFF;
}

void ocxMinMaxWert::InitProperties() {
    applyDefaults();
    emitAllChanged();
    redraw();
}

void ocxMinMaxWert::ReadProperties(PropertyBag& bag) {
    const Style d;
    const QFont hostFont = parentWidget() != nullptr ? parentWidget()->font() : QApplication::font();
    iMin_ = readFloat(bag, "iMin", -1.0f);
    iOMin_ = readFloat(bag, "iOMin", -0.5f);
    iOMax_ = readFloat(bag, "iOMax", 0.5f);
    iValue_ = readFloat(bag, "iValue", 0.0f);
    minHeight_ = readInt16(bag, "MinHeight", 255);
    minWidth_ = readInt16(bag, "MinWidth", 540);
    iTxtGroesse_ = readInt16(bag, "iTxtGroesse", 600);
    minTxtGroesse_ = readInt16(bag, "MinTxtGroesse", 240);
    style_.backColor = readColor(bag, "BackColor", d.backColor);
    style_.font = readFont(bag, "Font", hostFont);
    style_.wertStyle = readInt16(bag, "WertStyle", d.wertStyle);
    style_.wertBorder = readInt16(bag, "WertBorder", d.wertBorder);
    style_.pfeileColor = readColor(bag, "PfeileColor", d.pfeileColor);
    style_.pfeileWidth = readInt16(bag, "PfeileWidth", d.pfeileWidth);
    style_.wertGrColor = readColor(bag, "WertGrColor", d.wertGrColor);
    style_.wertGrWidth = readInt16(bag, "WertGrWidth", d.wertGrWidth);
    style_.zeroColor = readColor(bag, "ZeroColor", d.zeroColor);
    style_.zeroWidth = readInt16(bag, "ZeroWidth", d.zeroWidth);
    style_.hintBackColor = readColor(bag, "Hint_BackColor", d.hintBackColor);
    style_.hintBorderColor = readColor(bag, "Hint_BorderColor", d.hintBorderColor);
    style_.hintFillColor = readColor(bag, "Hint_FillColor", d.hintFillColor);
    style_.hintBackStyle = readInt16(bag, "Hint_BackStyle", d.hintBackStyle);
    style_.hintFillStyle = readInt16(bag, "Hint_FillStyle", d.hintFillStyle);
    style_.gberBackColor = readColor(bag, "GBer_BackColor", d.gberBackColor);
    style_.gberBorderColor = readColor(bag, "GBer_BorderColor", d.gberBorderColor);
    enabled_ = readBool(bag, "Enabled", true);
    QWidget::setEnabled(enabled_);
    wertVisible_ = readBool(bag, "WertVisible", true);
    wertGrafikAbst_ = readInt16(bag, "WertGrafikAbst", 135);
    ufZeigen_ = readBool(bag, "UfZeigen", true);
    iMax_ = readFloat(bag, "iMax", 1.0f);
    ufFarbe_ = readColor(bag, "UfFarbe", 255);
    wertColor_ = readColor(bag, "WertColor", 0xFFFFFF);
    style_.fontColor = readColor(bag, "FontColor", d.fontColor);
    emitAllChanged();
    redraw();
}

void ocxMinMaxWert::WriteProperties(PropertyBag& bag) {
    const Style d;
    const QFont hostFont = parentWidget() != nullptr ? parentWidget()->font() : QApplication::font();
    const auto put = [&bag](const char* name, const QVariant& value, const QVariant& def) {
        bag.writeProperty(QString::fromLatin1(name), value, def);
    };
    put("iMin", iMin_, -1.0f);
    put("iOMin", iOMin_, -0.5f);
    put("iOMax", iOMax_, 0.5f);
    put("iValue", iValue_, 0.0f);
    put("MinHeight", minHeight_, qint16(255));
    put("MinWidth", minWidth_, qint16(540));
    put("iTxtGroesse", iTxtGroesse_, qint16(600));
    put("MinTxtGroesse", minTxtGroesse_, qint16(240));
    put("BackColor", style_.backColor, d.backColor);
    put("Font", style_.font, hostFont);
    put("WertStyle", style_.wertStyle, d.wertStyle);
    put("WertBorder", style_.wertBorder, d.wertBorder);
    put("PfeileColor", style_.pfeileColor, d.pfeileColor);
    put("PfeileWidth", style_.pfeileWidth, d.pfeileWidth);
    put("WertGrColor", style_.wertGrColor, d.wertGrColor);
    put("WertGrWidth", style_.wertGrWidth, d.wertGrWidth);
    put("ZeroColor", style_.zeroColor, d.zeroColor);
    put("ZeroWidth", style_.zeroWidth, d.zeroWidth);
    put("Hint_BackColor", style_.hintBackColor, d.hintBackColor);
    put("Hint_BorderColor", style_.hintBorderColor, d.hintBorderColor);
    put("Hint_FillColor", style_.hintFillColor, d.hintFillColor);
    put("Hint_BackStyle", style_.hintBackStyle, d.hintBackStyle);
    put("Hint_FillStyle", style_.hintFillStyle, d.hintFillStyle);
    put("GBer_BackColor", style_.gberBackColor, d.gberBackColor);
    put("GBer_BorderColor", style_.gberBorderColor, d.gberBorderColor);
    put("Enabled", enabled_, true);
    put("WertVisible", wertVisible_, true);
    put("WertGrafikAbst", wertGrafikAbst_, qint16(135));
    put("UfZeigen", ufZeigen_, true);
    put("iMax", iMax_, 1.0f);
    put("UfFarbe", ufFarbe_, qint32(255));
    put("WertColor", wertColor_, qint32(0xFFFFFF));
    put("FontColor", style_.fontColor, d.fontColor);
}

void ocxMinMaxWert::emitAllChanged() {
    for (auto notify : {&ocxMinMaxWert::iMinChanged,
                        &ocxMinMaxWert::iOMinChanged,
                        &ocxMinMaxWert::iOMaxChanged,
                        &ocxMinMaxWert::iValueChanged,
                        &ocxMinMaxWert::MinHeightChanged,
                        &ocxMinMaxWert::MinWidthChanged,
                        &ocxMinMaxWert::iTxtGroesseChanged,
                        &ocxMinMaxWert::MinTxtGroesseChanged,
                        &ocxMinMaxWert::BackColorChanged,
                        &ocxMinMaxWert::FontChanged,
                        &ocxMinMaxWert::WertStyleChanged,
                        &ocxMinMaxWert::WertBorderChanged,
                        &ocxMinMaxWert::PfeileColorChanged,
                        &ocxMinMaxWert::PfeileWidthChanged,
                        &ocxMinMaxWert::WertGrColorChanged,
                        &ocxMinMaxWert::WertGrWidthChanged,
                        &ocxMinMaxWert::ZeroColorChanged,
                        &ocxMinMaxWert::ZeroWidthChanged,
                        &ocxMinMaxWert::Hint_BackColorChanged,
                        &ocxMinMaxWert::Hint_BorderColorChanged,
                        &ocxMinMaxWert::Hint_FillColorChanged,
                        &ocxMinMaxWert::Hint_BackStyleChanged,
                        &ocxMinMaxWert::Hint_FillStyleChanged,
                        &ocxMinMaxWert::GBer_BackColorChanged,
                        &ocxMinMaxWert::GBer_BorderColorChanged,
                        &ocxMinMaxWert::EnabledChanged,
                        &ocxMinMaxWert::WertVisibleChanged,
                        &ocxMinMaxWert::WertGrafikAbstChanged,
                        &ocxMinMaxWert::UfZeigenChanged,
                        &ocxMinMaxWert::iMaxChanged,
                        &ocxMinMaxWert::UfFarbeChanged,
                        &ocxMinMaxWert::WertColorChanged,
                        &ocxMinMaxWert::FontColorChanged}) {
        emit(this->*notify)();
    }
}

Input ocxMinMaxWert::input() const {
    Input in;
    in.width = toTwips(width());
    in.height = toTwips(height());
    in.iMin = iMin_;
    in.iMax = iMax_;
    in.iOMin = iOMin_;
    in.iOMax = iOMax_;
    in.iValue = iValue_;
    in.minHeight = minHeight_;
    in.minWidth = minWidth_;
    in.txtGroesse = iTxtGroesse_;
    in.minTxtGroesse = minTxtGroesse_;
    in.wertGrafikAbst = wertGrafikAbst_;
    in.wertVisible = wertVisible_;
    in.ufZeigen = ufZeigen_;
    return in;
}

void ocxMinMaxWert::redraw() {
    emit Resize();
    Layout l = computeLayout(input());
    if (l.width > toTwips(width()) || l.height > toTwips(height())) {
        // Grow to the smallest size; our own resize must not start another redraw.
        inRedraw_ = true;
        resize(std::max(width(), ceilPixels(l.width)), std::max(height(), ceilPixels(l.height)));
        inRedraw_ = false;
        l = computeLayout(input());
    }
    if (l.resetTxtGroesse) {
        // Through the setter, which stores, marks changed and redraws with the narrower box.
        setITxtGroesse(minTxtGroesse_);
        return;
    }
    style_.wertBackColor = l.boxWarning ? ufFarbe_ : wertColor_;
    layout_ = l;
    update();
}

void ocxMinMaxWert::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!inRedraw_)
        redraw();
}

void ocxMinMaxWert::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit Show();
    // Keeps its drawing unless this is the first showing or the height changed meanwhile.
    if (notShownYet_ || toTwips(height()) != layout_.shpHintergrund.height) {
        notShownYet_ = false;
        redraw();
    }
}

void ocxMinMaxWert::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintLayout(painter, layout_, style_, palette(), width(), height());
}
