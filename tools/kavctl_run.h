#pragma once
// What kavctl does once its backend exists: open the link, do the command,
// close the link on every way out, print, and give the exit code.
#include <ostream>
#include <string>

#include "ft_api.h"
#include "kavctl_options.h"

namespace kav::kavctl {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNoLink = 2;
inline constexpr int kExitFailed = 3;
inline constexpr int kExitUsage = 64;

// `backendDiagnose`: the lines the backend choice produced (they open the
// diagnostic text). Device texts are single bytes; they are written as UTF-8.
int run(const Options& options, ft::FtApi& api, const std::string& backendDiagnose, std::ostream& out,
        std::ostream& err);

// A device text (one character per byte, Latin-1) as UTF-8.
std::string latin1ToUtf8(const std::string& text);
// A JSON string literal, quotes included.
std::string jsonString(const std::string& latin1Text);

} // namespace kav::kavctl
