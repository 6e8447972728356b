#pragma once
// Which way the link reaches the device: the simulated device, a named
// serial port, the vendor's D2XX library, or (automatic) the library when it
// loads, else the first FTDI serial port.
#include <memory>
#include <string>
#include <utility>

#include "ft_api.h"

namespace kav {

class Clock;

struct LinkChoice {
    enum class Kind { Automatic, Simulated, SerialPort, D2xx };

    LinkChoice() = default;
    // In member order; the later members may be left out.
    LinkChoice(Kind k, std::string portName = {}, std::string library = {}, std::string flags = {})
        : kind(k), port(std::move(portName)), d2xxLibrary(std::move(library)), simFlags(std::move(flags)) {}

    Kind kind = Kind::Automatic;
    std::string port;        // SerialPort: the port's path or name
    std::string d2xxLibrary; // D2xx: library name or path; empty: the platform's name
    // Simulated: flags of the simulated device as kav100sim takes them
    // ("--not-pc-mode --speed 3000"), separated by blanks.
    std::string simFlags;
};

// Never null. When the chosen way cannot be used (the library does not load,
// no port is named, the simulated device's flags are not valid), the backend
// answers every call with a failure status, so opening the link gives result
// 1; `diagnose` receives a line saying why (lines end with CR LF).
std::unique_ptr<ft::FtApi> createLinkBackend(const LinkChoice& choice, std::string& diagnose, Clock* clock = nullptr);

} // namespace kav
