// The one device-call path: a failed reply is reported as a failure whatever
// type letter the caller asked for, and only a good reply is decoded.
#include <gtest/gtest.h>

#include "sim_link_fixture.h"

namespace kav::sim::test {
namespace {

struct FaultCase {
    const char* name;
    FaultRule::Kind kind;
    Aufruffehler expected;
    const char* text;
};

class DeviceCall : public SimLinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DeviceCall, FailedReplyIsNeverDecodedAsANumber) {
    ASSERT_EQ(open(), 0) << diagnose;
    FaultRule r = FaultRule::make(GetParam().kind, "RD_Info");
    r.parameterPrefix = {wert::Drehzahl};
    r.keepBytes = GetParam().kind == FaultRule::Kind::ErrorReport ? -1 : r.keepBytes;
    r.errorMask = 0x9;
    scenario().add(r);
    for (const char* type : {"I", "P", "Q", "F", "L", "B", "C", "S"}) {
        const Aufruf a = wertLesen(*link, wert::Drehzahl, type);
        EXPECT_EQ(a.fehler, GetParam().expected) << type;
        EXPECT_TRUE(a.wert.isEmpty()) << type << " gave " << a.wert.toText();
        EXPECT_EQ(a.text, GetParam().text) << type;
    }
    // The fault is confined to its value: the next good read decodes.
    const Aufruf ok = wertLesen(*link, wert::GeraetSN, "S");
    EXPECT_TRUE(ok.ok());
    EXPECT_EQ(ok.wert.toText(), "070123");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DeviceCall,
    ::testing::Values(FaultCase{"FailureBit", FaultRule::Kind::FailureBit, Aufruffehler::Fehlerwort, "ERROR"},
                      FaultCase{"Silent", FaultRule::Kind::Silent, Aufruffehler::Fehlerwort, "ERROR"},
                      FaultCase{"BadCrc", FaultRule::Kind::CorruptCrc, Aufruffehler::Fehlerwort, "ERROR_CHK"},
                      FaultCase{"ErrorReport", FaultRule::Kind::ErrorReport, Aufruffehler::Geraetefehler,
                                ",I2C-TimeOut,RS232-Checksum"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceCall, DataStartingWithAComma) {
    // 300 as "I" is the payload 2C 01: data, not a device error report.
    ASSERT_EQ(open(), 0) << diagnose;
    device().encoder().setPulsesPerRevolution(300);
    ASSERT_EQ(program->text("DO_MesAktuell"), "OK");
    clock.advance(std::chrono::seconds(1));
    const Aufruf a = wertLesen(*link, wert::Impulszahl, "L");
    EXPECT_TRUE(a.ok()) << a.grund();
    EXPECT_EQ(a.wert.toNumber(), 300);
}

TEST_F(DeviceCall, UnlistedCommandAndUnbuildableRequest) {
    ASSERT_EQ(open(), 0) << diagnose;
    const int writes = ft->calls().write;
    EXPECT_EQ(geraetAufruf(*link, "RD_Nichts", "").fehler, Aufruffehler::NichtGelistet);
    EXPECT_EQ(geraetAufruf(*link, "RD_Info", "99999999999").fehler, Aufruffehler::UngueltigeAnfrage);
    EXPECT_EQ(ft->calls().write, writes) << "nothing was sent";
}

TEST_F(DeviceCall, InfoListKeepsTheFailureText) {
    FaultRule r = FaultRule::make(FaultRule::Kind::FailureBit, "RD_Info");
    r.parameterPrefix = {5}; // the temperature, type "P"
    scenario().add(r);
    ASSERT_EQ(open(), 0) << diagnose;
    EXPECT_EQ(link->infoListe()[5].Typ, "P");
    EXPECT_EQ(link->infoListe()[5].Wert, "ERROR");
    EXPECT_EQ(link->infoListe()[4].Wert, "&H00000751") << "the entries around it are read";
}

} // namespace
} // namespace kav::sim::test
