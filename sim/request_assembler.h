#pragma once
// Cuts request frames out of the byte stream the device receives. The length
// byte comes first, so a frame is complete after L + 3 bytes; noise on the
// line is skipped by looking for the next frame whose CRC fits, and a pause
// between bytes ends a half-received frame.
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "clock.h"

namespace kav::sim {

class RequestAssembler {
public:
    // A pause longer than this between two bytes discards what came before.
    static constexpr std::chrono::milliseconds kInterByteGap{20};
    // More than this many bytes without a frame is noise, not a request.
    static constexpr std::size_t kMaxBuffered = 1024;

    // The complete frames the new bytes finish, in order. A frame whose CRC
    // does not fit is still delivered when nothing follows it, so the device
    // can answer it with a checksum error.
    std::vector<std::vector<std::uint8_t>> feed(std::span<const std::uint8_t> bytes, Clock::time_point at);

    std::size_t buffered() const { return buffer_.size(); }
    void clear() { buffer_.clear(); }

private:
    bool completeValidAt(std::size_t offset) const;

    std::vector<std::uint8_t> buffer_;
    Clock::time_point lastByte_{};
};

} // namespace kav::sim
