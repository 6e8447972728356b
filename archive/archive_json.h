#pragma once
// The archive's results as JSON, for `kavctl archive` and any other caller.
#include <nlohmann/json.hpp>

#include <vector>

#include "archive.h"

namespace kav::archive {

// A line of `archive list`: id, type, taken, source, encoder_serial,
// device_serial, name, verdict (null when not judged).
nlohmann::ordered_json listEntryJson(const ResultRow& row);
nlohmann::ordered_json listJson(const std::vector<ResultRow>& rows);

// Every archive field of one result (the list's and archived_at, firmware,
// profile), and the values for searching.
nlohmann::ordered_json detailJson(const StoredResult& result);

// total, per_type {"1": n, …}, per_verdict {"PASS": n, …, "none": n}, first_taken, last_taken (null when empty).
nlohmann::ordered_json statsJson(const Stats& stats);

} // namespace kav::archive
