#include <dialogs.h>
#include <globals.h>
#include <language.h>

#include "globals_sichern.h"
#include "log_umgebung.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <set>

using namespace kav::shell;

namespace {

QString T(const char* utf8) { return SprachText(QString::fromUtf8(utf8)); }

class Sprachtexte : public ::testing::Test {
protected:
    kav::test::GlobalSichern sichern;
    void SetUp() override {
        global().Sprache = QStringLiteral("E");
        global().SpracheAn = false;
    }
};

} // namespace

TEST_F(Sprachtexte, TheTableHoldsItsPairsInSearchOrder) {
    int anzahl = 0;
    const SprachPaar* t = englischTabelle(&anzahl);
    ASSERT_EQ(anzahl, kFensterPaare + kSupportPaare + kZusatzPaare + kDateiPaare + kav::texts::kTrendPaare);
    EXPECT_STREQ(t[0].deutsch, "Datei");
    EXPECT_STREQ(t[47].deutsch, "''");
    EXPECT_STREQ(t[85].englisch, "Please wait.");
    EXPECT_STREQ(t[136].deutsch, "Time out.");
    // "Min:" and "Max:" stand twice, at 44/96 and 45/97; no other key repeats.
    std::multiset<std::string> schluessel;
    for (int i = 0; i < kFensterPaare; ++i)
        schluessel.insert(t[i].deutsch);
    EXPECT_EQ(schluessel.count("Min:"), 2u);
    EXPECT_EQ(schluessel.count("Max:"), 2u);
    EXPECT_EQ(std::set<std::string>(schluessel.begin(), schluessel.end()).size(), 135u);
    EXPECT_STREQ(t[43].deutsch, "Min:");
    EXPECT_STREQ(t[95].deutsch, "Min:");
}

TEST_F(Sprachtexte, EnglishLookups) {
    EXPECT_EQ(T("Datei"), QStringLiteral("File"));
    EXPECT_EQ(T("Zurück"), QStringLiteral("Back"));
    EXPECT_EQ(T("Schließen"), QStringLiteral("Close"));
    EXPECT_EQ(T("Überschreiben?"), QStringLiteral("Replacing?"));
    EXPECT_EQ(T("Drehschwebung"), QStringLiteral("Rotational frequ. modulation"));
    EXPECT_EQ(T("1/min"), QStringLiteral("rpm"));
    EXPECT_EQ(T("S/N Geber:"), QStringLiteral("S/N Encoder"));
    EXPECT_EQ(T("Es ist Ein Fehler aufgetreten."), QStringLiteral("An error occured."));
    EXPECT_EQ(T("Bitte warten."), QStringLiteral("Please wait."));
    EXPECT_EQ(T("Bitte warten Sie."), QStringLiteral("Please wait."));
    EXPECT_EQ(T("Auslesen der Datei"), QStringLiteral("Read data"));
    EXPECT_EQ(T("Auslesen der Datenanzahl"), QStringLiteral("Read data"));
    EXPECT_EQ(T("Min:"), QStringLiteral("Min:"));
    EXPECT_EQ(T("Der Ordner kann nicht geöffnet werden."), QStringLiteral("The folder cannot be opened."));
    EXPECT_EQ(SprachText(QString()), QString());
}

TEST_F(Sprachtexte, OnlyExactKeysMatch) {
    EXPECT_EQ(T("datei"), QStringLiteral("datei"));
    EXPECT_EQ(T("Datei "), QStringLiteral("Datei "));
    EXPECT_EQ(T(" Datei"), QStringLiteral(" Datei"));
    EXPECT_EQ(T("ONLINE messungen"), QStringLiteral("ONLINE messungen"));
    EXPECT_EQ(T("Tipp: Mit Hilfe der Knöpfe kommen Sie weiter zur Livedaten Messungen."),
              QString::fromUtf8("Tipp: Mit Hilfe der Knöpfe kommen Sie weiter zur Livedaten Messungen."));
}

TEST_F(Sprachtexte, GermanReturnsTheKeyAndAnUnknownCodeCountsAsEnglish) {
    global().Sprache = QStringLiteral("D");
    EXPECT_EQ(T("Datei"), QStringLiteral("Datei"));
    EXPECT_EQ(T("Bitte warten Sie."), QStringLiteral("Bitte warten Sie."));
    EXPECT_EQ(SprachText(QString()), QString());
    for (const char* code : {"X", "", "d", "e", "EN"}) {
        global().Sprache = QString::fromLatin1(code);
        EXPECT_EQ(T("Datei"), QStringLiteral("File")) << code;
    }
}

TEST_F(Sprachtexte, MissingEnglishTextIsLoggedOnlyWithTheSwitch) {
    kav::test::LogUmgebung env;
    T("Tipp: Mit Hilfe der Knöpfe kommen Sie weiter zur Livedaten Messungen.");
    EXPECT_TRUE(env.dateien().isEmpty());

    global().SpracheAn = true;
    T("Datei");
    EXPECT_TRUE(env.dateien().isEmpty()); // a hit is not logged
    T("Tipp: Mit Hilfe der Knöpfe kommen Sie weiter zur Livedaten Messungen.");
    T("Datei ");
    EXPECT_EQ(env.tagesLog(), QByteArray("09:04:07 - (De): \"Tipp: Mit Hilfe der Kn\xf6"
                                         "pfe kommen Sie weiter zur Livedaten Messungen.\""
                                         " - (En): \"\"\r\n"
                                         "09:04:07 - (De): \"Datei \" - (En): \"\"\r\n"));

    global().Sprache = QStringLiteral("D");
    T("nirgends");
    EXPECT_EQ(env.tagesLog().count('\n'), 2); // German looks nothing up
}

TEST_F(Sprachtexte, AboutContentFollowsTheLanguage) {
    Dialoge::AboutInhalt en = aboutInhalt(QStringLiteral("KavStudio"), QStringLiteral("1.0.0"));
    EXPECT_EQ(en.fensterTitel, QStringLiteral("Info about KavStudio"));
    EXPECT_EQ(en.titel, QStringLiteral("KavStudio"));
    EXPECT_EQ(en.version, QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(en.beschreibung, QStringLiteral("Program for the KAV100 test device\n\n"
                                              "Description and manual: the project's README.md\n"
                                              "Licence: proprietary, all rights reserved"));

    global().Sprache = QStringLiteral("D");
    Dialoge::AboutInhalt de = aboutInhalt(QStringLiteral("KavStudio"), QStringLiteral("1.2.3"),
                                          QStringLiteral("/k/Settings.ini"), QStringLiteral("/k/logs"));
    EXPECT_EQ(de.fensterTitel, QString::fromUtf8("Info über KavStudio"));
    EXPECT_EQ(de.version, QStringLiteral("Version 1.2.3"));
    EXPECT_TRUE(de.beschreibung.startsWith(QString::fromUtf8("Programm für das Prüfgerät KAV100\n\n")));
    EXPECT_TRUE(de.beschreibung.endsWith(QStringLiteral("\n\nEinstellungen:\n/k/Settings.ini\nProtokolle:\n/k/logs")));
    en = aboutInhalt(QStringLiteral("KavStudio"), QStringLiteral("1.0.0"), QStringLiteral("/k/Settings.ini"),
                     QStringLiteral("/k/logs"));
    EXPECT_EQ(de.beschreibung.count(u'\n'), en.beschreibung.count(u'\n'));
}
