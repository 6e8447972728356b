// The window's command line, parsed in one place: the program switches, the
// simulated device with its flags, the serial port.
#include <command_line.h>

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace kav::shell;

namespace {

struct Erwartet {
    bool debug = false, kommun = false, math = false;
    bool sim = false;
    const char* simFlags = "";
    const char* port = "";
};

} // namespace

TEST(Befehlszeile, TheLinkSwitchesAndTheirValues) {
    const std::pair<const char*, Erwartet> faelle[] = {
        {"", {}},
        {"/debug /kommun", {.debug = true, .kommun = true}},
        {"/sim", {.sim = true}},
        {"/debug /SIM", {.debug = true, .sim = true}},
        {"/debug /Port:/dev/ttyUSB1 /kommun", {.debug = true, .kommun = true, .port = "/dev/ttyUSB1"}},
        {"/port:COM3", {.port = "COM3"}},
        {"/port:\"C:\\my ports\\x\" /math", {.math = true, .port = "C:\\my ports\\x"}},
        // A port path is no other switch.
        {"/port:/dev/simport0", {.port = "/dev/simport0"}},
        {"/port:/dev/mathdebug", {.port = "/dev/mathdebug"}},
        {"/port: /debug", {.debug = true}},
        {"/port:COM3 /sim", {.sim = true, .port = "COM3"}},
        // Flags of the simulated device: quoted, or up to the next switch.
        {"/sim:\"--not-pc-mode\"", {.sim = true, .simFlags = "--not-pc-mode"}},
        {"/sim:\"--speed 3000 --pulses 199\" /debug",
         {.debug = true, .sim = true, .simFlags = "--speed 3000 --pulses 199"}},
        {"/sim:--speed 3000 --pulses 199 /debug",
         {.debug = true, .sim = true, .simFlags = "--speed 3000 --pulses 199"}},
        {"/math /sim:--failure-bit=RD_Info/03", {.math = true, .sim = true, .simFlags = "--failure-bit=RD_Info/03"}},
        {"/sim:\"--omit /debug\"", {.sim = true, .simFlags = "--omit /debug"}},
        // The short names.
        {"/sim:slow", {.sim = true, .simFlags = "--slow 150"}},
        {"/sim:SILENT /debug", {.debug = true, .sim = true, .simFlags = "--silent"}},
        {"/sim:nodevice", {.sim = true, .simFlags = "--no-converter"}},
        {"/sim:noversion", {.sim = true, .simFlags = "--refuse-version"}},
        {"/sim:supply", {.sim = true, .simFlags = "--failure-bit=RD_Info/03"}},
        // Anything else is handed on as it is, for the device to refuse.
        {"/sim:slowly", {.sim = true, .simFlags = "slowly"}},
    };
    for (const auto& [zeile, e] : faelle) {
        SCOPED_TRACE(zeile);
        const CommandLine c = parseCommandLine(QString::fromLatin1(zeile));
        EXPECT_EQ(c.debug, e.debug);
        EXPECT_EQ(c.kommun, e.kommun);
        EXPECT_EQ(c.math, e.math);
        EXPECT_FALSE(c.sprache);
        EXPECT_FALSE(c.admin);
        EXPECT_EQ(c.sim, e.sim);
        EXPECT_EQ(c.simFlags, QString::fromLatin1(e.simFlags));
        EXPECT_EQ(c.port, QString::fromLatin1(e.port));
    }
}
