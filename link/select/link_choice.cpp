#include "link_choice.h"

#include <algorithm>

#include "d2xx_library_ft_api.h"
#include "failing_ft_api.h"
#include "serial_port_ft_api.h"

#include "sim_ft_api.h"

namespace kav {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return s;
}

} // namespace

LinkChoice linkChoiceFromCommandLine(const std::string& befehlszeile) {
    LinkChoice choice;
    std::string rest = befehlszeile;
    // "/port:PATH" first and cut out, so a path that happens to contain
    // "/sim" is not taken for the other switch.
    const std::size_t port = lower(rest).find("/port:");
    if (port != std::string::npos) {
        const std::size_t start = port + 6;
        std::size_t end = rest.find_first_of(" \t", start);
        if (end == std::string::npos)
            end = rest.size();
        choice.port = rest.substr(start, end - start);
        rest.erase(port, end - port);
        if (!choice.port.empty())
            choice.kind = LinkChoice::Kind::SerialPort;
    }
    if (lower(rest).find("/sim") != std::string::npos)
        choice.kind = LinkChoice::Kind::Simulated;
    return choice;
}

std::unique_ptr<ft::FtApi> createLinkBackend(const LinkChoice& choice, std::string& diagnose, Clock* clock) {
    switch (choice.kind) {
    case LinkChoice::Kind::Simulated: {
        sim::SimOptions options;
        options.clock = clock;
        // The demo should feel like the real line: replies take their wire time.
        options.wireTime = true;
        return sim::createSimulatedFtApi(options);
    }
    case LinkChoice::Kind::SerialPort:
        if (choice.port.empty()) {
            diagnose += "No serial port named\r\n";
            return std::make_unique<backends::FailingFtApi>();
        }
        return std::make_unique<backends::SerialPortFtApi>(choice.port);
    case LinkChoice::Kind::D2xx: {
        std::string error;
        if (auto api = backends::loadD2xxLibrary(choice.d2xxLibrary, error))
            return api;
        diagnose += error + "\r\n";
        return std::make_unique<backends::FailingFtApi>();
    }
    case LinkChoice::Kind::Automatic: break;
    }
    std::string error;
    if (auto api = backends::loadD2xxLibrary(choice.d2xxLibrary, error))
        return api;
    diagnose += error + "; using the first FTDI serial port\r\n";
    return std::make_unique<backends::SerialPortFtApi>();
}

} // namespace kav
