#pragma once
// A small stand-in device for tests and benchmarks: answers the command-list
// query, the info-text and info queries, the version handshake and any extra
// command by code, from tables the test fills.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "scripted_ft_api.h"

namespace kav::testkit {

struct FakeCommand {
    std::string name;
    std::string structure;
};

struct FakeInfo {
    std::string name;
    std::string type; // the type letter the device announces
    char replyType = 'S';
    Bytes payload;
};

class FakeKav {
public:
    // The list entries 1..n as the device reports them; "EndofTab" follows.
    std::vector<FakeCommand> commands;
    // Info values by value number (the RD_Info parameter); the info list is 0..n-1.
    std::vector<FakeInfo> infos;
    bool acceptVersion = true;
    // Extra commands by code: the reply to the whole request frame.
    std::map<std::uint8_t, std::function<std::optional<Bytes>(const Bytes& request)>> handlers;

    // Every request received (hex, CRC excluded).
    std::vector<std::string> requests;
    std::string lastVersion;

    std::optional<Bytes> reply(const Bytes& frame);

    // RD_InfoText 02, RD_Info 03, WR_PCVers 04, RD_InfoUpdate 05, DO_Test 06.
    static FakeKav standard();
    // The standard device with `n` commands in all and `m` info values.
    static FakeKav large(int n, int m);
};

} // namespace kav::testkit
