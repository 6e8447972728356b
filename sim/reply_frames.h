#pragma once
// Building the device's reply frames: L, status, type letter, L-1 payload
// bytes, CRC over all of it (high byte first).
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kav::sim {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kStatusNormal = 0x80;
inline constexpr std::uint8_t kStatusData = 0x01;
inline constexpr std::uint8_t kStatusFailure = 0x02;

// The largest payload one reply can carry: the length byte counts the type
// letter too and cannot exceed 255.
inline constexpr std::size_t kMaxReplyPayload = 254;

// Bits of the device's error reports.
enum DeviceErrorBits : std::uint32_t {
    kErrI2cTimeout = 0x1,
    kErrRs232Checksum = 0x8,
    kErrRs232CmdFault = 0x10,
    kErrRs232ByteAnzahl = 0x20,
    kErrRs232ArtikelKod = 0x40,
    kErrRs232PcDataOver = 0x80,
};

Bytes makeReply(std::uint8_t status, char typeLetter, std::span<const std::uint8_t> payload);
// A request frame as the link sends it: length, command code, parameters, CRC.
Bytes makeRequest(std::uint8_t code, std::span<const std::uint8_t> params = {});
// Status 0x81: data with the given type letter.
Bytes dataReply(char typeLetter, std::span<const std::uint8_t> payload);
// Text with type "S" and its terminating NUL.
Bytes textReply(const std::string& text);
// Status 0x80: plain acknowledgement.
Bytes acknowledgeReply();
// Status 0x82: the device reports failure.
Bytes failureReply();
// Status 0x00: error report carrying the mask, least significant byte first.
Bytes errorReport(std::uint32_t mask);

// Little-endian helpers for payloads.
void appendLe16(Bytes& out, std::int32_t v);
void appendLe32(Bytes& out, std::int32_t v);

} // namespace kav::sim
