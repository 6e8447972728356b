#pragma once
// A converter whose device answers every request with what the fuzz input
// says: raw bytes, a whole reply frame (right or wrong CRC, any status and
// type letter), a text reply from a table of the protocol's own words, a
// reply with stale bytes behind it, or nothing; and whose reads may report
// a failing status. The listing and the line set-up always succeed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "ft_stub.h"
#include "reply_frames.h"

namespace kav::fuzz {

// Words a device says during a connection, so the input reaches the
// handshake and the info list without having to guess them byte by byte.
inline const char* const kWords[] = {"RD_InfoText",
                                     "RD_Info",
                                     "WR_PCVers",
                                     "EndofTab",
                                     "ERROR",
                                     "03 11 N N ",
                                     "02 10 N ",
                                     "09 12 CCCCCCCC ",
                                     "S",
                                     "B",
                                     "I",
                                     "L",
                                     "Q",
                                     "P",
                                     "F",
                                     "C",
                                     "N",
                                     "",
                                     "RD_InfoArray",
                                     "06 14 N I I ",
                                     "05 22 F ",
                                     "05 23 Q "};

class FuzzedConverter final : public ft::StubFtApi {
public:
    explicit FuzzedConverter(FuzzedDataProvider& in) : StubFtApi(Converter::Present), in_(in) {}

    ft::FT_STATUS FT_Write(ft::FT_HANDLE, void*, ft::DWORD n, ft::DWORD* written) override {
        *written = n;
        ++writes;
        reads_ = 0;
        const auto mode = in_.ConsumeIntegral<std::uint8_t>();
        flakyReads_ = mode >> 5; // bit 0: the first read, bit 1: the second, bit 2: others fail
        switch (mode & 7) {
        case 0: // nothing
            break;
        case 1:
        case 2: { // a reply frame
            const auto status = in_.ConsumeIntegral<std::uint8_t>();
            const auto type = in_.ConsumeIntegral<std::uint8_t>();
            frame(status, type, in_.ConsumeBytes<std::uint8_t>(in_.ConsumeIntegralInRange(0, 254)), (mode & 7) == 1);
            break;
        }
        case 3:
        case 4: { // a text reply of a known word
            const std::string word = kWords[in_.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)];
            std::vector<std::uint8_t> payload(word.begin(), word.end());
            payload.push_back(0);
            frame((mode & 7) == 3 ? 0x81 : 0x80, 'S', payload, true);
            break;
        }
        case 5: { // a good reply and stale bytes behind it
            const auto payload = in_.ConsumeBytes<std::uint8_t>(in_.ConsumeIntegralInRange(0, 16));
            frame(0x81, 'B', payload, true);
            raw(in_.ConsumeIntegralInRange(0, 32));
            break;
        }
        default: // raw bytes
            raw(in_.ConsumeIntegralInRange(0, 300));
            break;
        }
        return ft::FT_OK;
    }

    ft::FT_STATUS FT_Read(ft::FT_HANDLE, void* buffer, ft::DWORD n, ft::DWORD* got) override {
        const int index = reads_++;
        const unsigned bit = index < 2 ? (1u << index) : 4u;
        const std::size_t count = std::min<std::size_t>(n, queue_.size());
        std::copy_n(queue_.begin(), count, static_cast<std::uint8_t*>(buffer));
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
        *got = static_cast<ft::DWORD>(count);
        if (flakyReads_ & bit)
            return index % 2 == 0 ? ft::FT_IO_ERROR : ft::FT_OTHER_ERROR;
        return ft::FT_OK;
    }

    ft::FT_STATUS FT_Purge(ft::FT_HANDLE, ft::ULONG mask) override {
        if (mask & ft::FT_PURGE_RX)
            queue_.clear();
        return ft::FT_OK;
    }

    int writes = 0;

private:
    // Built as the simulated device builds its replies, with its own CRC.
    void frame(std::uint8_t status, std::uint8_t type, const std::vector<std::uint8_t>& payload, bool goodCrc) {
        sim::Bytes f = sim::makeReply(status, static_cast<char>(type), payload);
        if (!goodCrc)
            f.back() ^= 0x01;
        queue_.insert(queue_.end(), f.begin(), f.end());
    }
    void raw(std::size_t n) {
        const auto bytes = in_.ConsumeBytes<std::uint8_t>(n);
        queue_.insert(queue_.end(), bytes.begin(), bytes.end());
    }

    FuzzedDataProvider& in_;
    std::deque<std::uint8_t> queue_;
    int reads_ = 0;
    unsigned flakyReads_ = 0;
};

// Whether a transaction's result is one the link can give: empty, a device
// error text (",..."), or whole hex bytes of at most one reply's payload.
inline bool plausibleResult(const std::string& r) {
    if (r.empty() || r.front() == ',')
        return true;
    if (r.size() % 2 != 0 || r.size() > 2 * 254)
        return false;
    return std::all_of(r.begin(), r.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

} // namespace kav::fuzz
