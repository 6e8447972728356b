#pragma once
// Test helpers: request frames as the link sends them and replies taken apart.
#include <cstdint>
#include <string>
#include <vector>

#include "device_crc.h"
#include "reply_frames.h"

namespace kav::sim::test {

inline Bytes request(std::uint8_t code, const Bytes& params = {}) { return makeRequest(code, params); }

inline Bytes textParam(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Reply {
    bool wellFormed = false; // length, size and CRC fit
    std::uint8_t status = 0;
    char letter = 0;
    Bytes payload;

    bool isData() const { return status == 0x81; }
    bool isAck() const { return status == 0x80; }
    bool isFailure() const { return (status & 0x02) != 0; }
    bool isErrorReport() const { return (status & 0x80) == 0; }
    std::string text() const { // an "S" payload without its NUL
        std::string t(payload.begin(), payload.end());
        if (!t.empty() && t.back() == '\0')
            t.pop_back();
        return t;
    }
    std::uint32_t le32() const {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4 && i < payload.size(); ++i)
            v |= static_cast<std::uint32_t>(payload[i]) << (8 * i);
        return v;
    }
    std::int16_t le16() const {
        return payload.size() >= 2 ? static_cast<std::int16_t>(payload[0] | (payload[1] << 8)) : 0;
    }
};

inline Reply parse(const Bytes& frame) {
    Reply r;
    if (frame.size() < 5 || frame.size() != static_cast<std::size_t>(frame[0]) + 4u)
        return r;
    const std::uint16_t crc = deviceCrc16(std::span<const std::uint8_t>(frame.data(), frame.size() - 2));
    r.wellFormed = frame[frame.size() - 2] == (crc >> 8) && frame.back() == (crc & 0xFF);
    r.status = frame[1];
    r.letter = static_cast<char>(frame[2]);
    r.payload.assign(frame.begin() + 3, frame.end() - 2);
    return r;
}

} // namespace kav::sim::test
