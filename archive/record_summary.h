#pragma once
// What the archive keeps beside a record's bytes: the columns a result is
// found by and the values for searching, all taken from the bytes themselves
// (the record file stays the one true copy).
#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace kav::archive {

struct RecordSummary {
    int type = 0;
    QString taken; // 2024-03-07T09:05:00
    QString encoderSerial;
    QString deviceSerial;
    QString firmware;
    QString name;
    // Every number the record holds under its field's name (arrays and the
    // oscillation samples left out).
    std::vector<std::pair<QString, double>> values;
};

// std::nullopt: not a record file, or one that cannot be taken apart.
std::optional<RecordSummary> summarise(const QByteArray& bytes);

// SHA-256 of the bytes as 64 lower-case hex digits.
QString contentHash(const QByteArray& bytes);

} // namespace kav::archive
