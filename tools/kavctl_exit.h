#pragma once
// kavctl's exit codes, the only place they are defined.
namespace kav::kavctl {

inline constexpr int kExitOk = 0;
inline constexpr int kExitVerdict = 1;      // a verdict FAIL or INCOMPLETE
inline constexpr int kExitNoLink = 2;       // the link did not open
inline constexpr int kExitFailed = 3;       // the device or the measurement failed
inline constexpr int kExitUsage = 64;       // bad arguments
inline constexpr int kExitDataErr = 65;     // not a record file, or one that cannot be taken apart
inline constexpr int kExitNoInput = 66;     // the file cannot be read
inline constexpr int kExitArchive = 69;     // the archive cannot be reached or written
inline constexpr int kExitCantCreate = 73;  // the output file cannot be written

} // namespace kav::kavctl
