#pragma once
// The protocol's first page: title, identity, the unit's verdict and one row
// per check of the three results (value, limit, result).
#include <QSizeF>
#include <string_view>

class QPainter;

namespace kav::verdict {

struct ProtocolData;

// Paints onto a painter whose unit is one twip, with its origin at the top
// left corner of a printable area of `bereich` twips.
void paintProtocolSummary(QPainter& p, const ProtocolData& d, std::string_view sprache, const QSizeF& bereich);

} // namespace kav::verdict
