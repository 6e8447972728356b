#pragma once
// The banner across the top of the window: vertical colour bands (the colour
// rule is a plain function, so it can be checked without a screen) and the
// program's logo at its right.
#include <QWidget>
#include <cstdint>
#include <vector>

namespace kav::shell {

struct BannerBand {
    int left = 0;            // twips
    int width = 0;           // twips
    std::uint32_t farbe = 0; // 0x00BBGGRR
};

// Number of screen colours: 2 raised to the bits per pixel.
double bildschirmFarben(int bitsPerPixel);

// The bands `BannerZeichnen` paints for a banner of the given width (twips) on
// a screen with the given number of colours. Style 1 is the program's style;
// any other style paints nothing.
std::vector<BannerBand> bannerBaender(int style, int bannerBreiteTwips, double farben);

class BannerWidget : public QWidget {
    Q_OBJECT
public:
    explicit BannerWidget(QWidget* parent = nullptr);
    void setBaender(std::vector<BannerBand> baender);
    const std::vector<BannerBand>& baender() const { return baender_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BannerBand> baender_;
};

// imgLogo: an encoder disc with its slots and the letters "KAV".
class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kav::shell
