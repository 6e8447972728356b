#include <ini_profile.h>

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kav::shell;

namespace {

class IniProfile : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString datei = ordner.filePath(QStringLiteral("Settings.ini"));

    void schreibeBytes(const QByteArray& bytes) {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QString lies(const QString& schluessel, const QString& vorgabe = QStringLiteral("DEF")) const {
        return INILesen(datei, QStringLiteral("KAV"), schluessel, vorgabe);
    }
};

// A settings file as a user's editor leaves it: comments, a foreign section,
// blanks around the names, CR LF line ends.
const QByteArray kGemischt = "; KavStudio settings\r\n"
                             "[Other]\r\n"
                             "Language=D\r\n"
                             "\r\n"
                             "[KAV]\r\n"
                             "Connect on load=0\r\n"
                             "; keep this comment\r\n"
                             "  Language =  E  \r\n"
                             "Programm path=C:\\Daten\\KAV\\\r\n"
                             "\r\n"
                             "[Last]\r\n"
                             "x=1\r\n";

} // namespace

TEST_F(IniProfile, MissingFileOrKeyGivesTheDefaultTrimmed) {
    EXPECT_EQ(lies(QStringLiteral("Language"), QStringLiteral("E")), QStringLiteral("E"));
    EXPECT_EQ(lies(QStringLiteral("Language"), QStringLiteral("  E ")), QStringLiteral("E"));
    EXPECT_EQ(lies(QStringLiteral("Language"), QString()), QString());
    schreibeBytes(kGemischt);
    EXPECT_EQ(lies(QStringLiteral("Write errors"), QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_EQ(INILesen(datei, QStringLiteral("Nowhere"), QStringLiteral("Language"), QStringLiteral("dflt")),
              QStringLiteral("dflt"));
    // A key outside its section is not found there.
    EXPECT_EQ(INILesen(datei, QStringLiteral("Last"), QStringLiteral("Language"), QStringLiteral("-")),
              QStringLiteral("-"));
}

TEST_F(IniProfile, NamesMatchWithoutCaseAndValuesAreTrimmed) {
    schreibeBytes(kGemischt);
    EXPECT_EQ(lies(QStringLiteral("Language")), QStringLiteral("E"));
    EXPECT_EQ(lies(QStringLiteral("LANGUAGE")), QStringLiteral("E"));
    EXPECT_EQ(INILesen(datei, QStringLiteral("kav"), QStringLiteral("connect ON load"), QStringLiteral("1")),
              QStringLiteral("0"));
    EXPECT_EQ(INILesen(datei, QStringLiteral("other"), QStringLiteral("language"), QString()), QStringLiteral("D"));
    EXPECT_EQ(lies(QStringLiteral("Programm path")), QStringLiteral("C:\\Daten\\KAV\\"));
    // A comment line is never a key.
    EXPECT_EQ(lies(QStringLiteral("; keep this comment")), QStringLiteral("DEF"));
}

TEST_F(IniProfile, EmptyValueIsEmptyNotTheDefault) {
    schreibeBytes("[KAV]\r\nConnect on load=\r\nWrite errors=   \r\nLanguage\r\n");
    EXPECT_EQ(lies(QStringLiteral("Connect on load"), QStringLiteral("1")), QString());
    EXPECT_EQ(lies(QStringLiteral("Write errors"), QStringLiteral("1")), QString());
    EXPECT_EQ(lies(QStringLiteral("Language"), QStringLiteral("E")), QString());
}

TEST_F(IniProfile, EnclosingQuotesAreDroppedAndTabsTrimmed) {
    schreibeBytes("[KAV]\nA=\"C:\\x y\\\"\nB='q'\nC=\"half\nD=\t v \t\n");
    EXPECT_EQ(lies(QStringLiteral("A")), QStringLiteral("C:\\x y\\"));
    EXPECT_EQ(lies(QStringLiteral("B")), QStringLiteral("q"));
    EXPECT_EQ(lies(QStringLiteral("C")), QStringLiteral("\"half"));
    EXPECT_EQ(lies(QStringLiteral("D")), QStringLiteral("v"));
}

TEST_F(IniProfile, LongValuesAreCutAt254Characters) {
    const QByteArray lang(300, 'x');
    const QByteArray genau(253, 'y');
    // Blanks that end up at the cut are trimmed like any others.
    const QByteArray mitBlank = QByteArray(252, 'z') + "   tail";
    schreibeBytes("[KAV]\r\nL=" + lang + "\r\nG=" + genau + "\r\nB=" + mitBlank + "\r\n");
    EXPECT_EQ(lies(QStringLiteral("L")), QString(254, u'x'));
    EXPECT_EQ(lies(QStringLiteral("G")), QString(253, u'y'));
    EXPECT_EQ(lies(QStringLiteral("B")), QString(252, u'z'));
    EXPECT_EQ(lies(QStringLiteral("none"), QString(260, u'd')), QString(254, u'd'));
}

TEST_F(IniProfile, WritingReplacesTheValueInPlaceAndKeepsEverythingElse) {
    schreibeBytes(kGemischt);
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("kav"), QStringLiteral("LANGUAGE"), QStringLiteral("D")));
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Connect on load"), QStringLiteral("1")));
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Programm path"),
                             QStringLiteral("D:\\Mess daten\\")));
    QByteArray erwartet = kGemischt;
    erwartet.replace("Connect on load=0", "Connect on load=1");
    erwartet.replace("  Language =  E  ", "  Language =  D");
    erwartet.replace("C:\\Daten\\KAV\\", "D:\\Mess daten\\");
    EXPECT_EQ(bytes(), erwartet);
    EXPECT_EQ(lies(QStringLiteral("Programm path")), QStringLiteral("D:\\Mess daten\\"));
}

TEST_F(IniProfile, NewKeyGoesToTheEndOfItsSectionAndNewSectionToTheEnd) {
    schreibeBytes(kGemischt);
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Write errors"), QStringLiteral("0")));
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("Neu"), QStringLiteral("k"), QStringLiteral("v")));
    QByteArray erwartet = kGemischt;
    erwartet.replace("Programm path=C:\\Daten\\KAV\\\r\n", "Programm path=C:\\Daten\\KAV\\\r\nWrite errors=0\r\n");
    erwartet += "\r\n[Neu]\r\nk=v\r\n";
    EXPECT_EQ(bytes(), erwartet);
}

TEST_F(IniProfile, FileWithLfLineEndsKeepsThemAndALastLineWithoutEnd) {
    schreibeBytes("# x\n[KAV]\nLanguage=E");
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Write errors"), QStringLiteral("1")));
    EXPECT_EQ(bytes(), QByteArray("# x\n[KAV]\nLanguage=E\nWrite errors=1\n"));
    schreibeBytes("[A]\nx=1");
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Language"), QStringLiteral("D")));
    EXPECT_EQ(bytes(), QByteArray("[A]\nx=1\n\n[KAV]\nLanguage=D\n"));
}

TEST_F(IniProfile, TheFourKeysMakeAMissingFileInOrder) {
    INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Connect on load"), QStringLiteral("1"));
    INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Write errors"), QStringLiteral("0"));
    INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Programm path"), QStringLiteral("C:\\Programme\\KAV\\"));
    INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Language"), QStringLiteral("E"));
    EXPECT_EQ(bytes(), QByteArray("[KAV]\r\nConnect on load=1\r\nWrite errors=0\r\n"
                                  "Programm path=C:\\Programme\\KAV\\\r\nLanguage=E\r\n"));
}

TEST_F(IniProfile, ValuesAreWindows1252BytesAndStayOnOneLine) {
    EXPECT_TRUE(
        INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Programm path"), QStringLiteral("C:\\Prüfstand\\")));
    EXPECT_TRUE(bytes().contains("C:\\Pr\xfc"
                                 "fstand\\\r\n"));
    EXPECT_EQ(lies(QStringLiteral("Programm path")), QStringLiteral("C:\\Prüfstand\\"));
    // A line break in a value would split the key's line.
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Language"), QStringLiteral("D\r\n[Evil]")));
    EXPECT_EQ(lies(QStringLiteral("Language")), QStringLiteral("D  [Evil]"));
    EXPECT_EQ(bytes().count('\n'), 3);
}

TEST_F(IniProfile, AFileThatCannotBeWrittenStaysAsItWas) {
    schreibeBytes(kGemischt);
    QFile::setPermissions(datei, QFile::ReadOwner | QFile::ReadUser);
    EXPECT_FALSE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Language"), QStringLiteral("D")));
    QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(bytes(), kGemischt);
    EXPECT_EQ(lies(QStringLiteral("Language")), QStringLiteral("E"));

    // A folder in the file's place, and a folder that does not exist.
    const QString ordnerStattDatei = ordner.filePath(QStringLiteral("dir.ini"));
    ASSERT_TRUE(QDir().mkpath(ordnerStattDatei));
    EXPECT_FALSE(
        INISchreiben(ordnerStattDatei, QStringLiteral("KAV"), QStringLiteral("Language"), QStringLiteral("D")));
    EXPECT_EQ(INILesen(ordnerStattDatei, QStringLiteral("KAV"), QStringLiteral("Language"), QStringLiteral("E")),
              QStringLiteral("E"));
    EXPECT_FALSE(INISchreiben(ordner.filePath(QStringLiteral("no/such/Settings.ini")), QStringLiteral("KAV"),
                              QStringLiteral("Language"), QStringLiteral("D")));
}

TEST_F(IniProfile, FirstOfTwoMatchingSectionsAndKeysWins) {
    schreibeBytes("[KAV]\r\nLanguage=D\r\nlanguage=E\r\n[kav]\r\nLanguage=X\r\nOnly=2\r\n");
    EXPECT_EQ(lies(QStringLiteral("Language")), QStringLiteral("D"));
    EXPECT_TRUE(INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("language"), QStringLiteral("E")));
    EXPECT_EQ(bytes(), QByteArray("[KAV]\r\nLanguage=E\r\nlanguage=E\r\n[kav]\r\nLanguage=X\r\nOnly=2\r\n"));
}
