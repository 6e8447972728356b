// Pictures of the deviation bar ocxBadInc: a new instance, a typical
// bad-pulse result, marks on the limits, positions off the ring, a switched
// off control, another pulse number, hidden labels and sizes.
#include <QString>

#include <functional>

#include "gallery.h"
#include "ocx_bad_inc.h"

namespace {

using kav::controls::ocxBadInc;

constexpr qint32 kRed = 0x0000C0; // 0x00BBGGRR
constexpr qint32 kBlue = 0xC00000;
constexpr qint32 kGreen = 0x008000;
constexpr qint32 kOrange = 0x0080FF;

QWidget* bar(int width, int height, const std::function<void(ocxBadInc&)>& setUp) {
    auto* b = new ocxBadInc;
    b->resize(width, height);
    b->InitProperties();
    setUp(*b);
    return b;
}

void colours(ocxBadInc& b) {
    b.setMaxFarbe(kRed);
    b.setMinFarbe(kBlue);
    b.setPosMaxFarbe(kOrange);
    b.setPosMinFarbe(kGreen);
}

// A bad-pulse result as the window shows it: the two largest deviations and
// the further ones of the list.
void typicalResult(ocxBadInc& b) {
    colours(b);
    b.setImpulsZahl(1024);
    b.setPosMax(300);
    b.setMax(12);
    b.setPosMin(700);
    b.setMin(-9);
    const qint16 pos[] = {90, 410, 560, 850, 990};
    const qint16 val[] = {-3, -5, 4, -6, 2};
    b.setPosMin1(pos[0]);
    b.setMin1(val[0]);
    b.setPosMin2(pos[1]);
    b.setMin2(val[1]);
    b.setPosMin3(pos[2]);
    b.setMin3(val[2]);
    b.setPosMin4(pos[3]);
    b.setMin4(val[3]);
    b.setPosMin5(pos[4]);
    b.setMin5(val[4]);
}

const struct DeviationBarGallery {
    DeviationBarGallery() {
        registerGallery({
            {"badinc_defaults.png", [] { return bar(260, 260, [](ocxBadInc&) {}); }},
            {"badinc_typical.png", [] { return bar(260, 260, typicalResult); }},
            {"badinc_typical_wide.png", [] { return bar(420, 260, typicalResult); }},
            {"badinc_quarters.png",
             [] {
                 return bar(260, 260, [](ocxBadInc& b) {
                     colours(b);
                     b.setPosMax1(256);
                     b.setMax1(1);
                     b.setPosMax2(512);
                     b.setMax2(2);
                     b.setPosMax3(768);
                     b.setMax3(3);
                     b.setPosMax4(1024);
                     b.setMax4(4);
                     b.setPosMax(128);
                     b.setMax(50);
                     b.setPosMin(896);
                     b.setMin(-50);
                 });
             }},
            {"badinc_limits.png",
             [] {
                 return bar(260, 260, [](ocxBadInc& b) {
                     colours(b);
                     b.setPosMax(1);
                     b.setMax(127);
                     b.setPosMin(1024);
                     b.setMin(-128);
                     b.setPosMax1(129);
                     b.setMax1(10);
                     b.setPosMin1(640);
                     b.setMin1(-10);
                 });
             }},
            {"badinc_out_of_range_hidden.png",
             [] {
                 return bar(260, 260, [](ocxBadInc& b) {
                     colours(b);
                     b.setPosMax(0); // not a position: hidden
                     b.setMax(12);
                     b.setPosMin(1025); // beyond the pulse number: hidden
                     b.setMin(-9);
                     b.setPosMax1(-20);
                     b.setPosMin1(400); // the only mark drawn
                     b.setMin1(-4);
                 });
             }},
            {"badinc_pulse_number_0_off.png",
             [] {
                 return bar(260, 260, [](ocxBadInc& b) {
                     typicalResult(b);
                     b.setImpulsZahl(0);
                 });
             }},
            {"badinc_pulse_number_100.png",
             [] {
                 return bar(260, 260, [](ocxBadInc& b) {
                     colours(b);
                     b.setImpulsZahl(100);
                     b.setPosMax(25);
                     b.setMax(7);
                     b.setPosMin(60);
                     b.setMin(-7);
                     b.setPosMin1(90);
                     b.setMin1(-2);
                 });
             }},
            {"badinc_labels_hidden.png",
             [] {
                 return bar(260, 260, [](ocxBadInc& b) {
                     // Flags off from the start: further marks without labels,
                     // the largest negative mark not at all.
                     b.setPosMin1Zeigen(false);
                     b.setPosMin2Zeigen(false);
                     b.setPosMinZeigen(false);
                     typicalResult(b);
                 });
             }},
            {"badinc_small.png", [] { return bar(120, 120, typicalResult); }},
            {"badinc_large.png", [] { return bar(480, 480, typicalResult); }},
        });
    }
} g_deviationBarGallery;

} // namespace
