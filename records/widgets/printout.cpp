// The printout's content, built from a record through the pages' display
// rules, and the header line.
#include "printout.h"

#include <QGuiApplication>

#include "display_rules.h"
#include "record_texts.h"

namespace kav::records {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

struct Texte {
    std::string_view sprache;
    QString operator()(const char* deutsch) const { return q(T(deutsch, sprache)); }
    measure::Translator uebersetzer() const {
        return [s = std::string(sprache)](const std::string& deutsch) { return T(deutsch, s); };
    }
};

Druckseite seite(const Kopfzeile& kopf, const Seitenmasse& masse) {
    Druckseite s;
    s.kopf = kopf;
    s.masse = masse;
    return s;
}

} // namespace

Kopfzeile kopfzeile(const QString& geberSN, const QString& software, const QString& firmware, const QString& geraetSN,
                    std::string_view sprache) {
    const Texte t{sprache};
    return {{t("S/N Geber:"), geberSN},
            {t("Software Version:"), software},
            {t("Firmware:"), firmware},
            {t("S/N KAV100:"), geraetSN}};
}

QString kopfzeileText(const Kopfzeile& k) {
    const QString trenner = QStringLiteral(" | ");
    auto teil = [](const Beschriftet& b) { return b.titel + u' ' + b.text; };
    return teil(k.geberSN) + trenner + teil(k.software) + trenner + teil(k.firmware) + trenner + teil(k.geraetSN);
}

QColor vbFarbe(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QFont standardSchrift() {
    QFont f = QGuiApplication::font();
    f.setPixelSize(11);
    return f;
}

Druckseite drehschwebungSeite(const measure::DrehschwebungWerte& w, const Kopfzeile& kopf, std::string_view sprache,
                              std::string_view trenner, const Seitenmasse& masse) {
    const Texte t{sprache};
    const measure::OscillationDisplay d = measure::oscillationDisplay(w, trenner, t.uebersetzer());
    Druckseite s = seite(kopf, masse);
    DrehschwebungDruck o;
    // The chart box draws on its whole face; a printout made without it lays
    // the chart out for a box of the window's size.
    o.layout =
        measure::DrehschwebungGrafik(w.MaxWert, w.MinWert, masse.diagramm.width() * kTwipsProPixel,
                                     masse.diagramm.height() * kTwipsProPixel, false, w.Impulszahl, t.uebersetzer());
    o.samples = measure::messwerte(w);
    o.diagrammSchrift = standardSchrift();
    o.umdrehungen = {t("Messung über:"), q(d.umdrehungen)};
    o.min = {t("Min:"), q(d.minWert)};
    o.max = {t("Max:"), q(d.maxWert)};
    o.impulszahl = {t("Impulszahl:"), q(d.impulszahl)};
    o.drehzahl = {t("Drehzahl:"), q(d.drehzahl)};
    o.frequenz = {t("Frequenz:"), q(d.frequenz)};
    o.zeilenSchrift = standardSchrift();
    s.inhalt = std::move(o);
    return s;
}

Druckseite aktuellSeite(const measure::AktuellWerte& w, const Kopfzeile& kopf, std::string_view sprache,
                        std::string_view trenner, const Seitenmasse& masse) {
    const Texte t{sprache};
    const measure::CurrentValuesDisplay d = measure::currentValuesDisplay(w, trenner, t.uebersetzer());
    Druckseite s = seite(kopf, masse);
    AktuellDruck a;
    a.sym0 = {t("Symmetrie 0 (Abweichung in %)"), QString::number(d.symmetrie0.iValue)};
    a.sym90 = {t("Symmetrie 90 (Abweichung in %)"), QString::number(d.symmetrie90.iValue)};
    a.phl = {t("Phasenlage (Abweichung in %)"), QString::number(d.phasenlage.iValue)};
    a.versorgung = {t("Versorgungsspannung:"), q(d.versorgungsspannung)};
    a.strom = {t("Stromaufnahme:"), q(d.stromaufnahme)};
    a.impulszahl = {t("Impulszahl:"), q(d.impulszahl)};
    a.drehzahl = {t("Drehzahl:"), q(d.drehzahl)};
    a.frequenz = {t("Frequenz:"), q(d.frequenz)};
    // A page cleared before this result: the notes of codes 110 and 120 only.
    const measure::PercentDisplay* prozente[] = {&d.symmetrie0, &d.symmetrie90, &d.phasenlage};
    for (std::size_t i = 0; i < 3; ++i) {
        if (prozente[i]->nichtVerfuegbar.value_or(false))
            a.hinweise[i] = t("Nicht verfügbar.");
        else if (prozente[i]->frequenzZuHoch.value_or(false))
            a.hinweise[i] = t("Frequenz zu hoch. Messung nicht möglich.");
    }
    a.werteSchrift = standardSchrift();
    a.hinweisSchrift = standardSchrift();
    s.inhalt = std::move(a);
    return s;
}

Druckseite schlechtimpulsSeite(const measure::SchlechtimpulsWerte& w, const Kopfzeile& kopf, std::string_view sprache,
                               std::string_view trenner, const QImage& ring, const Seitenmasse& masse) {
    const Texte t{sprache};
    const measure::BadPulseDisplay d = measure::badPulseDisplay(w, trenner, t.uebersetzer());
    Druckseite s = seite(kopf, masse);
    SchlechtimpulsDruck b;
    b.ring = ring;
    b.titelPositiv = t("Max Abweichung Positiv");
    b.titelNegativ = t("Max Abweichung Negativ");
    b.titelListe = t("Abweichung");
    b.position = t("Position:");
    b.wert = t("Wert:");
    b.maxPositivPos = {b.position, q(d.posMaxPositiv)};
    b.maxPositiv = {b.wert, q(d.maxPositiv)};
    b.maxNegativPos = {b.position, q(d.posMaxNegativ)};
    b.maxNegativ = {b.wert, q(d.maxNegativ)};
    for (std::size_t n = 0; n < 5; ++n)
        if (d.eintraege[n].setzen)
            b.liste[n] = {q(d.eintraege[n].positionText), q(d.eintraege[n].abweichungText)};
    b.impulszahl = {t("Impulszahl:"), q(d.impulszahl)};
    b.drehzahl = {t("Drehzahl:"), q(d.drehzahl)};
    b.frequenz = {t("Frequenz:"), q(d.frequenz)};
    b.anzahl = {t("Anzahl von Abweichung:"), q(d.anzahlAbweichungen)};
    b.legendePositiv = t("Abweichung Positiv");
    b.legendeNegativ = t("Abweichung Negativ");
    b.farbePositiv = vbFarbe(kRingMaxFarbe);
    b.farbeNegativ = vbFarbe(kRingMinFarbe);
    b.farbeListe = vbFarbe(kRingListenFarbe);
    b.schrift = standardSchrift();
    s.inhalt = std::move(b);
    return s;
}

} // namespace kav::records
