#include "link_choice.h"

#include "d2xx_library_ft_api.h"
#include "failing_ft_api.h"
#include "scenario_flags.h"
#include "serial_port_ft_api.h"
#include "sim_ft_api.h"

namespace kav {

std::unique_ptr<ft::FtApi> createLinkBackend(const LinkChoice& choice, std::string& diagnose, Clock* clock) {
    switch (choice.kind) {
    case LinkChoice::Kind::Simulated: {
        sim::SimOptions options;
        options.clock = clock;
        // The demo should feel like the real line: replies take their wire time.
        options.wireTime = true;
        std::string error;
        if (!sim::applySimFlags(sim::splitFlags(choice.simFlags), options, error)) {
            diagnose += "Simulated device: " + error + "\r\n";
            return std::make_unique<backends::FailingFtApi>();
        }
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
