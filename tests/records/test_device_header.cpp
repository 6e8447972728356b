// The device memory's record header, its date text, the texts a device record
// is saved with, the save helpers' names and the message texts.
#include <gtest/gtest.h>

#include "device_header.h"
#include "record_texts.h"
#include "save_names.h"
#include "typed_values.h"

namespace kav::records {
namespace {

// A header as the device sends it: name, 0, encoder serial, 0, device serial, 0, date bytes, type.
std::string kopfBytes(const std::string& name10, char nachName = '\0') {
    std::string b = name10 + nachName + "G4711023" + '\0' + "070123" + '\0';
    b += std::string{0, 5, 9, 7, 3, 8, 2};
    return b;
}

TEST(DeviceHeader, FieldsAndDateText) {
    const std::string roh = COM_Text2Hex(kopfBytes("Motor 1   "));
    ASSERT_EQ(roh.size(), 68u);
    const auto k = datensatzkopfLesen(roh);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->name, "Motor 1   ") << "untrimmed";
    EXPECT_EQ(k->geberSN, "G4711023");
    EXPECT_EQ(k->geraetSN, "070123");
    EXPECT_EQ(k->typ, 2);
    EXPECT_EQ(datumText(k->zeit), "07.03.2008 - 09:05:00");
    EXPECT_EQ(listenZeile(roh), "Motor 1   ");
    EXPECT_EQ(datumText({2023, 12, 31, 23, 59, 9}), "31.12.2023 - 23:59:09");

    EXPECT_FALSE(datensatzkopfLesen(roh.substr(0, 66))) << "33 bytes";
    std::string keinHex = roh;
    keinHex[40] = 'G';
    EXPECT_FALSE(datensatzkopfLesen(keinHex));
    EXPECT_TRUE(datensatzkopfLesen(roh + "00")) << "further bytes are not evaluated";
}

TEST(DeviceHeader, TextsForSavingFromKopfText) {
    using namespace std::string_literals;
    struct Fall {
        std::string kopf;
        std::string name;
    };
    const Fall faelle[] = {
        {kopfBytes("Motor\0\0\0\0\0"s), "Motor"},
        {kopfBytes("Motor 1   "), "Motor 1   "},
        // No NUL after the tenth character: the name still ends there.
        {kopfBytes("Pumpenwerk", 'X'), "Pumpenwerk"},
    };
    for (const Fall& f : faelle) {
        const auto g = kopfTextTexte(f.kopf);
        ASSERT_TRUE(g);
        EXPECT_EQ(g->texte.name, f.name);
        EXPECT_EQ(g->texte.geberSN, "G4711023");
        EXPECT_EQ(g->texte.geraetSN, "070123");
        EXPECT_EQ(g->texte.firmware, "") << "the caller adds the one it shows";
        EXPECT_EQ(datumText(g->zeit), "07.03.2008 - 09:05:00");
    }
    EXPECT_FALSE(kopfTextTexte(kopfBytes("Motor 1   ").substr(0, 33)));
}

TEST(SaveNames, DefaultNameAndOnlineRecordName) {
    EXPECT_EQ(standardDateiname({2008, 3, 7, 9, 5, 0}), "2008.03.07-09.05.00");
    EXPECT_EQ(standardDateiname({2031, 12, 31, 23, 59, 58}), "2031.12.31-23.59.58");
    const std::pair<const char*, const char*> faelle[] = {
        {"C:\\Daten\\Motorpruefstand.kav", "pruefstand"},
        {"C:\\Daten\\M1.kav", "        M1"},
        {"/home/service/Welle A.kav", "   Welle A"},
        {"x.kav", "         x"},
        {"/daten/.kav", "          "},
        {"ab", "          "},
    };
    for (const auto& [datei, name] : faelle)
        EXPECT_EQ(onlineDatensatzname(datei), name) << datei;
}

TEST(RecordTexts, TitlesAndMessagesInBothLanguages) {
    EXPECT_EQ(speicherTitel(true, 1, "D"), "Gespeicherte Daten - Aktuell - Speichern");
    EXPECT_EQ(speicherTitel(false, 3, "E"), "ONLINE Measurements - Rotational frequ. modulation - Save");
    EXPECT_EQ(speicherTitel(true, 2, "E"), "Saved data - Bad pulses - Save");

    // The processing-error texts differ from their table keys in one letter's case.
    EXPECT_EQ(bearbeitenFehlerMeldung("E"),
              (Meldung{"Error on data processing.", "Error on processing", Meldung::Symbol::Ausrufezeichen}));
    EXPECT_EQ(bearbeitenFehlerMeldung("D").text, "Beim bearbeiten der Datei ist ein Fehler aufgetreten.");
    EXPECT_EQ(bearbeitenFehlerMeldung("D").titel, "Fehler beim bearbeiten");
    EXPECT_EQ(lesenFehlerMeldung("E").titel, "Error on reading");
    EXPECT_EQ(unbekanntesFormatMeldung("E").titel, "Unknown data format");
    EXPECT_EQ(abbruchMeldung("D"),
              (Meldung{"Daten wurden nicht gespeichert.", "Abbruch", Meldung::Symbol::Ausrufezeichen}));
    EXPECT_EQ(ueberschreibenFrage("E").text, "File already exists.\r\nDo you want to replace the file?");

    EXPECT_EQ(speicherFehlerMeldung(DateiFehler::KeinPlatz, "E"),
              (Meldung{"The file could not be saved.\r\nThe disk is full.", "Error on saving",
                       Meldung::Symbol::Ausrufezeichen}));
    EXPECT_EQ(speicherFehlerMeldung(Schreibfehler::FestkommaBereich, "D").text,
              "Die Datei konnte nicht gespeichert werden.\r\nEin Wert liegt außerhalb des speicherbaren Bereichs.");
    EXPECT_EQ(speicherFehlerMeldung(Schreibfehler::KeineDaten, "E"), keineDatenMeldung("E"));
    EXPECT_EQ(
        speicherFehlerLogZeile(1, "/d/a.kav", DateiFehler::KeineRechte),
        "DateiSchreiben1 -> Die Datei konnte nicht gespeichert werden (/d/a.kav): Keine Berechtigung zum Schreiben.");
    EXPECT_EQ(lesenFehlerLogZeile("/d/a.kav"),
              "DateiOeffnen -> Beim Lesen der Datei ist ein Fehler aufgetreten (/d/a.kav).");

    int n = 0;
    const EigenesPaar* p = eigeneTexte(&n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(T(p[i].deutsch, "E"), p[i].englisch);
        EXPECT_EQ(T(p[i].deutsch, "D"), p[i].deutsch);
    }
}

} // namespace
} // namespace kav::records
