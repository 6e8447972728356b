#pragma once
// A scripted converter for tests: records every call with its arguments and
// plays back replies. Each FT_Write takes the next scripted reply (or asks the
// responder) and queues its bytes; FT_Read hands out what is queued, at once,
// as a read whose time-out passed when fewer bytes are there; FT_Purge with
// FT_PURGE_RX empties the queue.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ft_api.h"

namespace kav::testkit {

using Bytes = std::vector<std::uint8_t>;

struct FtCall {
    std::string name;
    std::vector<std::string> args; // decimal numbers, or texts as given
    ft::FT_HANDLE handle = nullptr;
    std::string text() const; // "FT_SetTimeouts(1000,0)"
};

class ScriptedFtApi final : public ft::FtApi {
public:
    static inline ft::FT_HANDLE const kHandle = reinterpret_cast<ft::FT_HANDLE>(std::uintptr_t{0x4B41});

    // The one converter the listing reports.
    ft::DWORD deviceCount = 1;
    std::string description = "KAV100 USB";
    std::string serialNumber = "KV000001";

    // Status per function name, taken front first; an empty queue means FT_OK.
    std::map<std::string, std::deque<ft::FT_STATUS>> statuses;
    void failNext(const std::string& function, ft::FT_STATUS status = ft::FT_IO_ERROR, int times = 1);

    // Replies: one entry per FT_Write; nullopt means the device stays silent.
    std::deque<std::optional<Bytes>> replies;
    // Asked when `replies` is empty; gets the written frame.
    std::function<std::optional<Bytes>(const Bytes& frame)> responder;
    // Bytes waiting to be read.
    std::deque<std::uint8_t> input;

    std::vector<FtCall> calls;
    std::vector<std::string> callTexts() const;
    int count(const std::string& function) const;
    std::vector<Bytes> writtenFrames() const;
    void clearCalls() { calls.clear(); }

    ft::FT_STATUS FT_ListDevices(void* arg1, void* arg2, ft::DWORD flags) override;
    ft::FT_STATUS FT_OpenEx(void* arg, ft::DWORD flags, ft::FT_HANDLE* handle) override;
    ft::FT_STATUS FT_Close(ft::FT_HANDLE handle) override;
    ft::FT_STATUS FT_SetBaudRate(ft::FT_HANDLE handle, ft::ULONG baudRate) override;
    ft::FT_STATUS FT_SetRts(ft::FT_HANDLE handle) override;
    ft::FT_STATUS FT_SetDataCharacteristics(ft::FT_HANDLE handle, ft::UCHAR wordLength, ft::UCHAR stopBits,
                                            ft::UCHAR parity) override;
    ft::FT_STATUS FT_SetFlowControl(ft::FT_HANDLE handle, ft::USHORT flowControl, ft::UCHAR xon,
                                    ft::UCHAR xoff) override;
    ft::FT_STATUS FT_SetTimeouts(ft::FT_HANDLE handle, ft::ULONG readTimeoutMs, ft::ULONG writeTimeoutMs) override;
    ft::FT_STATUS FT_SetChars(ft::FT_HANDLE handle, ft::UCHAR eventChar, ft::UCHAR eventCharEnabled,
                              ft::UCHAR errorChar, ft::UCHAR errorCharEnabled) override;
    ft::FT_STATUS FT_Write(ft::FT_HANDLE handle, void* buffer, ft::DWORD bytesToWrite,
                           ft::DWORD* bytesWritten) override;
    ft::FT_STATUS FT_Read(ft::FT_HANDLE handle, void* buffer, ft::DWORD bytesToRead, ft::DWORD* bytesReturned) override;
    // RX drops everything queued: scripted replies are there the moment they are written.
    ft::FT_STATUS FT_Purge(ft::FT_HANDLE handle, ft::ULONG mask) override;

    // Turns recording off, for benchmarks.
    bool record = true;

private:
    ft::FT_STATUS next(const std::string& function);
    void log(std::string name, std::vector<std::string> args, ft::FT_HANDLE handle);
};

// A reply frame: L, status, type letter, payload, CRC (wrong on request).
Bytes replyFrame(std::uint8_t status, char type, const Bytes& payload, bool goodCrc = true);
// A text payload as the device sends it: the characters and a NUL.
Bytes textPayload(const std::string& text);
Bytes bytesFromHex(const std::string& hex);
std::string hexFromBytes(const Bytes& bytes);

} // namespace kav::testkit
