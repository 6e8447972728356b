#pragma once
// What kavctl does once its backend exists: open the link, do the command,
// close the link on every way out, print, and give the exit code.
#include <ostream>
#include <string>

#include "ft_api.h"
#include "json_writer.h"
#include "kavctl_exit.h"
#include "kavctl_options.h"

namespace kav {
class ComUSB;
}

namespace kav::kavctl {

// `backendDiagnose`: the lines the backend choice produced (they open the
// diagnostic text). Device texts are Windows-1252 bytes; they are written as UTF-8.
int run(const Options& options, ft::FtApi& api, const std::string& backendDiagnose, std::ostream& out,
        std::ostream& err);

// The object `info` prints, as one JSON value.
json::Json infoObject(int result, const std::string& diagnose, const std::string& serial, const std::string& firmware,
                      const ComUSB& link);

} // namespace kav::kavctl
