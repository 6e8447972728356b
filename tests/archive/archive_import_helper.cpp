// An import in a process of its own, for the tests that kill it or run two
// at once:  archive_import_helper URL BATCH PAUSE_COMMITS PAUSE_PENDING PATH…
// Imports PATH… into URL in batches of BATCH files. With PAUSE_COMMITS > 0 it
// stops, once that many batches are committed and PAUSE_PENDING files of the
// next one are inserted but not committed, prints "paused" and waits on
// standard input (the test kills it there). Otherwise it prints
// "imported already_there not_records" and exits 0; 1 on a database error,
// 69 when the archive cannot be opened.
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "archive.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 6)
        return 64;
    const int pauseCommits = std::atoi(argv[3]);
    const int pausePending = std::atoi(argv[4]);
    QStringList paths;
    for (int i = 5; i < argc; ++i)
        paths << QString::fromLocal8Bit(argv[i]);

    kav::archive::Archive archive;
    if (const auto e = archive.open(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message));
        return 69;
    }
    int commits = 0;
    kav::archive::ImportOptions options;
    options.batchSize = std::atoi(argv[2]);
    options.progress = [&](const kav::archive::ImportReport&, int pending) {
        if (pending == 0)
            ++commits;
        if (pauseCommits > 0 && commits == pauseCommits && pending == pausePending) {
            std::printf("paused\n");
            std::fflush(stdout);
            std::getchar();
            std::_Exit(2);
        }
    };
    kav::archive::ImportReport report;
    if (const auto e = archive.importPaths(paths, report, options)) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message));
        return 1;
    }
    std::printf("%lld %lld %lld\n", static_cast<long long>(report.imported),
                static_cast<long long>(report.alreadyThere), static_cast<long long>(report.notRecords.size()));
    return 0;
}
