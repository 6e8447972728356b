// Pictures of the min/max value display ocxMinMaxWert: a new instance, values
// inside and outside the good range, the ends of the scale, values off the
// scale, an empty scale, no value box, the smallest size and stored designs.
#include <QFont>
#include <QString>

#include <functional>

#include "gallery.h"
#include "ocx_minmax_wert.h"
#include "property_bag.h"

namespace {

QWidget* display(int width, int height, const std::function<void(ocxMinMaxWert&)>& setUp) {
    auto* d = new ocxMinMaxWert;
    d->resize(width, height);
    d->InitProperties();
    setUp(*d);
    return d;
}

// As the window's symmetry displays: deviation in percent.
QWidget* symmetry(float value) {
    auto* d = new ocxMinMaxWert;
    d->resize(260, 20);
    kav::controls::MemoryPropertyBag design;
    design.set(QStringLiteral("iMin"), -50.0f);
    design.set(QStringLiteral("iMax"), 50.0f);
    design.set(QStringLiteral("iOMin"), -10.0f);
    design.set(QStringLiteral("iOMax"), 10.0f);
    design.set(QStringLiteral("iTxtGroesse"), 700);
    d->ReadProperties(design);
    d->setIValue(value);
    return d;
}

const struct MinMaxGallery {
    MinMaxGallery() {
        registerGallery({
            {"minmax_defaults.png", [] { return display(200, 20, [](ocxMinMaxWert&) {}); }},
            {"minmax_typical_0.25.png", [] { return display(200, 20, [](ocxMinMaxWert& d) { d.setIValue(0.25f); }); }},
            {"minmax_outside_good_range.png",
             [] { return display(200, 20, [](ocxMinMaxWert& d) { d.setIValue(0.75f); }); }},
            {"minmax_outside_no_warning.png",
             [] {
                 return display(200, 20, [](ocxMinMaxWert& d) {
                     d.setUfZeigen(false);
                     d.setIValue(-0.75f);
                 });
             }},
            {"minmax_limit_min.png", [] { return display(200, 20, [](ocxMinMaxWert& d) { d.setIValue(-1.0f); }); }},
            {"minmax_limit_max.png", [] { return display(200, 20, [](ocxMinMaxWert& d) { d.setIValue(1.0f); }); }},
            {"minmax_above_scale.png", [] { return display(200, 20, [](ocxMinMaxWert& d) { d.setIValue(1.5f); }); }},
            {"minmax_below_scale.png", [] { return display(200, 20, [](ocxMinMaxWert& d) { d.setIValue(-1.5f); }); }},
            {"minmax_empty_scale.png",
             [] {
                 return display(200, 20, [](ocxMinMaxWert& d) {
                     d.setIMin(5.0f);
                     d.setIMax(5.0f);
                     d.setIValue(5.0f);
                 });
             }},
            {"minmax_no_value_box.png",
             [] {
                 return display(200, 20, [](ocxMinMaxWert& d) {
                     d.setWertVisible(false);
                     d.setIValue(-0.3f);
                 });
             }},
            {"minmax_smallest.png", [] { return display(10, 5, [](ocxMinMaxWert& d) { d.setIValue(0.2f); }); }},
            {"minmax_symmetry_4.png", [] { return symmetry(4.0f); }},
            {"minmax_symmetry_-23.png", [] { return symmetry(-23.0f); }},
            {"minmax_symmetry_off_scale.png", [] { return symmetry(-56.0f); }},
            {"minmax_styled.png",
             [] {
                 return display(300, 32, [](ocxMinMaxWert& d) {
                     QFont f = d.Font();
                     f.setPointSize(12);
                     f.setBold(true);
                     d.setFontProperty(f);
                     d.setITxtGroesse(1000);
                     d.setHint_FillStyle(1);
                     d.setGBer_BackColor(0x80FF80);
                     d.setWertGrColor(0xFF0000);
                     d.setWertGrWidth(2);
                     d.setZeroWidth(2);
                     d.setIValue(-0.4f);
                 });
             }},
        });
    }
} g_minMaxGallery;

} // namespace
