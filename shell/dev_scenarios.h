#pragma once
// Developer switches of the executable: "/sim:NAME" starts the program on the
// simulated device in a given condition, for demonstrations and the
// screenshot script. Names: "slow" (every reply 150 ms late), "silent" (the
// device never answers), "nodevice" (no converter plugged in), "noversion"
// (the device refuses the program's version), "supply" (the device cannot
// read its serial number).
#include <QString>
#include <memory>

#include "ft_api.h"

namespace kav::shell {

// The simulated device for the switch in the command line, or nullptr when
// no known "/sim:NAME" is given (the ordinary backend choice applies).
std::unique_ptr<ft::FtApi> simulatedDeviceFor(const QString& befehlszeile);

} // namespace kav::shell
