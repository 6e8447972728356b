#pragma once
// What crosses the line in a benchmark against the pseudo-terminal device,
// and the time the simulated line gives it: every byte at 600000 baud (10
// bits each), plus the USB latency (1 ms) per reply and per purge of the
// receive queue.
#include <cstddef>

#include "ft_forwarding.h"

namespace kav::bench {

class CountingFt final : public ft::ForwardingFtApi {
public:
    using ForwardingFtApi::ForwardingFtApi;
    std::size_t bytes = 0;
    int transactions = 0;
    int purges = 0;
    void written(const std::uint8_t*, ft::DWORD n) override {
        ++transactions;
        bytes += n;
    }
    void read(const std::uint8_t*, ft::DWORD n) override { bytes += n; }
    void purged(ft::ULONG) override { ++purges; }
    void reset() { bytes = 0, transactions = 0, purges = 0; }
};

inline double lineModelMs(const CountingFt& c) { return c.bytes * 10.0 / 600.0 + (c.transactions + c.purges) * 1.0; }

} // namespace kav::bench
