// Reading the device's command list, the version handshake, the info list,
// looking commands up and executing requests.
#include <gtest/gtest.h>

#include "com_usb.h"
#include "device_call.h"
#include "fake_kav.h"

using namespace kav;
using namespace kav::testkit;
using kav::ft::FT_OK;

namespace {

struct CommandList : ::testing::Test {
    FakeKav kav = FakeKav::standard();
    ScriptedFtApi ft;
    int pumps = 0;
    ComUSB link{ft, LinkHooks{[this] { ++pumps; }, {}, {}, nullptr, {}}};

    void SetUp() override {
        ft.responder = [this](const Bytes& frame) { return kav.reply(frame); };
    }
    std::vector<std::string> listQueries() const {
        std::vector<std::string> out;
        for (const auto& r : kav.requests)
            if (r.rfind("0301", 0) == 0)
                out.push_back(r);
        return out;
    }
};

} // namespace

TEST_F(CommandList, ReadsListHandshakeAndInfoList) {
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    EXPECT_EQ(meldung, "");
    EXPECT_EQ(link.commandCount(), 5);
    EXPECT_EQ(link.befehlsliste()[1].Name, "RD_InfoText");
    EXPECT_EQ(link.befehlsliste()[5].arr_Struktur_txt, "04 06 N I ");
    EXPECT_EQ(link.befehlsliste()[0].Name, "");
    EXPECT_EQ(link.StrukturRDInfoText, "03 02 N N ");
    EXPECT_EQ(link.StrukturRDInfo, "02 03 N ");
    EXPECT_EQ(link.StrukturWRPCVers, "09 04 CCCCCCCC ");
    EXPECT_EQ(kav.lastVersion, "KA010000");

    ASSERT_EQ(link.infoCount(), 4);
    EXPECT_EQ(link.infoListe()[0].Name, "Firmware");
    EXPECT_EQ(link.infoListe()[0].Wert, "1.07");
    EXPECT_EQ(link.infoListe()[0].Anfrage, "020300");
    EXPECT_EQ(link.infoListe()[1].Wert, "300");
    EXPECT_EQ(link.infoListe()[1].Typ, "I");
    EXPECT_EQ(link.infoListe()[2].Wert, "25");
    EXPECT_EQ(link.infoListe()[3].Anfrage, "020303");
    EXPECT_EQ(link.infoListe()[4].Name, "");
}

TEST_F(CommandList, ShortListStillQueriesEntryTenOnce) {
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    // Entries 1..5 name and structure, the end mark at 6, then entry 10 once.
    const std::vector<std::string> expected = {"03010100", "03010101", "03010200", "03010201", "03010300", "03010301",
                                               "03010400", "03010401", "03010500", "03010501", "03010600", "03010A00"};
    EXPECT_EQ(listQueries(), expected);
    // The handshake sits between entry 6 and entry 10, followed by a pump.
    const auto handshake = std::find(kav.requests.begin(), kav.requests.end(), "0904" + COM_Text2Hex("KA010000"));
    ASSERT_NE(handshake, kav.requests.end());
    EXPECT_EQ(*(handshake - 1), "03010600");
    EXPECT_EQ(*(handshake + 1), "03010A00");
    // The info list asks name and type per entry, with decimal entry numbers.
    EXPECT_EQ(*(handshake + 2), "03020000");
    EXPECT_EQ(*(handshake + 3), "03020001");
    EXPECT_EQ(*(handshake + 4), "020300");
    EXPECT_EQ(kav.requests.back(), "03020400");
}

TEST_F(CommandList, LongListAndFullInfoList) {
    kav = FakeKav::large(80, 81);
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    EXPECT_EQ(link.commandCount(), 80);
    EXPECT_EQ(link.befehlsliste()[80].Name, "CMD_80");
    EXPECT_EQ(link.infoCount(), 81);
    EXPECT_EQ(link.infoListe()[80].Wert, "1.5");
    // Entry 81 is never asked for.
    EXPECT_EQ(std::count(kav.requests.begin(), kav.requests.end(), "03015100"), 0);
    EXPECT_EQ(std::count(kav.requests.begin(), kav.requests.end(), "03020500"), 1); // parameter "05|00"
}

TEST_F(CommandList, InfoEntryFiveAsksWithParameterZeroFiveBarZeroZero) {
    kav = FakeKav::large(5, 8);
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    EXPECT_EQ(COM_BefehlAufbauen(link.StrukturRDInfoText, "05|00"), "03020500");
    EXPECT_NE(std::find(kav.requests.begin(), kav.requests.end(), "03020500"), kav.requests.end());
}

TEST_F(CommandList, MissingInfoTextOrVersionCommandFails) {
    kav.commands.erase(kav.commands.begin()); // no RD_InfoText
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste -> RD_InfoText$ nicht gesetzt\r\n");

    kav = FakeKav::standard();
    kav.commands.erase(kav.commands.begin() + 2); // no WR_PCVers
    meldung.clear();
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste 'WR_PCVers' nicht vorhanden.\r\n");
}

TEST_F(CommandList, RequiredCommandsMustBeAmongTheFirstNine) {
    FakeKav late = FakeKav::large(12, 1);
    std::swap(late.commands[0], late.commands[10]); // RD_InfoText at entry 11
    kav = late;
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste -> RD_InfoText$ nicht gesetzt\r\n");
    // The captured texts are exact in letter case.
    kav = FakeKav::standard();
    kav.commands[2].name = "wr_pcvers";
    meldung.clear();
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
}

TEST_F(CommandList, RefusedVersionGivesTwo) {
    kav.acceptVersion = false;
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 2);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste 'WR_PCVers' = nichts.\r\n");
}

TEST_F(CommandList, EmptyNameGivesOne) {
    kav.commands[3].name = "";
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste -> arr_Struktur_txt$ nicht gesetzt\r\n");
    // Also in the second part of the list.
    kav = FakeKav::large(15, 1);
    kav.commands[12].name = "";
    meldung.clear();
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
}

TEST_F(CommandList, CorruptedEntryIsAFailureNotACommand) {
    // The structure query of entry 2 gets a reply with a wrong CRC.
    auto inner = ft.responder;
    ft.responder = [&](const Bytes& frame) {
        auto r = inner(frame);
        if (hexFromBytes(frame).rfind("03010201", 0) == 0)
            return std::optional<Bytes>(replyFrame(0x81, 'S', textPayload("02 03 N "), false));
        return r;
    };
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste -> arr_Struktur_txt$ nicht gesetzt\r\n");
}

TEST_F(CommandList, SilentDeviceEndsAtEntryOne) {
    ft.responder = [](const Bytes&) { return std::optional<Bytes>(); };
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 1);
    EXPECT_EQ(meldung, "Interner Fehler: COM_READBefehlsliste -> RD_InfoText$ nicht gesetzt\r\n");
    EXPECT_EQ(ft.count("FT_Write"), 2);
}

TEST_F(CommandList, FailingInfoReadEndsTheInfoListOnly) {
    kav.infos.resize(3);
    auto inner = ft.responder;
    ft.responder = [&](const Bytes& frame) {
        if (hexFromBytes(frame).rfind("03020200", 0) == 0)
            return std::optional<Bytes>(replyFrame(0x81, 'S', textPayload("x"), false));
        return inner(frame);
    };
    std::string meldung;
    EXPECT_EQ(link.COM_READBefehlsliste(meldung), 0);
    EXPECT_EQ(link.infoCount(), 2);
    EXPECT_EQ(link.infoListe()[2].Name, "");
}

TEST_F(CommandList, NewListReplacesTheOldOneEntirely) {
    kav = FakeKav::large(30, 10);
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    ASSERT_FALSE(link.COM_GetStruktur("CMD_20").empty());
    kav = FakeKav::standard();
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    EXPECT_EQ(link.COM_GetStruktur("CMD_20"), "");
    EXPECT_EQ(link.befehlsliste()[20].Name, "");
    EXPECT_EQ(link.infoListe()[8].Name, "");
    EXPECT_EQ(link.infoCount(), 4);
}

TEST_F(CommandList, GetStrukturSearchesTheWholeListIgnoringCase) {
    kav = FakeKav::large(80, 1);
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    EXPECT_EQ(link.COM_GetStruktur("rd_info"), "02 03 N ");
    EXPECT_EQ(link.COM_GetStruktur("RD_INFOTEXT"), "03 02 N N ");
    EXPECT_EQ(link.COM_GetStruktur("CMD_41"), link.befehlsliste()[41].arr_Struktur_txt);
    EXPECT_FALSE(link.COM_GetStruktur("CMD_80").empty());
    EXPECT_EQ(link.COM_GetStruktur("RD_Inf"), "");
    EXPECT_EQ(link.COM_GetStruktur(""), "");
}

TEST_F(CommandList, CallingConvention) {
    kav.handlers[0x06] = [](const Bytes& request) {
        // DO_Test: echoes its N and I places as an I value.
        return std::optional<Bytes>(replyFrame(0x81, 'I', {request[3], request[2]}));
    };
    std::string meldung;
    ASSERT_EQ(link.COM_READBefehlsliste(meldung), 0);
    std::string anfrage = COM_BefehlAufbauen(link.COM_GetStruktur("DO_Test"), "5|300");
    EXPECT_EQ(anfrage, "040605012C");
    EXPECT_EQ(COM_WertLesen(anfrageAufruf(link, anfrage).roh, "I"), ComValue::fromDouble(0x0501));
    // A command the device does not list: empty structure, empty request, empty value.
    std::string leer = COM_BefehlAufbauen(link.COM_GetStruktur("DO_Nichts"), "1");
    const auto writes = ft.count("FT_Write");
    EXPECT_EQ(anfrageAufruf(link, leer).fehler, Aufruffehler::UngueltigeAnfrage);
    EXPECT_EQ(ft.count("FT_Write"), writes);
}

TEST(HexBereinigen, RemovesBlanksInPlace) {
    std::string t = "03 01 05 00";
    EXPECT_EQ(COM_HexBereinigen(t), "03010500");
    EXPECT_EQ(t, "03010500");
    std::string odd = "0 3 1";
    EXPECT_EQ(COM_HexBereinigen(odd), "");
    EXPECT_EQ(odd, "031");
    std::string one = "0";
    EXPECT_EQ(COM_HexBereinigen(one), "");
}

TEST_F(CommandList, AusfuehrenRefusesInvalidRequests) {
    std::string ungerade = "03 01 0";
    EXPECT_EQ(anfrageAufruf(link, ungerade).fehler, Aufruffehler::UngueltigeAnfrage);
    std::string buchstaben = "0421NI";
    EXPECT_EQ(anfrageAufruf(link, buchstaben).fehler, Aufruffehler::UngueltigeAnfrage);
    // A request longer than 255 bytes (a long structure text) is not sent.
    std::string lang;
    for (int i = 0; i < 256; ++i)
        lang += "AA ";
    EXPECT_EQ(anfrageAufruf(link, lang).fehler, Aufruffehler::UngueltigeAnfrage);
    EXPECT_EQ(ft.count("FT_Write"), 0);
    std::string gut = "01 05";
    kav.handlers[0x05] = [](const Bytes&) { return std::optional<Bytes>(replyFrame(0x80, 'S', {})); };
    EXPECT_EQ(anfrageAufruf(link, gut).roh, kHexOK);
}
