#pragma once
// Windows-1252, the code page of the record files' and the device's texts,
// to and from UTF-8, with the standard library only. The five bytes the code
// page leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same
// value, as Windows does, so every byte survives a round trip.
#include <string>
#include <string_view>

namespace kav::records {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters outside the code page (and malformed UTF-8) become `ersatz`.
std::string utf8ToCp1252(std::string_view utf8, char ersatz = '?');

} // namespace kav::records
