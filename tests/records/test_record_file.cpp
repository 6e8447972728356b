// The writers: the exact bytes of each record type, the mth export, and what
// they refuse.
#include <gtest/gtest.h>

#include "ansi_utf8.h"
#include "record_file.h"

namespace kav::records {
namespace {

using measure::AktuellWerte;
using measure::DrehschwebungWerte;
using measure::SchlechtimpulsWerte;

const LocalTime k7Maerz2008{2008, 3, 7, 9, 5, 0};

AktuellWerte beispielTyp1() {
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = 1500.5f;
    w.Frequenz = 25600;
    w.Versorgungsspannung = 24.0f;
    w.Stromaufnahme = 65;
    w.Symmetrie0 = 50;
    w.Symmetrie90 = 49;
    w.Phasenlage = 90;
    w.Spurfehler = 0;
    return w;
}

const KopfTexte kBeispielKopf{"1.02", "12345678", "000815", "Motor 1"};

DrehschwebungWerte dreiProben() {
    DrehschwebungWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = -1500.25f;
    w.Frequenz = 25600;
    w.Umdrehungen = 3;
    w.MinWert = -120;
    w.MaxWert = 130;
    w.AnzahlMesswerte = 3;
    w.Messdaten = "2C01"
                  "88FF"
                  "0000"; // 300, -120, 0
    return w;
}

TEST(RecordWriter, Type1ExampleByteForByte) {
    const Dateiinhalt d = DateiSchreiben1(beispielTyp1(), kBeispielKopf, k7Maerz2008);
    ASSERT_TRUE(d.ok());
    const std::string erwartet = std::string("KAV") + "    1.02" + "12345678" + "000815" + "   Motor 1" + "080307" +
                                 "090500" + "01" + "00" + "00000400" + "05DC8000" + "00006400" + "00180000" + "0041" +
                                 "32" + "31" + "5A" + "00";
    EXPECT_EQ(d.bytes, erwartet);
    EXPECT_EQ(d.bytes.size(), kLaengeTyp1);
}

TEST(RecordWriter, Type2ExampleByteForByte) {
    // Every field a value of its own, so a swap of two fields shows.
    SchlechtimpulsWerte w;
    w.Drehzahl = 1200;
    w.Impulszahl = 1024;
    w.AnzahlAbweichungen = 3;
    w.PosMaxPositiv = 300;
    w.MaxPositiv = 12;
    w.PosMaxNegativ = 700;
    w.MaxNegativ = 250;
    w.AbwPos = {90, 410, 5, 6, 7};
    w.AbwWert = {3, 253, 1, 2, 4};
    const Dateiinhalt d = DateiSchreiben2(w, kBeispielKopf, k7Maerz2008);
    ASSERT_TRUE(d.ok());
    const std::string erwartet = std::string("KAV") + "    1.02" + "12345678" + "000815" + "   Motor 1" + "080307" +
                                 "090500" + "02" + "00" + "04B00000" + "00000400" + "00000003" + "0000012C" + "0C" +
                                 "000002BC" + "FA" + "0000005A03" + "0000019AFD" + "0000000501" + "0000000602" +
                                 "0000000704";
    EXPECT_EQ(d.bytes, erwartet);
}

TEST(RecordWriter, LengthsAndTextFields) {
    KopfTexte lang = kBeispielKopf;
    lang.firmware = "V10.02-rc1";     // 10 characters: the last 8 stay
    lang.name = "Motorpruefstand 12"; // longer than 10
    const Dateiinhalt d1 = DateiSchreiben1(beispielTyp1(), lang, k7Maerz2008);
    ASSERT_TRUE(d1.ok());
    EXPECT_EQ(d1.bytes.substr(3, 8), "0.02-rc1");
    EXPECT_EQ(d1.bytes.substr(25, 10), "efstand 12");

    SchlechtimpulsWerte s;
    s.AnzahlAbweichungen = 1;
    const Dateiinhalt d2 = DateiSchreiben2(s, kBeispielKopf, k7Maerz2008);
    ASSERT_TRUE(d2.ok());
    EXPECT_EQ(d2.bytes.size(), kLaengeTyp2);
    EXPECT_EQ(d2.bytes.substr(47, 2), "02");

    const Dateiinhalt d3 = DateiSchreiben3(dreiProben(), kBeispielKopf, k7Maerz2008);
    ASSERT_TRUE(d3.ok());
    EXPECT_EQ(d3.bytes.size(), 101u);
    EXPECT_EQ(d3.bytes.substr(51), "00000400"
                                   "FA23C000"
                                   "00006400"
                                   "03"
                                   "FF88"
                                   "0082"
                                   "0003"
                                   "2C0188FF0000");
}

TEST(RecordWriter, WindowsUmlautsInTheName) {
    KopfTexte k = kBeispielKopf;
    k.name = utf8ToAnsi("Lüfter Ä");
    const Dateiinhalt d = DateiSchreiben1(beispielTyp1(), k, k7Maerz2008);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(d.bytes.size(), kLaengeTyp1) << "one byte per umlaut";
    EXPECT_EQ(d.bytes.substr(25, 10), "  L\xFC"
                                      "fter \xC4");
    const Leseergebnis r = DateiLesen(d.bytes);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(ansiToUtf8(r.kopf.name), "Lüfter Ä");
}

TEST(RecordWriter, Refusals) {
    struct Fall {
        const char* was;
        Schreibfehler erwartet;
        Dateiinhalt inhalt;
    };
    AktuellWerte schnell = beispielTyp1();
    schnell.Drehzahl = 40000.0f; // beyond the signed 16.16 range
    AktuellWerte leer;
    SchlechtimpulsWerte keineAbweichung;
    keineAbweichung.Impulszahl = 1024;
    DrehschwebungWerte kurz = dreiProben();
    kurz.Messdaten.pop_back();
    DrehschwebungWerte keinHex = dreiProben();
    keinHex.Messdaten[5] = 'x';
    LocalTime vor2000 = k7Maerz2008;
    vor2000.year = 1999;
    LocalTime nach2255 = k7Maerz2008;
    nach2255.year = 2256;
    const Fall faelle[] = {
        {"no data, type 1", Schreibfehler::KeineDaten, DateiSchreiben1(leer, kBeispielKopf, k7Maerz2008)},
        {"no data, type 2", Schreibfehler::KeineDaten, DateiSchreiben2(keineAbweichung, kBeispielKopf, k7Maerz2008)},
        {"no data, type 3", Schreibfehler::KeineDaten, DateiSchreiben3({}, kBeispielKopf, k7Maerz2008)},
        {"fixed point", Schreibfehler::FestkommaBereich, DateiSchreiben1(schnell, kBeispielKopf, k7Maerz2008)},
        {"year 1999", Schreibfehler::DatumBereich, DateiSchreiben1(beispielTyp1(), kBeispielKopf, vor2000)},
        {"year 2256", Schreibfehler::DatumBereich, DateiSchreiben3(dreiProben(), kBeispielKopf, nach2255)},
        {"samples missing", Schreibfehler::Messdaten, DateiSchreiben3(kurz, kBeispielKopf, k7Maerz2008)},
        {"samples not hex", Schreibfehler::Messdaten, DateiSchreiben3(keinHex, kBeispielKopf, k7Maerz2008)},
        {"mth, samples missing", Schreibfehler::Messdaten, DateiSchreiben3Mth(kurz, kBeispielKopf, k7Maerz2008)},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f.inhalt.fehler, f.erwartet) << f.was;
        EXPECT_TRUE(f.inhalt.bytes.empty()) << f.was;
    }
}

TEST(RecordWriter, MthExportOfType3) {
    EXPECT_EQ(mthDateiname("x.kav"), "x.mth");
    EXPECT_EQ(mthDateiname("/math/a.kav"), "/math/a.mth");
    const Dateiinhalt d = DateiSchreiben3Mth(dreiProben(), kBeispielKopf, k7Maerz2008, ',');
    ASSERT_TRUE(d.ok());
    const std::string erwartet = std::string("KAV    1.0212345678000815   Motor 1\r\n") + "2008.03.07 - 09:05:00\r\n" +
                                 "1024 -1500,25 25600 3 -120 130 3" + std::string("\x2C\x01\x88\xFF\x00\x00", 6);
    EXPECT_EQ(d.bytes, erwartet);
}

} // namespace
} // namespace kav::records
