// kav100sim: the simulated KAV100 on a pseudo-terminal, for kavctl --port and
// the window's serial backend.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "pty_server.h"
#include "scenario_flags.h"

int main(int argc, char** argv) {
    std::vector<std::string> flags;
    bool pty = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pty") == 0) {
            pty = true;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kav100sim %s\n", KAV_VERSION_TEXT);
            return 0;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: kav100sim --pty [flags]\n"
                        "Serves the simulated KAV100 on a pseudo-terminal, prints its path on the first\n"
                        "line and runs until SIGINT or SIGTERM. Replies take their wire time at\n"
                        "600000 baud unless --no-wire-time is given.\n%s",
                        kav::sim::simFlagsHelp());
            return 0;
        } else {
            flags.emplace_back(argv[i]);
        }
    }
    kav::sim::SimOptions options;
    options.wireTime = true; // the interactive demo behaves like the real line
    std::string error;
    if (!kav::sim::applySimFlags(flags, options, error)) {
        std::fprintf(stderr, "kav100sim: %s\n", error.c_str());
        return 64;
    }
    if (!pty) {
        std::fprintf(stderr, "usage: kav100sim --pty [flags]   (--help lists the flags)\n");
        return 64;
    }
#ifdef KAV100SIM_HAS_PTY
    return kav::sim::runPtyServer(options, stdout, stderr);
#else
    std::fprintf(stderr, "kav100sim: pseudo-terminals are not available on this platform\n");
    return 69;
#endif
}
