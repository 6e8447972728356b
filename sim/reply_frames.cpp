#include "reply_frames.h"

#include "device_crc.h"

namespace kav::sim {

Bytes makeRequest(std::uint8_t code, std::span<const std::uint8_t> params) {
    Bytes f;
    f.reserve(params.size() + 4);
    f.push_back(static_cast<std::uint8_t>(params.size() + 1));
    f.push_back(code);
    f.insert(f.end(), params.begin(), params.end());
    const std::uint16_t crc = deviceCrc16(f);
    f.push_back(static_cast<std::uint8_t>(crc >> 8));
    f.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return f;
}

Bytes makeReply(std::uint8_t status, char typeLetter, std::span<const std::uint8_t> payload) {
    const std::size_t n = payload.size() > kMaxReplyPayload ? kMaxReplyPayload : payload.size();
    Bytes out;
    out.reserve(n + 5);
    out.push_back(static_cast<std::uint8_t>(n + 1));
    out.push_back(status);
    out.push_back(static_cast<std::uint8_t>(typeLetter));
    out.insert(out.end(), payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(n));
    const std::uint16_t crc = deviceCrc16(out);
    out.push_back(static_cast<std::uint8_t>(crc >> 8));
    out.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return out;
}

Bytes dataReply(char typeLetter, std::span<const std::uint8_t> payload) {
    return makeReply(kStatusNormal | kStatusData, typeLetter, payload);
}

Bytes textReply(const std::string& text) {
    Bytes payload(text.begin(), text.end());
    payload.push_back(0);
    return dataReply('S', payload);
}

Bytes acknowledgeReply() { return makeReply(kStatusNormal, 'N', {}); }

Bytes failureReply() { return makeReply(kStatusNormal | kStatusFailure, 'N', {}); }

Bytes errorReport(std::uint32_t mask) {
    Bytes payload;
    appendLe32(payload, static_cast<std::int32_t>(mask));
    return makeReply(0x00, 'L', payload);
}

void appendLe16(Bytes& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    out.push_back(static_cast<std::uint8_t>(u & 0xFF));
    out.push_back(static_cast<std::uint8_t>((u >> 8) & 0xFF));
}

void appendLe32(Bytes& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF));
}

} // namespace kav::sim
