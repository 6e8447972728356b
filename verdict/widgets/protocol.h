#pragma once
// The protocol of one unit under test: a first page with the identity, the
// unit's verdict and every check of the three results, then the three
// result printouts ("Drucken"'s pages: current values, bad pulses with the
// deviation ring, oscillation with its chart), each with its verdict band.
// One renderer for PDF and printer: anything a QPagedPaintDevice is.
#include <QByteArray>
#include <QString>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "printout.h"
#include "test_run.h"

class QPagedPaintDevice;

namespace kav::verdict {

struct ProtocolData {
    RunReport report;
    QString software; // the program's version, as the printout's header line names it
};

inline constexpr int kProtocolPages = 4;

// The three result printouts with their bands, in step order. `trenner` is
// the decimal separator the pages show.
std::array<records::Druckseite, kStepCount> protocolResultPages(const ProtocolData& d, std::string_view sprache,
                                                                std::string_view trenner);

// Paints all pages; false when no painter can begin on the device.
bool paintProtocol(QPagedPaintDevice& device, const ProtocolData& d, std::string_view sprache);

// The protocol as an A4 PDF (empty when it cannot be made).
QByteArray protocolPdf(const ProtocolData& d, std::string_view sprache);

// Writes the PDF atomically; "" or why it could not be written (in "D" or "E").
std::string writeProtocolPdf(const std::filesystem::path& file, const ProtocolData& d, std::string_view sprache);

} // namespace kav::verdict
