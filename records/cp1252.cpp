#include "cp1252.h"

#include "ansi_utf8.h"

namespace kav::records {

// The link's code page helper, under the names the record code uses.
std::string cp1252ToUtf8(std::string_view bytes) { return ansiToUtf8(bytes); }
std::string utf8ToCp1252(std::string_view utf8, char ersatz) { return utf8ToAnsi(utf8, ersatz); }

} // namespace kav::records
