#include <ansi_text.h>

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace kav::shell;

TEST(AnsiText, UmlautsAndTheEuroAreSingleBytes) {
    EXPECT_EQ(toAnsi(QStringLiteral("äöüÄÖÜß")), QByteArray("\xe4\xf6\xfc\xc4\xd6\xdc\xdf"));
    EXPECT_EQ(toAnsi(QStringLiteral("€ … „x“ – ™ Ÿ ž")), QByteArray("\x80 \x85 \x84x\x93 \x96 \x99 \x9f \x9e"));
    EXPECT_EQ(fromAnsi(QByteArray("Gr\xf6\xdf"
                                  "e \x80")),
              QStringLiteral("Größe €"));
    EXPECT_EQ(toAnsiStd(QStringLiteral("Zurück")), std::string("Zur\xfc"
                                                               "ck"));
    EXPECT_EQ(fromAnsi(std::string("\xb0\xb5")), QStringLiteral("°µ"));
}

TEST(AnsiText, EveryByteSurvivesARoundTrip) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = fromAnsi(alle);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(toAnsi(text), alle);
    // The five bytes the code page leaves open come back as themselves.
    EXPECT_EQ(text[0x81].unicode(), 0x81);
    EXPECT_EQ(text[0x9d].unicode(), 0x9d);
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(toAnsi(QStringLiteral("Ω→x")), QByteArray("??x"));
    EXPECT_EQ(toAnsi(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                       "b")),
              QByteArray("a?b"));                               // one character, two UTF-16 units
    EXPECT_EQ(toAnsi(QString(QChar(0x0080))), QByteArray("?")); // a C1 control that 0x80 does not stand for
    EXPECT_TRUE(toAnsi(QString()).isEmpty());
}
