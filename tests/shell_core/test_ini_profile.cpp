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

TEST_F(IniProfile, AnEmptiedValueKeepsItsBlanksSoARepeatedWriteChangesNothing) {
    const char* const werte[] = {"", "", "D"};
    const char* const dateien[] = {"[KAV]\r\nLanguage =  \r\n", "[KAV]\r\nLanguage =  \r\n",
                                   "[KAV]\r\nLanguage =  D\r\n"};
    schreibeBytes("[KAV]\r\nLanguage =  E  \r\n");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(
            INISchreiben(datei, QStringLiteral("KAV"), QStringLiteral("Language"), QString::fromLatin1(werte[i])));
        EXPECT_EQ(bytes(), QByteArray(dateien[i])) << i;
    }
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

// A line ends at CR LF, LF or a lone CR alike; a written key starts on a line
// of its own; what the file held stays byte for byte.
TEST_F(IniProfile, LoneCarriageReturnsEndLinesForReadingAndWriting) {
    struct Fall {
        QByteArray vorher;
        const char* schluessel;
        const char* wert;
        QByteArray nachher;
    };
    const Fall faelle[] = {
        // A new key after a last line that ends in a lone CR.
        {"[KAV]\r\nConnect on load=1\r", "Write errors", "1", "[KAV]\r\nConnect on load=1\r\r\nWrite errors=1\r\n"},
        // Lone CRs only: the new line gets CR LF.
        {"[KAV]\rConnect on load=0\r", "Language", "D", "[KAV]\rConnect on load=0\r\r\nLanguage=D\r\n"},
        // A lone CR inside the section, then a further section.
        {"[KAV]\rLanguage=E\r[Tail]\r\nx=1\r\n", "Write errors", "0",
         "[KAV]\rLanguage=E\r\r\nWrite errors=0\r\n[Tail]\r\nx=1\r\n"},
        // An existing key keeps its lone CR; only the value changes.
        {"[KAV]\rLanguage=E\rWrite errors=1\r", "Language", "D", "[KAV]\rLanguage=D\rWrite errors=1\r"},
        // A header that ends in a lone CR is a header: no second section.
        {"[KAV\r", "Language", "D", "[KAV\r\r\nLanguage=D\r\n"},
        // A new section after a last line that ends in a lone CR.
        {"[Other]\rx=1\r", "Language", "E", "[Other]\rx=1\r\r\n\r\n[KAV]\r\nLanguage=E\r\n"},
        // LF files keep LF.
        {"[KAV]\nLanguage=E\r", "Write errors", "1", "[KAV]\nLanguage=E\r\nWrite errors=1\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vorher.toStdString());
        schreibeBytes(f.vorher);
        EXPECT_TRUE(
            INISchreiben(datei, QStringLiteral("KAV"), QString::fromLatin1(f.schluessel), QString::fromLatin1(f.wert)));
        EXPECT_EQ(bytes(), f.nachher);
        EXPECT_EQ(lies(QString::fromLatin1(f.schluessel)), QString::fromLatin1(f.wert));
    }
}

TEST_F(IniProfile, ReadingTakesALoneCarriageReturnAsALineEnd) {
    struct Fall {
        QByteArray datei;
        const char* schluessel;
        const char* wert;
    };
    const Fall faelle[] = {
        {"[KAV]\rConnect on load=0\rLanguage=D\r", "Connect on load", "0"},
        {"[KAV]\rConnect on load=0\rLanguage=D\r", "Language", "D"},
        {"[KAV\rLanguage=D\r\n", "Language", "D"},
        {"[Other]\rLanguage=X\r[KAV]\rLanguage=D", "Language", "D"},
        {"[KAV]\r\n\r\rLanguage=D\n\r", "Language", "D"},
        {"[KAV]\rLanguage=D\r\r\nWrite errors=0\r\n", "Write errors", "0"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei.toStdString() + " " + f.schluessel);
        schreibeBytes(f.datei);
        EXPECT_EQ(lies(QString::fromLatin1(f.schluessel)), QString::fromLatin1(f.wert));
    }
}
