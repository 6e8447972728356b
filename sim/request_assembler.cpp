#include "request_assembler.h"

#include "device_crc.h"

namespace kav::sim {

bool RequestAssembler::completeValidAt(std::size_t offset) const {
    if (offset >= buffer_.size() || buffer_[offset] == 0)
        return false;
    const std::size_t size = static_cast<std::size_t>(buffer_[offset]) + 3;
    if (buffer_.size() - offset < size)
        return false;
    const std::span<const std::uint8_t> frame(buffer_.data() + offset, size);
    const std::uint16_t crc = deviceCrc16(frame.first(size - 2));
    return frame[size - 2] == (crc >> 8) && frame[size - 1] == (crc & 0xFF);
}

std::vector<std::vector<std::uint8_t>> RequestAssembler::feed(std::span<const std::uint8_t> bytes,
                                                              Clock::time_point at) {
    std::vector<std::vector<std::uint8_t>> frames;
    if (bytes.empty())
        return frames;
    if (!buffer_.empty() && at - lastByte_ > kInterByteGap)
        buffer_.clear();
    lastByte_ = at;
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());

    auto drop = [&](std::size_t n) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(n));
    };
    auto laterValidFrame = [&]() -> std::size_t {
        for (std::size_t k = 1; k < buffer_.size(); ++k)
            if (completeValidAt(k))
                return k;
        return 0;
    };

    while (!buffer_.empty()) {
        if (buffer_[0] == 0) { // no request is empty
            drop(1);
            continue;
        }
        const std::size_t size = static_cast<std::size_t>(buffer_[0]) + 3;
        if (buffer_.size() >= size) {
            if (completeValidAt(0) || buffer_.size() == size) {
                frames.emplace_back(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(size));
                drop(size);
                continue;
            }
            const std::size_t k = laterValidFrame();
            drop(k ? k : 1);
            continue;
        }
        // Incomplete: perhaps noise in front of a complete request.
        if (const std::size_t k = laterValidFrame()) {
            drop(k);
            continue;
        }
        break;
    }
    if (buffer_.size() > kMaxBuffered)
        drop(buffer_.size() - kMaxBuffered);
    return frames;
}

} // namespace kav::sim
