#pragma once
// Command-line style flags that configure the simulated device: shared by
// kav100sim and the D2XX-compatible library (environment KAV100SIM_FLAGS).
#include <string>
#include <vector>

#include "sim_ft_api.h"

namespace kav::sim {

// Applies each flag to `options`; unknown or malformed flags give false and a
// message in `error`. Flags take their value after "=" or as the next argument.
bool applySimFlags(const std::vector<std::string>& flags, SimOptions& options, std::string& error);

// Splits a text at blanks (no quoting: command names contain none).
std::vector<std::string> splitFlags(const std::string& text);

// One line per flag, for --help.
const char* simFlagsHelp();

} // namespace kav::sim
