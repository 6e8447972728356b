#pragma once
// One field table per record type: each field's name, where and how the
// record file holds it, and the member of the typed record it is. The tables
// stand in the order `values` lists the fields; the CSV export takes the
// file's order from the positions. The file reader and writer keep their own
// byte-exact code; a test holds them to these tables.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "json_writer.h"
#include "result_records.h"

namespace kav::measure {

// How the record file holds a field.
enum class Kodierung {
    Hex8,      // 8 hex digits, 32-bit two's complement
    Hex4,      // 4 hex digits, 16-bit
    Hex2,      // 2 hex digits, one byte
    Festkomma, // 8 hex digits, 16.16 fixed point
    Text,      // the hex text as it is (the samples)
};

// Characters a field takes in the file (0 for the text, whose length is the record's).
std::size_t breite(Kodierung k);

template <class W>
using Glied = std::variant<std::int32_t W::*, std::int16_t W::*, std::uint8_t W::*, float W::*,
                           std::array<std::int32_t, 5> W::*, std::array<std::uint8_t, 5> W::*, std::string W::*>;

template <class W>
struct Feld {
    std::string_view name;
    std::size_t position; // 1-based place in the record file (of the first element); 0: not in the file
    Kodierung kodierung;
    Glied<W> glied;
    std::size_t abstand = 0; // an array: characters from one element's place to the next
    bool prozent = false;    // a signed percentage byte (two's complement)
};

template <class W>
std::span<const Feld<W>> felder();
template <>
std::span<const Feld<AktuellWerte>> felder<AktuellWerte>();
template <>
std::span<const Feld<SchlechtimpulsWerte>> felder<SchlechtimpulsWerte>();
template <>
std::span<const Feld<DrehschwebungWerte>> felder<DrehschwebungWerte>();

// The `values` object: every field of the table under its name (byte fields as
// held, arrays as arrays, Messdaten as the hex text it holds with the matching
// AnzahlMesswerte), the oscillation adding `samples`.
json::Json valuesObject(const AktuellWerte& w);
json::Json valuesObject(const SchlechtimpulsWerte& w);
json::Json valuesObject(const DrehschwebungWerte& w);

// "field,value" rows of the fields the file holds, in the file's order:
// percentages signed, an array's elements as Name1…Name5.
std::string csvZeilen(const AktuellWerte& w);
std::string csvZeilen(const SchlechtimpulsWerte& w);

} // namespace kav::measure
