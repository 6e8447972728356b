#pragma once
// kav100sim's serving loop: the simulated device behind a pseudo-terminal.
#include <cstdio>

#include "sim_ft_api.h"

namespace kav::sim {

// Opens a pseudo-terminal, prints its path as the first line on `out`, then
// answers requests on it until SIGINT or SIGTERM. Returns the exit code.
int runPtyServer(const SimOptions& options, std::FILE* out, std::FILE* err);

} // namespace kav::sim
