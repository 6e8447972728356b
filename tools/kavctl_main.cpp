// kavctl: talks to a KAV100 without the window (service, scripts, tests).
#include <QCoreApplication>

#include <iostream>
#include <memory>

#include "kavctl_archive_commands.h"
#include "kavctl_files.h"
#include "kavctl_profile.h"
#include "kavctl_run.h"
#include "kavctl_show.h"
#include "link_choice.h"
#ifdef KAV_KAVCTL_REPORT
#include "kavctl_report.h"
#endif

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    kav::kavctl::Options options;
    std::string error;
    if (!kav::kavctl::parseOptions(args, options, error)) {
        std::cerr << "kavctl: " << error << " (kavctl --help)\n";
        return kav::kavctl::kExitUsage;
    }
    if (options.command == kav::kavctl::Options::Command::Help) {
        std::cout << kav::kavctl::kUsage;
        return kav::kavctl::kExitOk;
    }
    if (options.command == kav::kavctl::Options::Command::Version) {
        std::cout << "kavctl " KAV_VERSION_TEXT "\n";
        return kav::kavctl::kExitOk;
    }
    // Profiles are read before anything else: a bad one touches no device.
    if (const int code = kav::kavctl::profileStep(argc, argv, options, std::cout, std::cerr); code >= 0)
        return code;
    // A file command needs no device.
    if (options.command == kav::kavctl::Options::Command::Export)
        return kav::kavctl::exportFile(options, std::cout, std::cerr);
    if (options.command == kav::kavctl::Options::Command::Show)
        return kav::kavctl::showFile(options, std::cout, std::cerr);
    if (options.command == kav::kavctl::Options::Command::Report) {
#ifdef KAV_KAVCTL_REPORT
        return kav::kavctl::reportFile(argc, argv, options, std::cout, std::cerr);
#else
        std::cerr << "kavctl: report needs the printout, which this kavctl was built without (KAV_BUILD_GUI=OFF)\n";
        return kav::kavctl::kExitUsage;
#endif
    }
    // The serial-port backend and the archive's SQL drivers need Qt's core
    // objects; the test run's protocol the printout's.
    std::unique_ptr<QCoreApplication> app;
    if (options.command == kav::kavctl::Options::Command::Test && !options.outDir.empty()) {
#ifdef KAV_KAVCTL_REPORT
        app = kav::kavctl::printoutApplication(argc, argv);
        options.protocolWriter = kav::kavctl::protocolWriter(options.lang);
#else
        std::cerr << "kavctl: test --out needs the printout, which this kavctl was built without (KAV_BUILD_GUI=OFF)\n";
        return kav::kavctl::kExitUsage;
#endif
    }
    if (!app)
        app = std::make_unique<QCoreApplication>(argc, argv);
    if (kav::kavctl::isArchiveCommand(options.command))
        return kav::kavctl::archiveCommand(options, std::cout, std::cerr);
    std::string diagnose;
    auto api = kav::createLinkBackend(options.link, diagnose);
    return kav::kavctl::run(options, *api, diagnose, std::cout, std::cerr);
}
