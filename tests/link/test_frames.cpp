// CRC, device error texts and hex byte access.
#include <gtest/gtest.h>

#include "frames.h"

using namespace kav;

TEST(Crc, TableAndCheckValues) {
    const auto& table = CRCTabelle();
    EXPECT_EQ(table[0], 0u);
    EXPECT_EQ(table[1], 0x1021u);
    EXPECT_EQ(table[255], 0x1EF0u);
    for (auto v : table)
        EXPECT_LT(v, 0x10000u);
    EXPECT_EQ(COM_CRC16Hex("313233343536373839"), "31C3");
    EXPECT_EQ(COM_CRC16Hex("03010100"), "9FDD");
    EXPECT_EQ(COM_CRC16Hex(""), "0000");
    EXPECT_EQ(COM_CRC16Hex("00"), "0000");
    EXPECT_EQ(COM_CRC16Hex("01"), "1021");
}

TEST(Crc, CountLimitsTheBytes) {
    const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 'X', 'Y'};
    EXPECT_EQ(COM_CRC16(digits, sizeof digits, 9), 0x31C3u);
    EXPECT_NE(COM_CRC16(digits, sizeof digits), 0x31C3u);
    EXPECT_EQ(COM_CRC16(digits, 9, -1), 0x31C3u);
    // A count beyond the array never reads past it.
    EXPECT_EQ(COM_CRC16(digits, 9, 400), 0x31C3u);
}

TEST(FehlerText, BitsInAscendingOrder) {
    EXPECT_EQ(COM_FehlerText(0x9), ",I2C-TimeOut,RS232-Checksum");
    EXPECT_EQ(COM_FehlerText(0x80000), ",CPU-DIV0ERR");
    EXPECT_EQ(COM_FehlerText(0x30), ",RS232-CmdFault,RS232-ByteAnzahl");
    EXPECT_EQ(COM_FehlerText(0), "");
    std::string all = COM_FehlerText(0xFFFFF);
    EXPECT_EQ(std::count(all.begin(), all.end(), ','), 20);
    EXPECT_EQ(all.rfind(",CPU-SFTACERR,CPU-DIV0ERR"), all.size() - 25);
}

TEST(FehlerText, BitsAboveNineteenStayVisible) {
    EXPECT_EQ(COM_FehlerText(0x100000), ",Unbekannter Fehler &H00100000");
    EXPECT_EQ(COM_FehlerText(0x80000001u), ",I2C-TimeOut,Unbekannter Fehler &H80000000");
}

TEST(HexBytes, PositionsAndBuffers) {
    EXPECT_EQ(COM_HexByte("0381534100", 1), "03");
    EXPECT_EQ(COM_HexByte("0381534100", 3), "53");
    EXPECT_EQ(COM_HexByte("0381534100", 6), "");
    EXPECT_EQ(COM_HexByte("0381534100", 0), "");
    EXPECT_EQ(COM_HexByte("038", 2), "8");
    const std::uint8_t bytes[] = {0x00, 0x0A, 0xFF, 0x7E};
    EXPECT_EQ(COM_Bytes2Hex(bytes, 4), "000AFF7E");
    EXPECT_EQ(COM_Bytes2Hex(bytes, 2), "000A");
    EXPECT_EQ(COM_Bytes2Hex(bytes, 0), "");
    EXPECT_EQ(COM_NullenEntfernen(std::string("KA\0V\0\0", 6)), "KAV");
}
