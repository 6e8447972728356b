// Pictures of the dial gauge ocxTacho: defaults, typical values, limits and
// out-of-range writes.
#include <QString>

#include <functional>

#include "gallery.h"
#include "ocx_tacho.h"

namespace {

using kav::controls::ocxTacho;

// A new instance of the given pixel size, initialised like a freshly placed control.
ocxTacho* newGauge(int width, int height) {
    auto* gauge = new ocxTacho;
    gauge->resize(width, height);
    gauge->InitProperties();
    return gauge;
}

QWidget* gauge(int width, int height, const std::function<void(ocxTacho&)>& setUp) {
    ocxTacho* g = newGauge(width, height);
    setUp(*g);
    return g;
}

const struct DialGaugeGallery {
    DialGaugeGallery() {
        registerGallery({
            {"tacho_defaults.png", [] { return gauge(200, 200, [](ocxTacho&) {}); }},
            {"tacho_typical.png",
             [] {
                 return gauge(200, 200, [](ocxTacho& g) {
                     g.setAktuellAnzahl(4100); // leaves the drag mark here
                     g.setAktuellAnzahl(2345);
                 });
             }},
            {"tacho_full_scale_12000.png",
             [] {
                 return gauge(200, 200, [](ocxTacho& g) {
                     g.setMaxAnzahl(12000);
                     g.setAktuellAnzahl(7000);
                 });
             }},
            {"tacho_limit_full_scale.png",
             [] { return gauge(200, 200, [](ocxTacho& g) { g.setAktuellAnzahl(6000); }); }},
            {"tacho_max_100.png",
             [] {
                 return gauge(200, 200, [](ocxTacho& g) {
                     g.setMaxAnzahl(100);
                     g.setAktuellAnzahl(83);
                 });
             }},
            {"tacho_out_of_range_ignored.png",
             [] {
                 return gauge(200, 200, [](ocxTacho& g) {
                     g.setAktuellAnzahl(3000);
                     g.setAktuellAnzahl(7000); // above full scale: the pointer stays at 3000
                     g.setAktuellAnzahl(0);    // the drag mark stays at the top
                 });
             }},
            {"tacho_error.png",
             [] {
                 return gauge(200, 200, [](ocxTacho& g) {
                     g.setMaxAnzahl(18000);
                     g.setAktuellAnzahl(-1);
                     g.setBenutzerText(QStringLiteral("ERROR"));
                 });
             }},
            {"tacho_small_1500_twips.png",
             [] { return gauge(100, 100, [](ocxTacho& g) { g.setAktuellAnzahl(1500); }); }},
            {"tacho_large_colours.png",
             [] {
                 return gauge(700, 700, [](ocxTacho& g) {
                     g.setAusenFarbe(0x404040);
                     g.setAusenBuchstabenFarbe(0x008000);
                     g.setAktuellAnzahlFarbe(0xC00000);
                     g.setAktuellAnzahl(5000);
                     g.setAktuellAnzahl(4321);
                     g.setBenutzerText(QStringLiteral("1/min"));
                 });
             }},
            {"tacho_wide.png",
             [] {
                 return gauge(400, 200, [](ocxTacho& g) {
                     g.setMaxAnzahl(31999);
                     g.setAktuellAnzahl(12345);
                 });
             }},
        });
    }
} dialGaugeGallery;

} // namespace
