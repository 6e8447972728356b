// A result record as one line of JSON.
#include <gtest/gtest.h>

#include "language_table.h"
#include "result_json.h"

namespace kav::measure {
namespace {

const Translator kEnglisch = [](const std::string& d) { return texts::sprachText(d, "E"); };
const Translator kDeutsch = [](const std::string& d) { return texts::sprachText(d, "D"); };

TEST(ResultJson, CurrentValues) {
    AktuellWerte w;
    w.Impulszahl = 1024;
    w.Drehzahl = 999.96f;
    w.Frequenz = 25600;
    w.Versorgungsspannung = 24.0f;
    w.Stromaufnahme = 2001;
    w.Symmetrie0 = 200;
    w.Symmetrie90 = 110;
    w.Phasenlage = 120;
    w.Spurfehler = 2;
    EXPECT_EQ(resultJson(w,
                         "G\xE4"
                         "1",
                         kEnglisch),
              "{\"type\": 1, \"encoder_serial\": \"G\xC3\xA4"
              "1\", \"values\": {\"Impulszahl\": 1024, "
              "\"Drehzahl\": 999.96, \"Frequenz\": 25600, \"Versorgungsspannung\": 24, \"Stromaufnahme\": 2001, "
              "\"Symmetrie0\": 200, \"Symmetrie90\": 110, \"Phasenlage\": 120, \"Spurfehler\": 2}, \"texts\": "
              "{\"Impulszahl\": \"1024\", \"Drehzahl\": \"1000 rpm\", \"Frequenz\": \"25.6 kHz\", "
              "\"Versorgungsspannung\": \"24.0 V\", \"Stromaufnahme\": \"--\", \"Symmetrie0\": \"-56\", "
              "\"Symmetrie0_note\": \"\", \"Symmetrie90\": \"0\", \"Symmetrie90_note\": \"Frequency too high. "
              "Measurement impossible.\", \"Phasenlage\": \"0\", \"Phasenlage_note\": \"Not available.\", "
              "\"Spurfehler\": \"Error on 0 line\"}}");
    w.Drehzahl = 1500;
    const std::string deutsch = resultJson(w, "", kDeutsch);
    EXPECT_NE(deutsch.find("\"Drehzahl\": \"1500 1/min\""), std::string::npos) << deutsch;
    EXPECT_NE(deutsch.find("\"Phasenlage_note\": \"Nicht verfügbar.\""), std::string::npos) << deutsch;
}

TEST(ResultJson, BadPulses) {
    SchlechtimpulsWerte w;
    w.PosMaxNegativ = 77;
    w.MaxNegativ = 250;
    w.PosMaxPositiv = 12;
    w.MaxPositiv = 9;
    w.AbwPos = {5, 77, 0, 0, 0};
    w.AbwWert = {3, 250, 0, 0, 0};
    w.AnzahlAbweichungen = 4;
    w.Impulszahl = 1024;
    w.Drehzahl = 1500.5f;
    w.Frequenz = 999;
    const std::string json = resultJson(w, "", kEnglisch);
    EXPECT_EQ(json,
              "{\"type\": 2, \"encoder_serial\": \"\", \"values\": {\"PosMaxNegativ\": 77, \"MaxNegativ\": 250, "
              "\"PosMaxPositiv\": 12, \"MaxPositiv\": 9, \"AbwPos\": [5, 77, 0, 0, 0], \"AbwWert\": "
              "[3, 250, 0, 0, 0], \"AnzahlAbweichungen\": 4, \"Impulszahl\": 1024, \"Drehzahl\": 1500.5, "
              "\"Frequenz\": 999}, \"texts\": {\"PosMaxNegativ\": \"77\", \"MaxNegativ\": \"-6\", "
              "\"PosMaxPositiv\": \"12\", \"MaxPositiv\": \"9\", \"AbwPos\": [\"5\", \"77\", \"0\", \"0\", \"0\"], "
              "\"AbwWert\": [\"3\", \"-6\", \"0\", \"0\", \"0\"], \"AnzahlAbweichungen\": \"4\", "
              "\"Impulszahl\": \"1024\", \"Drehzahl\": \"1501 rpm\", \"Frequenz\": \"999 Hz\"}}");
    // Entries at both maximum positions are left unchanged: "".
    w.PosMaxPositiv = 77;
    EXPECT_NE(resultJson(w, "", kEnglisch).find("\"AbwPos\": [\"5\", \"\", \"0\""), std::string::npos);
}

TEST(ResultJson, OscillationHoldsOnlyItsSamples) {
    DrehschwebungWerte w;
    w.Messdaten = "0100FFFF0080AB";
    w.AnzahlMesswerte = 10;
    w.Impulszahl = 1024;
    w.Drehzahl = -7000;
    w.Frequenz = -1000;
    w.Umdrehungen = 1;
    w.MinWert = -32768;
    w.MaxWert = 1;
    EXPECT_EQ(resultJson(w, "X\"\x01", kEnglisch),
              "{\"type\": 3, \"encoder_serial\": \"X\\\"\\u0001\", \"values\": {\"Messdaten\": \"0100FFFF0080\", "
              "\"AnzahlMesswerte\": 3, \"Impulszahl\": 1024, \"Drehzahl\": -7000, \"Frequenz\": -1000, "
              "\"Umdrehungen\": 1, \"MinWert\": -32768, \"MaxWert\": 1, \"samples\": [1, -1, -32768]}, \"texts\": "
              "{\"Impulszahl\": \"1024\", \"Drehzahl\": \"-7000 rpm\", \"Frequenz\": \"-1.0 kHz\", "
              "\"Umdrehungen\": \"1 revolut.\", \"MinWert\": \"-32768 ''\", \"MaxWert\": \"1 ''\"}}");
}

TEST(ResultJson, NothingShownGivesEmptyTexts) {
    const std::string json = resultJson(AktuellWerte{}, "", kEnglisch);
    EXPECT_NE(json.find("\"texts\": {\"Impulszahl\": \"\", \"Drehzahl\": \"\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"Symmetrie0\": \"\", \"Symmetrie0_note\": \"\""), std::string::npos) << json;
}

} // namespace
} // namespace kav::measure
