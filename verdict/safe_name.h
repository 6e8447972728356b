#pragma once
// Names that come from outside (an encoder's serial number from the device, a
// profile's name typed by the user) used as one file or folder name: never a
// path of their own.
#include <string>
#include <string_view>

namespace kav::verdict {

// One path component that every platform takes: separators, control
// characters, bytes beyond ASCII and the characters Windows refuses
// (<>:"/\|?*) become "_"; blanks and dots at the ends are dropped; a name that
// is then empty, "." or "..", becomes `fallback`; a Windows device name (CON,
// NUL, COM1 …) gets a leading "_".
std::string safeFileName(std::string_view text, std::string_view fallback);

} // namespace kav::verdict
