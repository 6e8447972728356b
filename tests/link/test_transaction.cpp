// One request frame out, one reply frame in: resends, checks, sentinels,
// final trimming, communication log.
#include <gtest/gtest.h>

#include "com_usb.h"
#include "device_call.h"
#include "fake_kav.h"
#include "scripted_ft_api.h"
#include "typed_values.h"

using namespace kav;
using namespace kav::testkit;
using kav::ft::FT_OK;

namespace {

struct Transaction : ::testing::Test {
    ScriptedFtApi ft;
    std::vector<std::string> log;
    int pumps = 0;
    bool kommun = false;
    ComUSB link{ft, LinkHooks{[this] { ++pumps; }, [this] { return kommun; },
                              [this](const std::string& line) { log.push_back(line); }, nullptr, {}}};

    // The transaction's own result, through the one device-call path.
    std::string senden(const std::string& hex) { return anfrageAufruf(link, hex).roh; }
};

} // namespace

TEST_F(Transaction, WritesTheFrameWithItsCrcInOneWrite) {
    ft.replies.push_back(replyFrame(0x80, 'S', {}));
    EXPECT_EQ(senden("03010100"), kHexOK);
    ASSERT_EQ(ft.writtenFrames().size(), 1u);
    EXPECT_EQ(hexFromBytes(ft.writtenFrames()[0]), "030101009FDD");
    // One write, then exactly two reads: 1 byte, then the announced rest.
    EXPECT_EQ(ft.callTexts(), (std::vector<std::string>{"FT_Write(030101009FDD)", "FT_Read(1)", "FT_Read(4)"}));
    EXPECT_EQ(pumps, 1);
}

TEST_F(Transaction, TextPayloadLosesItsNul) {
    ft.replies.push_back(replyFrame(0x81, 'S', {0x41, 0x00}));
    EXPECT_EQ(senden("03010100"), "41");
    EXPECT_EQ(link.DatFormat, "S");
    // Only for texts, and only one NUL.
    ft.replies.push_back(replyFrame(0x81, 'I', {0x41, 0x00}));
    EXPECT_EQ(senden("03010100"), "4100");
    ft.replies.push_back(replyFrame(0x81, 'S', {0x41, 0x00, 0x00}));
    EXPECT_EQ(senden("03010100"), "4100");
}

TEST_F(Transaction, StatusBitsAndSentinels) {
    ft.replies.push_back(replyFrame(0x80, 'S', {}));
    EXPECT_EQ(senden("0105"), "4F4B");
    // The failure bit wins, without a CRC check and without a resend.
    ft.replies.push_back(replyFrame(0x82, 'S', {0x41}, false));
    EXPECT_EQ(senden("0105"), "4552524F52");
    EXPECT_EQ(ft.count("FT_Write"), 2);
    // A wrong CRC: no resend either.
    ft.replies.push_back(replyFrame(0x81, 'S', {0x41, 0x00}, false));
    EXPECT_EQ(senden("0105"), kHexERROR_CHK);
    EXPECT_EQ(ft.count("FT_Write"), 3);
}

TEST_F(Transaction, ErrorReportsBecomeTexts) {
    ft.replies.push_back(replyFrame(0x00, 'S', {0x09, 0x00, 0x00, 0x00}));
    EXPECT_EQ(senden("0105"), ",I2C-TimeOut,RS232-Checksum");
    // Error reports are not CRC-checked.
    ft.replies.push_back(replyFrame(0x00, 'L', {0x01}, false));
    EXPECT_EQ(senden("0105"), ",I2C-TimeOut");
    // A text whose last characters read as hex 0 keeps them.
    ft.replies.push_back(replyFrame(0x00, 'S', {0x00, 0x00, 0x08, 0x00}));
    EXPECT_EQ(senden("0105"), ",CPU-DIV0ERR");
    // An error report without content.
    ft.replies.push_back(replyFrame(0x00, 'S', {}));
    EXPECT_EQ(senden("0105"), kHexERROR_INTERN);
}

TEST_F(Transaction, SilentDeviceGetsExactlyOneResend) {
    ft.replies = {std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(senden("03010100"), kHexERROR);
    EXPECT_EQ(ft.count("FT_Write"), 2);
    EXPECT_EQ(ft.count("FT_Read"), 4);
    EXPECT_EQ(pumps, 2);
}

TEST_F(Transaction, ShortReplyIsResentOnce) {
    ft.replies.push_back(Bytes{0x03, 0x81});
    ft.replies.push_back(replyFrame(0x81, 'S', {0x4F, 0x4B, 0x00}));
    EXPECT_EQ(senden("0105"), "4F4B");
    EXPECT_EQ(ft.count("FT_Write"), 2);
}

TEST_F(Transaction, LengthOfTheFailedFirstByteIsKept) {
    // Attempt 1 announces 3 and falls short; attempt 2 brings no first
    // byte, so the rest is read with the old length.
    ft.replies.push_back(Bytes{0x03});
    ft.replies.push_back(std::nullopt);
    ft.failNext("FT_Read", FT_OK, 2);
    ft.failNext("FT_Read", ft::FT_OTHER_ERROR); // the first byte of attempt 2 is lost
    EXPECT_EQ(senden("0105"), kHexERROR);
    const auto texts = ft.callTexts();
    ASSERT_EQ(texts.size(), 7u) << "write, two reads, purge, write, two reads";
    EXPECT_EQ(texts[2], "FT_Read(6)");
    EXPECT_EQ(texts[6], "FT_Read(6)");
}

TEST_F(Transaction, AVanishedConverterEndsTheLinkAtOnce) {
    // Each way the library says the converter is gone: no resend, the link
    // closed, the hook told once, and the converter never asked again.
    const struct {
        const char* name;
        const char* function;
        ft::FT_STATUS status;
        int skip; // calls of that function that succeed first
    } cases[] = {
        {"write I/O error", "FT_Write", ft::FT_IO_ERROR, 0},
        {"first read I/O error", "FT_Read", ft::FT_IO_ERROR, 0},
        {"second read not opened", "FT_Read", ft::FT_DEVICE_NOT_OPENED, 1},
        {"purge not opened", "FT_Purge", ft::FT_DEVICE_NOT_OPENED, 0},
    };
    for (const auto& c : cases) {
        FakeKav kav = FakeKav::standard();
        kav.handlers[0x05] = [](const Bytes&) { return std::optional<Bytes>(replyFrame(0x80, 'S', {})); };
        ScriptedFtApi fake;
        fake.responder = [&kav](const Bytes& frame) { return kav.reply(frame); };
        int lost = 0;
        LinkHooks hooks;
        hooks.linkLost = [&lost] { ++lost; };
        ComUSB l{fake, hooks};
        std::string diagnose;
        ASSERT_EQ(l.COM_USBOeffnen(diagnose), 0) << c.name;
        EXPECT_EQ(anfrageAufruf(l, "0105").roh, kHexOK) << c.name << ": the first request after the open purges";
        fake.clearCalls();
        if (c.function == std::string("FT_Purge"))
            fake.replies = {Bytes{0x03}}; // a short reply: its resend purges first
        for (int i = 0; i < c.skip; ++i)
            fake.statuses[c.function].push_back(FT_OK);
        fake.statuses[c.function].push_back(c.status);
        EXPECT_EQ(anfrageAufruf(l, "0105").roh, kHexERROR) << c.name;
        EXPECT_EQ(fake.count("FT_Write"), 1) << c.name << ": no resend to a converter that is gone";
        EXPECT_EQ(fake.count("FT_Close"), 1) << c.name;
        EXPECT_TRUE(l.linkLost()) << c.name;
        EXPECT_FALSE(l.isOpen()) << c.name;
        EXPECT_EQ(lost, 1) << c.name;
        fake.clearCalls();
        EXPECT_EQ(anfrageAufruf(l, "0105").roh, kHexERROR) << c.name;
        EXPECT_TRUE(fake.calls.empty()) << c.name << ": a lost link is not polled";
        EXPECT_EQ(l.COM_USBSchliessen(), 0) << c.name;
        EXPECT_EQ(fake.count("FT_Close"), 0) << c.name << ": closed once only";
        // Plugged in again: the next open starts afresh.
        EXPECT_EQ(l.COM_USBOeffnen(diagnose), 0) << c.name;
        EXPECT_FALSE(l.linkLost()) << c.name;
    }
}

TEST_F(Transaction, PurgesOnlyAfterAnAttemptWithoutAWholeGoodReply) {
    const std::string write = "FT_Write(0105" + COM_CRC16Hex("0105") + ")";
    ft.replies = {replyFrame(0x81, 'S', {0x4F, 0x4B, 0x00}), replyFrame(0x80, 'S', {})};
    EXPECT_EQ(senden("0105"), "4F4B");
    EXPECT_EQ(senden("0105"), kHexOK);
    EXPECT_EQ(ft.count("FT_Purge"), 0) << "good replies leave nothing behind";
    // A bad CRC: the next request purges first, then reads its own reply.
    ft.replies = {replyFrame(0x81, 'S', {0x4F, 0x4B, 0x00}, false), replyFrame(0x80, 'S', {})};
    EXPECT_EQ(senden("0105"), kHexERROR_CHK);
    ft.clearCalls();
    EXPECT_EQ(senden("0105"), kHexOK);
    EXPECT_EQ(ft.callTexts(), (std::vector<std::string>{"FT_Purge(1)", write, "FT_Read(1)", "FT_Read(4)"}));
    // After a resend the first attempt's reply may still come: purged once more.
    ft.replies = {std::nullopt, replyFrame(0x80, 'S', {}), replyFrame(0x80, 'S', {})};
    EXPECT_EQ(senden("0105"), kHexOK);
    ft.clearCalls();
    EXPECT_EQ(senden("0105"), kHexOK);
    EXPECT_EQ(ft.count("FT_Purge"), 1);
}

TEST_F(Transaction, ImpossibleLengthIsNeverReadPastTheBuffer) {
    ft.replies.push_back(Bytes{0xFF});
    ft.replies.push_back(Bytes{0xFF});
    EXPECT_EQ(senden("0105"), kHexERROR);
    // Only the first byte of each attempt was asked for: one resend, no second read.
    const std::string write = "FT_Write(0105" + COM_CRC16Hex("0105") + ")";
    EXPECT_EQ(ft.callTexts(), (std::vector<std::string>{write, "FT_Read(1)", "FT_Purge(1)", write, "FT_Read(1)"}));
    // The longest possible reply still fits the buffer.
    Bytes payload(253, 0x41);
    ft.replies.push_back(replyFrame(0x81, 'B', payload));
    EXPECT_EQ(senden("0105"), hexFromBytes(payload));
    EXPECT_EQ(ft.callTexts().back(), "FT_Read(257)");
}

TEST_F(Transaction, MalformedReplyCostsOnlyItsOwnTransaction) {
    // Each spoiled reply leaves bytes queued; the resend and the next
    // transaction must read their own replies, not those bytes.
    Bytes impossibleLength = replyFrame(0x81, 'S', textPayload("070123"));
    impossibleLength[0] = 0xFF;
    Bytes zeroLength = impossibleLength;
    zeroLength[0] = 0x00;
    const Bytes garbage{0x02, 0x91, 0x77, 0xA0, 0x5C, 0x01, 0xFE, 0x33, 0x90};
    const Bytes twice = [] {
        Bytes b = replyFrame(0x81, 'S', textPayload("070123"));
        const Bytes more = replyFrame(0x81, 'S', textPayload("STALE"));
        b.insert(b.end(), more.begin(), more.end());
        return b;
    }();
    const struct {
        const char* name;
        Bytes first;
        std::string result; // of the spoiled transaction
        int writes;
    } cases[] = {
        {"length 255", impossibleLength, "070123", 2},
        {"length 0", zeroLength, "070123", 2},
        {"short", Bytes{0x08, 0x81, 0x53}, "070123", 2},
        {"wrong CRC", replyFrame(0x81, 'S', textPayload("07012"), false), kHexERROR_CHK, 1},
        {"garbage", garbage, kHexERROR_CHK, 1},
        {"a late reply after the resend's", twice, "070123", 2},
    };
    for (const auto& c : cases) {
        ft.clearCalls();
        ft.input.clear();
        ft.replies = {c.first, replyFrame(0x81, 'S', textPayload("070123")),
                      replyFrame(0x81, 'S', textPayload("V2.13"))};
        if (c.first == twice) // the first attempt's reply comes only with the resend's
            ft.replies = {std::nullopt, twice, replyFrame(0x81, 'S', textPayload("V2.13"))};
        const std::string spoiled = senden("021003");
        EXPECT_EQ(spoiled, c.result == kHexERROR_CHK ? c.result : COM_Text2Hex(c.result)) << c.name;
        EXPECT_EQ(ft.count("FT_Write"), c.writes) << c.name;
        if (c.writes == 1)
            ft.replies.pop_front(); // the reply a resend would have had
        EXPECT_EQ(senden("021000"), COM_Text2Hex("V2.13")) << c.name;
    }
}

TEST_F(Transaction, ZeroLengthRepliesAreResentWhileUnderFiveAttempts) {
    // Attempt 1 falls short after announcing 3 bytes; later attempts lose
    // their first byte, read the old length and get a reply beginning with 0.
    const Bytes zeroLength{0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    ft.replies = {Bytes{0x03}, zeroLength, zeroLength, zeroLength, zeroLength, zeroLength};
    ft.statuses["FT_Read"] = {FT_OK, FT_OK};
    for (int i = 0; i < 5; ++i)
        ft.statuses["FT_Read"].insert(ft.statuses["FT_Read"].end(), {ft::FT_OTHER_ERROR, FT_OK});
    EXPECT_EQ(senden("0105"), kHexERROR);
    EXPECT_EQ(ft.count("FT_Write"), 5);

    // With the device's failure bit set there is no further resend.
    ft.clearCalls();
    ft.replies = {Bytes{0x03}, Bytes{0x09, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00}};
    ft.statuses["FT_Read"] = {FT_OK, FT_OK, ft::FT_OTHER_ERROR, FT_OK};
    EXPECT_EQ(senden("0105"), kHexERROR);
    EXPECT_EQ(ft.count("FT_Write"), 2);
}

TEST_F(Transaction, InvalidRequestsAreNotSent) {
    EXPECT_EQ(senden(""), "");
    EXPECT_EQ(senden("031"), "");
    EXPECT_EQ(senden("03NI"), "");
    EXPECT_EQ(senden(std::string(2 * 256, 'A')), "");
    EXPECT_EQ(ft.count("FT_Write"), 0);
    ft.replies.push_back(replyFrame(0x80, 'S', {}));
    EXPECT_EQ(senden(std::string(2 * 255, 'A')), kHexOK);
    EXPECT_EQ(ft.writtenFrames().at(0).size(), 257u);
}

TEST_F(Transaction, CommunicationLogLines) {
    ft.replies.push_back(replyFrame(0x80, 'S', {}));
    EXPECT_EQ(senden("03010100"), kHexOK);
    EXPECT_TRUE(log.empty());
    kommun = true;
    ft.replies.push_back(replyFrame(0x81, 'S', {0x41, 0x00}));
    senden("03010100");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "Schreiben -> 030101009FDD");
    EXPECT_EQ(log[1], "Lesen     -> " + hexFromBytes(replyFrame(0x81, 'S', {0x41, 0x00})));
}

TEST_F(Transaction, DatFormatSurvivesFailedReplies) {
    ft.replies.push_back(replyFrame(0x81, 'F', {0, 0, 0x80, 0x3F}));
    EXPECT_EQ(senden("0105"), "0000803F");
    ft.replies = {std::nullopt, std::nullopt};
    EXPECT_EQ(senden("0105"), kHexERROR);
    EXPECT_EQ(link.DatFormat, "F");
}
