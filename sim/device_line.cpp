#include "device_line.h"

#include <algorithm>

namespace kav::sim {

namespace {
bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}
} // namespace

Clock::duration WireTiming::forBytes(std::size_t n) const {
    const long long nanos = static_cast<long long>(n) * 10LL * 1000000000LL / baud;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(nanos));
}

DeviceLine::DeviceLine(Kav100Device& device, Clock& clock, WireTiming timing, std::uint64_t seed)
    : device_(device), clock_(clock), timing_(timing), noise_(seed ^ 0xA5A5A5A5ull) {}

void DeviceLine::hostWrite(std::span<const std::uint8_t> bytes) {
    const auto now = clock_.now();
    if (!onBus(now) || !lineUsable_)
        return;
    bytesIn_ += bytes.size();
    for (const auto& frame : assembler_.feed(bytes, now))
        handleRequest(frame, now);
}

FaultRule* DeviceLine::matchingFault(const std::vector<std::uint8_t>& frame, int index) {
    std::string name;
    bool named = false;
    for (FaultRule& rule : device_.scenario().faults) {
        if (rule.times == 0 || index < rule.afterFrames)
            continue;
        if (!rule.command.empty()) {
            if (!named) {
                name = device_.commandNameOf(frame);
                named = true;
            }
            if (!sameName(rule.command, name))
                continue;
        }
        if (!rule.parameterPrefix.empty()) {
            if (frame.size() < 2 + rule.parameterPrefix.size() + 2 ||
                !std::equal(rule.parameterPrefix.begin(), rule.parameterPrefix.end(), frame.begin() + 2))
                continue;
        }
        return &rule;
    }
    return nullptr;
}

void DeviceLine::handleRequest(const std::vector<std::uint8_t>& frame, Clock::time_point arrived) {
    const int index = requests_++;
    FaultRule* fault = matchingFault(frame, index);
    if (fault && fault->times > 0)
        --fault->times;
    if (fault && fault->kind == FaultRule::Kind::Silent)
        return; // lost on the way in: not executed, not answered

    // A command the device refuses is not carried out (no record loaded, no
    // serial number written, no memory formatted).
    Bytes reply = fault && fault->kind == FaultRule::Kind::FailureBit ? failureReply() : device_.handleFrame(frame);
    Clock::duration extra{};
    bool dropAfter = false;
    if (fault) {
        auto kept = [&] {
            return fault->keepBytes >= 0 ? static_cast<std::size_t>(fault->keepBytes)
                                         : std::max<std::size_t>(1, reply.size() / 2);
        };
        switch (fault->kind) {
        case FaultRule::Kind::Silent: break;
        case FaultRule::Kind::CorruptCrc: reply.back() ^= 0x5A; break;
        case FaultRule::Kind::FailureBit: break;
        case FaultRule::Kind::ErrorReport:
            reply = errorReport(fault->errorMask);
            if (fault->keepBytes >= 0 && fault->keepBytes < 4) // a report cut short
                reply = makeReply(0x00, 'L', Bytes(reply.begin() + 3, reply.begin() + 3 + fault->keepBytes));
            break;
        case FaultRule::Kind::Truncated: reply.resize(std::min(reply.size(), kept())); break;
        case FaultRule::Kind::BadLength: reply[0] = fault->lengthByte; break;
        case FaultRule::Kind::Garbage: {
            reply.assign(fault->keepBytes >= 0 ? static_cast<std::size_t>(fault->keepBytes) : 9u, 0);
            for (auto& b : reply)
                b = static_cast<std::uint8_t>(noise_.next() & 0xFF);
            break;
        }
        case FaultRule::Kind::Slow: extra = fault->delay; break;
        case FaultRule::Kind::DropOff:
            reply.resize(std::min(reply.size(), kept()));
            dropAfter = true;
            break;
        }
    }

    Clock::time_point at = arrived + extra;
    if (timing_.enabled)
        at += timing_.forBytes(frame.size() + reply.size()) + timing_.usbLatency;
    if (!outgoing_.empty())
        at = std::max(at, outgoing_.back().at);
    if (!reply.empty()) {
        bytesOut_ += reply.size();
        outgoing_.push_back({at, std::move(reply)});
        ++replies_;
    }
    if (dropAfter)
        offBusAt_ = at;
}

std::size_t DeviceLine::available(Clock::time_point t) const {
    std::size_t n = 0;
    for (const Chunk& c : outgoing_) {
        if (c.at > t)
            break;
        n += c.bytes.size();
    }
    return n;
}

std::optional<Clock::time_point> DeviceLine::timeWhenAvailable(std::size_t n) const {
    std::size_t have = 0;
    for (const Chunk& c : outgoing_) {
        have += c.bytes.size();
        if (have >= n)
            return c.at;
    }
    return std::nullopt;
}

std::size_t DeviceLine::read(std::uint8_t* out, std::size_t max, Clock::time_point t) {
    std::size_t n = 0;
    while (n < max && !outgoing_.empty() && outgoing_.front().at <= t) {
        Chunk& c = outgoing_.front();
        const std::size_t take = std::min(max - n, c.bytes.size());
        std::copy_n(c.bytes.begin(), take, out + n);
        n += take;
        c.bytes.erase(c.bytes.begin(), c.bytes.begin() + static_cast<std::ptrdiff_t>(take));
        if (c.bytes.empty())
            outgoing_.pop_front();
    }
    return n;
}

void DeviceLine::purge() {
    outgoing_.clear();
    assembler_.clear();
}

void DeviceLine::discardReceived(Clock::time_point t) {
    while (!outgoing_.empty() && outgoing_.front().at <= t)
        outgoing_.pop_front();
}

void DeviceLine::reconnect() {
    offBusAt_.reset();
    purge();
}

} // namespace kav::sim
