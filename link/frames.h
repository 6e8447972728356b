#pragma once
// Frame helpers: CRC-16/XMODEM by table, device error texts, hex byte access.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kav {

// Sentinel results of a transaction, as hex text of their ASCII letters.
inline constexpr char kHexOK[] = "4F4B";
inline constexpr char kHexERROR[] = "4552524F52";
inline constexpr char kHexERROR_CHK[] = "4552524F525F43484B";
inline constexpr char kHexERROR_INTERN[] = "4552524F525F494E5445524E";

const std::array<std::uint32_t, 256>& CRCTabelle();
// count < 0: the whole array.
std::uint32_t COM_CRC16(const std::uint8_t* bytes, std::size_t size, long count = -1);
std::string COM_CRC16Hex(const std::string& hex);
std::string COM_FehlerText(std::uint32_t maske);
std::string COM_HexByte(const std::string& hex, int n);
std::string COM_Bytes2Hex(const std::uint8_t* bytes, std::size_t n);
std::string COM_NullenEntfernen(const std::string& text);

} // namespace kav
