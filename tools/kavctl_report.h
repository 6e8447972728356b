#pragma once
// kavctl report: a record file's printout as a PDF, through the printout of
// the window's "Drucken" (records/widgets). Needs no display: it starts Qt on
// its offscreen platform.
#include <QCoreApplication>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>

#include "kavctl_options.h"

namespace kav::kavctl {

// Exit codes: 0; 64 no --pdf; 65 not a record file, one that cannot be taken
// apart, or one without a printable page (no data, another record type):
// nothing is written; 66 the file cannot be read; 73 the PDF cannot be
// written. The PDF is written atomically.
// With a profile (options.measure.profile) the page carries the verdict band
// and the exit code is 1 for FAIL or INCOMPLETE.
int reportFile(int argc, char* argv[], const Options& options, std::ostream& out, std::ostream& err);

// Qt's application for drawing without a display: the offscreen platform,
// Qt's own notes (a missing runtime folder) kept off standard error.
std::unique_ptr<QCoreApplication> printoutApplication(int& argc, char* argv[]);

// Writes the protocol PDF of `test --out` in `sprache`; "" or why not.
std::function<std::string(const verdict::RunReport&, const std::filesystem::path&)>
protocolWriter(const std::string& sprache);

} // namespace kav::kavctl
