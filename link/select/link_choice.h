#pragma once
// Which way the link reaches the device: the simulated device, a named
// serial port, the vendor's D2XX library, or (automatic) the library when it
// loads, else the first FTDI serial port.
#include <memory>
#include <string>
#include <vector>

#include "ft_api.h"

namespace kav {

class Clock;

struct LinkChoice {
    enum class Kind { Automatic, Simulated, SerialPort, D2xx };
    Kind kind = Kind::Automatic;
    std::string port;        // SerialPort: the port's path or name
    std::string d2xxLibrary; // D2xx: library name or path; empty: the platform's name
};

// The window's switches, found anywhere in the command line, case ignored:
// "/sim" and "/port:PATH" (PATH runs to the next blank).
LinkChoice linkChoiceFromCommandLine(const std::string& befehlszeile);

// Never null. When the chosen way cannot be used, the backend answers every
// call with a failure status, so opening the link gives result 1; `diagnose`
// receives a line saying why (lines end with CR LF).
std::unique_ptr<ft::FtApi> createLinkBackend(const LinkChoice& choice, std::string& diagnose, Clock* clock = nullptr);

} // namespace kav
