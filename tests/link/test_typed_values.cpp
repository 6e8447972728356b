// Filling structure texts with parameters, decoding replies by type letter,
// and the hex/number conversions.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "typed_values.h"

using namespace kav;

TEST(BefehlAufbauen, FillsByteAndWordPlaces) {
    EXPECT_EQ(COM_BefehlAufbauen("04 21 N I ", "5|300"), "042105012C");
    EXPECT_EQ(COM_BefehlAufbauen("04 21 N I ", " 5 | 300 "), "042105012C");
    EXPECT_EQ(COM_BefehlAufbauen("04 21 N I ", "-1|-1"), "0421FFFFFF");
    // M and D are byte places like N; lower-case letters count as well.
    EXPECT_EQ(COM_BefehlAufbauen("04 21 M D n ", "1|2|255"), "04210102FF");
}

TEST(BefehlAufbauen, MissingOrUnreadableFieldsCountAsZero) {
    EXPECT_EQ(COM_BefehlAufbauen("04 21 N I ", "7"), "0421070000");
    EXPECT_EQ(COM_BefehlAufbauen("04 21 N I ", "x|12abc"), "042100000C");
    // Rounded half to even, low bits kept.
    EXPECT_EQ(COM_BefehlAufbauen("03 21 N N ", "2.5|3.5"), "03210204");
    EXPECT_EQ(COM_BefehlAufbauen("02 21 N ", "256"), "022100");
}

TEST(BefehlAufbauen, FloatAndFixedPointPlaces) {
    EXPECT_EQ(COM_BefehlAufbauen("05 22 F ", "1"), "05220000803F");
    EXPECT_EQ(COM_BefehlAufbauen("05 22 Q ", "1.5"), "052200800100");
    EXPECT_EQ(COM_BefehlAufbauen("05 22 Q ", "1,5"), "052200800100");
    // F and Q go through one-decimal rounding: 12.34 is sent as 12.3.
    EXPECT_EQ(COM_BefehlAufbauen("05 22 F ", "12.34"), "0522" + COM_Single2Hex(12.3f));
    EXPECT_EQ(COM_BefehlAufbauen("05 22 Q ", "-1"), "05220000FFFF");
}

TEST(BefehlAufbauen, TextPlaceTakesWholeParameterPaddedAndCut) {
    EXPECT_EQ(COM_BefehlAufbauen("09 04 CCCCCCCC ", "AB"), "09044142202020202020");
    EXPECT_EQ(COM_BefehlAufbauen("09 04 CCCCCCCC ", "KA010000"), "09044B41303130303030");
    // The whole parameter text, separators included, and cut to the letters.
    EXPECT_EQ(COM_BefehlAufbauen("05 04 CCC ", "1|2345"), "0504317C32");
    // Everything after the letters is dropped.
    EXPECT_EQ(COM_BefehlAufbauen("04 04 CC 55 ", "Z"), "04045A20");
}

TEST(BefehlAufbauen, ParametersIgnoredOrAbsent) {
    // A first byte of 1: a command without parameters.
    EXPECT_EQ(COM_BefehlAufbauen("01 05 ", "17"), "0105");
    // No parameter text: blanks removed, letters kept.
    EXPECT_EQ(COM_BefehlAufbauen("04 21 N I ", ""), "0421NI");
    // Command code characters 3 to 6 are taken over unexamined.
    EXPECT_EQ(COM_BefehlAufbauen("02 DF N ", "3"), "02DF03");
    // A hex literal parameter text becomes its decimal value.
    EXPECT_EQ(COM_BefehlAufbauen("02 21 N ", "&H1F"), "02211F");
    EXPECT_EQ(COM_BefehlAufbauen("03 21 I ", "&HFFFF"), "0321FFFF");
    // A place at the very end without its blank.
    EXPECT_EQ(COM_BefehlAufbauen("02 21 n", "9"), "022109");
    EXPECT_EQ(COM_BefehlAufbauen("", "9"), "");
}

TEST(BefehlAufbauen, LongTailAfterAPlaceIsKeptWhole) {
    std::string tail;
    for (int i = 0; i < 60; ++i)
        tail += "AA ";
    const std::string request = COM_BefehlAufbauen("3E 30 N " + tail, "1");
    EXPECT_EQ(request.size(), 2u * 63);
    EXPECT_EQ(request.substr(0, 6), "3E3001");
    EXPECT_EQ(request.substr(request.size() - 4), "AAAA");
}

TEST(BefehlAufbauen, ValuesBeyondThirtyTwoBitsGiveNoRequest) {
    EXPECT_EQ(COM_BefehlAufbauen("02 21 N ", "3000000000"), "");
    EXPECT_EQ(COM_BefehlAufbauen("03 21 I ", "-1e300"), "");
    EXPECT_EQ(COM_BefehlAufbauen("05 22 Q ", "40000"), ""); // 40000 * 65536 overflows
    EXPECT_EQ(COM_BefehlAufbauen("05 22 F ", "1e39"), "");
    // Within 32 bits the low bits are sent.
    EXPECT_EQ(COM_BefehlAufbauen("03 21 I ", "70000"), "03211170");
}

TEST(BefehlAufbauen, SaysWhichParameterCannotBeEncodedAndWhy) {
    const struct {
        const char* struktur;
        const char* parameter;
        const char* grund;
    } cases[] = {
        {"04 21 N I ", "5|3000000000", "parameter 2 (3000000000) cannot be encoded: beyond 32 bits"},
        {"02 21 D ", "-1e300", "parameter 1 (-1e300) cannot be encoded: beyond 32 bits"},
        {"09 22 F F ", "1|1e39", "parameter 2 (1e39) cannot be encoded: not a finite single-precision number"},
        {"05 22 Q ", "40000", "parameter 1 (40000) cannot be encoded: beyond the 16.16 fixed-point range"},
        {"04 21 N I ", "5|300", ""},
    };
    for (const auto& c : cases) {
        std::string grund = "old";
        const std::string anfrage = anfrageAufbauen(c.struktur, c.parameter, grund);
        EXPECT_EQ(grund, c.grund) << c.parameter;
        EXPECT_EQ(anfrage.empty(), !grund.empty()) << c.parameter;
    }
}

TEST(WertLesen, NumbersByTypeLetter) {
    EXPECT_EQ(COM_WertLesen("2C01", "I"), ComValue::fromDouble(300));
    EXPECT_EQ(COM_WertLesen("FFFF", "I"), ComValue::fromDouble(-1));
    EXPECT_EQ(COM_WertLesen("2C01FF", "I"), ComValue::fromDouble(300)); // further bytes ignored
    EXPECT_EQ(COM_WertLesen("0080", "P"), ComValue::fromDouble(-128));
    EXPECT_EQ(COM_WertLesen("0001", "P"), ComValue::fromDouble(1));
    EXPECT_EQ(COM_WertLesen("00000100", "Q"), ComValue::fromDouble(1.0));
    EXPECT_EQ(COM_WertLesen("0080FFFF", "Q"), ComValue::fromDouble(-0.5));
    EXPECT_EQ(COM_WertLesen("0000803F", "F"), ComValue::fromSingle(1.0f));
    EXPECT_EQ(COM_WertLesen("00000000", "F"), ComValue::fromSingle(0.0f));
    EXPECT_EQ(COM_WertLesen("FE", "B"), ComValue::fromDouble(254));
    EXPECT_EQ(COM_WertLesen("FFFF", "B"), ComValue::fromDouble(-1));
    EXPECT_EQ(COM_WertLesen("00FFFF", "C"), ComValue::fromDouble(65535));
    EXPECT_EQ(COM_WertLesen("FFFFFFFF", "B"), ComValue::fromDouble(-1));
}

TEST(WertLesen, TextsAndLongs) {
    EXPECT_EQ(COM_WertLesen("4F4B", "S"), ComValue::fromText("OK"));
    EXPECT_EQ(COM_WertLesen("410042", "S"), ComValue::fromText(std::string("A\0B", 3)));
    EXPECT_EQ(COM_WertLesen("E4", "S").toText(), "\xE4");
    EXPECT_EQ(COM_WertLesen("", "S"), ComValue::fromText(""));
    EXPECT_EQ(COM_WertLesen("78563412", "L"), ComValue::fromText("&H12345678"));
    EXPECT_DOUBLE_EQ(COM_WertLesen("FFFFFFFF", "L").toNumber(), -1);
}

TEST(WertLesen, NothingForOtherLettersAndEmptyPayloads) {
    EXPECT_TRUE(COM_WertLesen("05", "N").isEmpty());
    EXPECT_TRUE(COM_WertLesen("05", "M").isEmpty());
    EXPECT_TRUE(COM_WertLesen("05", "D").isEmpty());
    EXPECT_TRUE(COM_WertLesen("05", "s").isEmpty()); // letters compared exactly
    EXPECT_TRUE(COM_WertLesen("", "I").isEmpty());
    EXPECT_TRUE(COM_WertLesen("", "F").isEmpty());
    // A short payload reads its missing high bytes as 0.
    EXPECT_EQ(COM_WertLesen("2C", "I"), ComValue::fromDouble(44));
}

TEST(WertLesen, DeviceErrorTextSurvivesAnyTypeLetter) {
    const std::string fehler = ",I2C-TimeOut,RS232-Checksum";
    EXPECT_EQ(COM_WertLesen(fehler, "S"), ComValue::fromText(fehler));
    EXPECT_EQ(COM_WertLesen(fehler, "F"), ComValue::fromText(fehler));
    EXPECT_TRUE(istFehlerwert(COM_WertLesen(fehler, "I")));
}

TEST(Feld, FieldsAreTrimmedAndMissingOnesEmpty) {
    EXPECT_EQ(COM_Feld(" 5 | 300 ", "|", 1), "5");
    EXPECT_EQ(COM_Feld(" 5 | 300 ", "|", 2), "300");
    EXPECT_EQ(COM_Feld("5|300", "|", 3), "");
    EXPECT_EQ(COM_Feld("5||7", "|", 2), "");
    EXPECT_EQ(COM_Feld("5||7", "|", 3), "7");
    EXPECT_EQ(COM_Feld("a::b", "::", 2), "b");
    EXPECT_EQ(COM_Feld("abc", "|", 0), "");
    EXPECT_EQ(COM_Feld(" abc ", "", 1), "abc");
}

TEST(Ersetzen, ReplacesEveryOccurrenceIgnoringCase) {
    EXPECT_EQ(COM_Ersetzen("Rd_Info rd_info RD_INFO", "rd_info", "X"), "X X X");
    EXPECT_EQ(COM_Ersetzen("aaa", "aa", "b"), "ba");
    EXPECT_EQ(COM_Ersetzen("abc", "", "x"), "abc");
    EXPECT_EQ(COM_Ersetzen("1.5", ".", ","), "1,5");
}

namespace {
// A numeric facet with "," as decimal point, as a German desktop sets it up.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(Str2Single, EitherSeparatorAndOneDecimal) {
    EXPECT_FLOAT_EQ(COM_Str2Single("12.34"), 12.3f);
    EXPECT_FLOAT_EQ(COM_Str2Single("12,34"), 12.3f);
    EXPECT_FLOAT_EQ(COM_Str2Single("0.25"), 0.3f); // halves away from zero
    EXPECT_FLOAT_EQ(COM_Str2Single("-0.25"), -0.3f);
    EXPECT_FLOAT_EQ(COM_Str2Single("0.35"), 0.4f); // on the decimal form, not the binary one
    EXPECT_FLOAT_EQ(COM_Str2Single("0.04"), 0.0f);
    EXPECT_EQ(COM_Str2Single("1234567.8"), 1234568.0f);
    EXPECT_FLOAT_EQ(COM_Str2Single("abc"), 0.0f);
    EXPECT_FLOAT_EQ(COM_Str2Single("&H10"), 16.0f);
}

TEST(Str2Single, ProcessLocaleDoesNotMatter) {
    const std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    std::setlocale(LC_NUMERIC, "C.UTF-8");
    EXPECT_FLOAT_EQ(COM_Str2Single("3,14"), 3.1f);
    EXPECT_FLOAT_EQ(COM_Str2Single("3.14"), 3.1f);
    EXPECT_EQ(ComValue::fromSingle(2.5f).toText(), "2.5");
    std::locale::global(before);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(Single2Hex, LeastSignificantByteFirst) {
    EXPECT_EQ(COM_Single2Hex(0.0f), "00000000");
    EXPECT_EQ(COM_Single2Hex(-0.0f), "00000000");
    EXPECT_EQ(COM_Single2Hex(1.0f), "0000803F");
    EXPECT_EQ(COM_Single2Hex(-2.0f), "000000C0");
    EXPECT_EQ(COM_Single2Hex(25.0f), "0000C841");
}

TEST(Hex2Single, DecodesAndLeavesTheArgumentAlone) {
    std::string hex = "0000803F";
    EXPECT_FLOAT_EQ(COM_Hex2Single(hex), 1.0f);
    EXPECT_EQ(hex, "0000803F");
    EXPECT_FLOAT_EQ(COM_Hex2Single("0000C841"), 25.0f);
    EXPECT_FLOAT_EQ(COM_Hex2Single("000000C0"), -2.0f);
    EXPECT_FLOAT_EQ(COM_Hex2Single("0000807F"), 0.0f); // exponent field 255
    // Exponent field 0: the IEEE value (here -0 and the smallest subnormal).
    EXPECT_EQ(COM_Hex2Single("00000080"), 0.0f);
    EXPECT_FLOAT_EQ(COM_Hex2Single("01000000"), 1.4e-45f);
    for (float v : {0.1f, -123.456f, 3.0e38f, 1.0e-30f})
        EXPECT_EQ(COM_Hex2Single(COM_Single2Hex(v)), v);
}

TEST(Text2Hex, CharacterCodes) {
    EXPECT_EQ(COM_Text2Hex("OK"), "4F4B");
    EXPECT_EQ(COM_Text2Hex(std::string("\n\xFF", 2)), "0AFF");
    EXPECT_EQ(COM_Text2Hex(""), "");
    EXPECT_EQ(COM_Text2HexLiteral("OK"), "&H4F4B");
}

TEST(HexFix, PaddingCuttingAndSign) {
    EXPECT_EQ(COM_HexFix(31, 1), "1F");
    EXPECT_EQ(COM_HexFix(31, 3), "00001F");
    EXPECT_EQ(COM_HexFix(0x12345, 1), "45");
    EXPECT_EQ(COM_HexFix(0x12345, 0), "12345");
    EXPECT_EQ(COM_HexFix(31, -1), "");
    EXPECT_EQ(COM_HexFix(-1, 1), "FF");
    EXPECT_EQ(COM_HexFix(-2, 2), "FFFE");
    EXPECT_EQ(COM_HexFix(-1, 0), "FFFFFFFF");
    // Wider than 32 bits: the sign fills the left, not zeros.
    EXPECT_EQ(COM_HexFix(-1, 6), "FFFFFFFFFFFF");
    EXPECT_EQ(COM_HexFix(-3000000000LL, 0), "FFFFFFFF4D2FA200");
}

TEST(Q2Hex, FixedPointMostSignificantFirst) {
    EXPECT_EQ(COM_Q2Hex(1.0f), "00010000");
    EXPECT_EQ(COM_Q2Hex(1.5f), "00018000");
    EXPECT_EQ(COM_Q2Hex(-1.0f), "FFFF0000");
    EXPECT_EQ(COM_Q2Hex(-0.1f), "FFFFE666"); // rounded down
    EXPECT_EQ(COM_Q2Hex(0.0f), "00000000");
    EXPECT_EQ(COM_Q2Hex(40000.0f), "");
}

TEST(ComValueText, VariantConversions) {
    EXPECT_EQ(ComValue().toText(), "");
    EXPECT_EQ(ComValue::fromSingle(12.3f).toText(), "12.3");
    EXPECT_EQ(ComValue::fromSingle(1.0e7f).toText(), "1E+07");
    EXPECT_EQ(ComValue::fromSingle(0.00001f).toText(), "1E-05");
    EXPECT_EQ(ComValue::fromDouble(0.1 + 0.2).toText(), "0.3");
    EXPECT_EQ(ComValue::fromDouble(-128).toText(), "-128");
    EXPECT_EQ(ComValue::fromDouble(123456789012345.0).toText(), "123456789012345");
    EXPECT_EQ(ComValue::fromDouble(-0.0).toText(), "0");
    EXPECT_DOUBLE_EQ(ComValue::fromText("&H0000FFFF").toNumber(), 65535);
    EXPECT_DOUBLE_EQ(ComValue::fromText("&HFFFF").toNumber(), -1);
    EXPECT_DOUBLE_EQ(ComValue::fromText(" 12.5kg").toNumber(), 12.5);
    EXPECT_DOUBLE_EQ(ComValue::fromText("1E3").toNumber(), 1000);
    EXPECT_DOUBLE_EQ(ComValue::fromText("KAV").toNumber(), 0);
    EXPECT_DOUBLE_EQ(ComValue().toNumber(), 0);
}

TEST(ComValueText, FailureTexts) {
    for (const char* t : {"ERROR", "ERROR_CHK", "ERROR_INTERN", "", ",RS232-CmdFault"})
        EXPECT_TRUE(istFehlerwert(std::string(t))) << t;
    for (const char* t : {"OK", "error", "ERRORS", "1.07"})
        EXPECT_FALSE(istFehlerwert(std::string(t))) << t;
    EXPECT_TRUE(istFehlerwort("ERROR_CHK"));
    EXPECT_FALSE(istFehlerwort(""));
    EXPECT_FALSE(istFehlerwort(",I2C-OV"));
}
