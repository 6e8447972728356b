// The reader: round trips of all three types, the other types, and every way
// a file can be wrong.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>

#include "record_file.h"

namespace kav::records {
namespace {

using measure::AktuellWerte;
using measure::DrehschwebungWerte;
using measure::SchlechtimpulsWerte;

const LocalTime kZeit{2031, 12, 31, 23, 59, 58};
const KopfTexte kKopf{"V2.13", "G4711023", "070123", "Welle A"};

// What a fixed-point value comes back as.
float festkomma(float v) { return static_cast<float>(std::floor(static_cast<double>(v) * 65536.0) / 65536.0); }

AktuellWerte typ1() {
    AktuellWerte w;
    w.Impulszahl = 5000;
    w.Drehzahl = -1234.56789f;
    w.Frequenz = -102876;
    w.Versorgungsspannung = 23.987f;
    w.Stromaufnahme = -2;
    w.Symmetrie0 = 200; // -56
    w.Symmetrie90 = 110;
    w.Phasenlage = 127;
    w.Spurfehler = 3;
    return w;
}

SchlechtimpulsWerte typ2() {
    SchlechtimpulsWerte w;
    w.PosMaxNegativ = 1023;
    w.MaxNegativ = 250;
    w.PosMaxPositiv = 7;
    w.MaxPositiv = 25;
    w.AbwPos = {1, 2, 300, 70000, -1};
    w.AbwWert = {3, 253, 0, 128, 127};
    w.AnzahlAbweichungen = 9;
    w.Impulszahl = 1024;
    w.Drehzahl = 1499.99f;
    w.Frequenz = 25600; // not in the file: read back as Drehzahl x Impulszahl / 60
    return w;
}

DrehschwebungWerte typ3(int proben) {
    DrehschwebungWerte w;
    w.Impulszahl = 2048;
    w.Drehzahl = 32767.5f;
    w.Frequenz = 1118464;
    w.Umdrehungen = 255;
    w.MinWert = -32768;
    w.MaxWert = 32767;
    w.AnzahlMesswerte = static_cast<std::int16_t>(proben);
    for (int i = 0; i < proben; ++i)
        w.Messdaten += i % 2 ? "0080" : "FF7F"; // -32768, 32767
    return w;
}

TEST(RecordReader, RoundTripsOfAllThreeTypes) {
    AktuellWerte a = typ1();
    const Leseergebnis r1 = DateiLesen(DateiSchreiben1(a, kKopf, kZeit).bytes);
    ASSERT_TRUE(r1.ok());
    a.Drehzahl = festkomma(a.Drehzahl);
    a.Versorgungsspannung = festkomma(a.Versorgungsspannung);
    EXPECT_EQ(std::get<AktuellWerte>(r1.daten), a);
    EXPECT_EQ(r1.typ, 1);

    SchlechtimpulsWerte s = typ2();
    const Leseergebnis r2 = DateiLesen(DateiSchreiben2(s, kKopf, kZeit).bytes);
    ASSERT_TRUE(r2.ok());
    s.Drehzahl = festkomma(s.Drehzahl);
    EXPECT_EQ(std::get<SchlechtimpulsWerte>(r2.daten), s);

    for (int proben : {1, 3, 10000}) {
        const DrehschwebungWerte d = typ3(proben);
        const Dateiinhalt inhalt = DateiSchreiben3(d, kKopf, kZeit);
        ASSERT_TRUE(inhalt.ok());
        EXPECT_EQ(inhalt.bytes.size(), kLaengeTyp3OhneMessdaten + 4u * static_cast<unsigned>(proben));
        const Leseergebnis r3 = DateiLesen(inhalt.bytes);
        ASSERT_TRUE(r3.ok());
        EXPECT_EQ(std::get<DrehschwebungWerte>(r3.daten), d) << proben;
        // Written again, the file is the same byte for byte.
        EXPECT_EQ(DateiSchreiben3(std::get<DrehschwebungWerte>(r3.daten), r3.kopf, r3.zeit).bytes, inhalt.bytes);
    }

    EXPECT_EQ(r1.kopf, kKopf) << "texts trimmed";
    EXPECT_TRUE(r1.datumGelesen);
    EXPECT_EQ(r1.zeit.year, 2031);
    EXPECT_EQ(r1.zeit.month, 12);
    EXPECT_EQ(r1.zeit.day, 31);
    EXPECT_EQ(r1.zeit.hour, 23);
    EXPECT_EQ(r1.zeit.minute, 59);
    EXPECT_EQ(r1.zeit.second, 58);
}

TEST(RecordReader, IntoTheLiveRecordsType2TakesTheFrequencyOfItsOwnSpeed) {
    AktuellWerte l1;
    SchlechtimpulsWerte l2;
    l2.Frequenz = 51200; // an earlier live result's
    DrehschwebungWerte l3;
    const Leseergebnis r2 = DateiLesen(DateiSchreiben2(typ2(), kKopf, kZeit).bytes);
    EXPECT_EQ(inLiveRecord(r2, l1, l2, l3), 2);
    EXPECT_EQ(l2.Frequenz, 25600);
    EXPECT_EQ(l2.AnzahlAbweichungen, 9);
    EXPECT_EQ(l1, AktuellWerte{});

    const Leseergebnis r3 = DateiLesen(DateiSchreiben3(typ3(3), kKopf, kZeit).bytes);
    EXPECT_EQ(inLiveRecord(r3, l1, l2, l3), 3);
    EXPECT_EQ(l3.AnzahlMesswerte, 3);
}

TEST(RecordReader, AnotherTypeGivesTheHeaderOnly) {
    std::string s = DateiSchreiben1(typ1(), kKopf, kZeit).bytes;
    s.replace(47, 2, "07");
    for (const std::string& inhalt : {s, s.substr(0, 51)}) {
        const Leseergebnis r = DateiLesen(inhalt);
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.typ, 7);
        EXPECT_TRUE(std::holds_alternative<std::monostate>(r.daten));
        EXPECT_EQ(r.kopf.name, "Welle A");
        AktuellWerte l1 = typ1();
        SchlechtimpulsWerte l2;
        DrehschwebungWerte l3;
        EXPECT_EQ(inLiveRecord(r, l1, l2, l3), 0);
        EXPECT_EQ(l1, typ1()) << "untouched";
    }
}

TEST(RecordReader, EveryFailure) {
    const std::string t1 = DateiSchreiben1(typ1(), kKopf, kZeit).bytes;
    const std::string t2 = DateiSchreiben2(typ2(), kKopf, kZeit).bytes;
    const std::string t3 = DateiSchreiben3(typ3(3), kKopf, kZeit).bytes;
    auto ersetzt = [](std::string s, std::size_t pos1, const std::string& mit) {
        return s.replace(pos1 - 1, mit.size(), mit);
    };
    struct Fall {
        const char* was;
        std::string inhalt;
        Lesefehler fehler;
        bool texte; // the header texts are there
        bool datum;
    };
    const Fall faelle[] = {
        {"empty file", "", Lesefehler::KeineKavDatei, false, false},
        {"two characters", "KA", Lesefehler::KeineKavDatei, false, false},
        {"other magic", ersetzt(t1, 1, "KAW"), Lesefehler::KeineKavDatei, false, false},
        {"lower-case magic", ersetzt(t1, 1, "kav"), Lesefehler::KeineKavDatei, false, false},
        {"reserved byte 01", ersetzt(t1, 50, "01"), Lesefehler::KeineKavDatei, false, false},
        {"reserved byte not hex", ersetzt(t1, 50, "0G"), Lesefehler::KeineKavDatei, false, false},
        {"magic only", "KAV", Lesefehler::Verarbeitungsfehler, true, false},
        {"cut in the date", t1.substr(0, 40), Lesefehler::Verarbeitungsfehler, true, false},
        {"date not hex", ersetzt(t1, 40, "0Z"), Lesefehler::Verarbeitungsfehler, true, false},
        {"type not hex", ersetzt(t1, 48, "X1"), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 1 one short", t1.substr(0, 94), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 1 field not hex", ersetzt(t1, 60, "05DC80G0"), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 1 sign in field", ersetzt(t1, 52, "-0000400"), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 2 header only", t2.substr(0, 51), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 2 last value cut", t2.substr(0, 144), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 3 count beyond samples", ersetzt(t3, 86, "0004"), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 3 negative count", ersetzt(t3, 86, "FFFF"), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 3 sample not hex", ersetzt(t3, 95, " "), Lesefehler::Verarbeitungsfehler, true, true},
        {"type 3 without count", t3.substr(0, 87), Lesefehler::Verarbeitungsfehler, true, true},
    };
    for (const Fall& f : faelle) {
        const Leseergebnis r = DateiLesen(f.inhalt);
        EXPECT_EQ(r.fehler, f.fehler) << f.was;
        EXPECT_EQ(r.kopf.name == "Welle A", f.texte && f.inhalt.size() >= 35) << f.was;
        EXPECT_EQ(r.datumGelesen, f.datum) << f.was;
        EXPECT_TRUE(std::holds_alternative<std::monostate>(r.daten)) << f.was << ": nothing half-filled";
    }
    // The reserved-byte and type tests count missing characters as 0.
    const Leseergebnis typNull = DateiLesen(t1.substr(0, 48));
    EXPECT_EQ(typNull.fehler, Lesefehler::Keiner) << "type \"0\", no reserved byte: a header-only record";
    EXPECT_EQ(typNull.typ, 0);
    const Leseergebnis typEins = DateiLesen(t1.substr(0, 49));
    EXPECT_EQ(typEins.fehler, Lesefehler::Verarbeitungsfehler) << "type 1 without its data";
    EXPECT_EQ(typEins.typ, 1);
}

TEST(RecordReader, TrailingCharactersAreIgnoredAndLowerCaseHexIsRead) {
    std::string s = DateiSchreiben1(typ1(), kKopf, kZeit).bytes;
    for (std::size_t i = 51; i < s.size(); ++i)
        s[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    s += "\r\nrest";
    const Leseergebnis r = DateiLesen(s);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(std::get<AktuellWerte>(r.daten).Impulszahl, 5000);
}

} // namespace
} // namespace kav::records
