#include "scripted_ft_api.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "frames.h"

namespace kav::testkit {

using namespace kav::ft;

std::string FtCall::text() const {
    std::string out = name + "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        out += (i ? "," : "") + args[i];
    return out + ")";
}

void ScriptedFtApi::failNext(const std::string& function, FT_STATUS status, int times) {
    for (int i = 0; i < times; ++i)
        statuses[function].push_back(status);
}

std::vector<std::string> ScriptedFtApi::callTexts() const {
    std::vector<std::string> out;
    for (const auto& c : calls)
        out.push_back(c.text());
    return out;
}

int ScriptedFtApi::count(const std::string& function) const {
    return static_cast<int>(
        std::count_if(calls.begin(), calls.end(), [&](const FtCall& c) { return c.name == function; }));
}

std::vector<Bytes> ScriptedFtApi::writtenFrames() const {
    std::vector<Bytes> out;
    for (const auto& c : calls)
        if (c.name == "FT_Write")
            out.push_back(bytesFromHex(c.args.at(0)));
    return out;
}

FT_STATUS ScriptedFtApi::next(const std::string& function) {
    auto it = statuses.find(function);
    if (it == statuses.end() || it->second.empty())
        return FT_OK;
    const FT_STATUS s = it->second.front();
    it->second.pop_front();
    return s;
}

void ScriptedFtApi::log(std::string name, std::vector<std::string> args, FT_HANDLE handle) {
    if (record)
        calls.push_back({std::move(name), std::move(args), handle});
}

FT_STATUS ScriptedFtApi::FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    const FT_STATUS s = next("FT_ListDevices");
    if (flags == FT_LIST_NUMBER_ONLY) {
        log("FT_ListDevices", {"0x80000000"}, nullptr);
        if (s == FT_OK)
            *static_cast<DWORD*>(arg1) = deviceCount;
        return s;
    }
    char flagText[16];
    std::snprintf(flagText, sizeof flagText, "0x%08X", static_cast<unsigned>(flags));
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    log("FT_ListDevices", {std::to_string(index), flagText}, nullptr);
    if (s != FT_OK)
        return s;
    const std::string& text = (flags & ~FT_LIST_BY_INDEX) == FT_OPEN_BY_DESCRIPTION ? description : serialNumber;
    const std::size_t n = std::min<std::size_t>(text.size(), FT_LIST_BUFFER_SIZE - 1);
    std::memcpy(arg2, text.c_str(), n);
    static_cast<char*>(arg2)[n] = '\0';
    return FT_OK;
}

FT_STATUS ScriptedFtApi::FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    log("FT_OpenEx", {static_cast<const char*>(arg), std::to_string(flags)}, nullptr);
    const FT_STATUS s = next("FT_OpenEx");
    if (s == FT_OK)
        *handle = kHandle;
    return s;
}

FT_STATUS ScriptedFtApi::FT_Close(FT_HANDLE handle) {
    log("FT_Close", {}, handle);
    return next("FT_Close");
}

FT_STATUS ScriptedFtApi::FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    log("FT_SetBaudRate", {std::to_string(baudRate)}, handle);
    return next("FT_SetBaudRate");
}

FT_STATUS ScriptedFtApi::FT_SetRts(FT_HANDLE handle) {
    log("FT_SetRts", {}, handle);
    return next("FT_SetRts");
}

FT_STATUS ScriptedFtApi::FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits, UCHAR parity) {
    log("FT_SetDataCharacteristics", {std::to_string(wordLength), std::to_string(stopBits), std::to_string(parity)},
        handle);
    return next("FT_SetDataCharacteristics");
}

FT_STATUS ScriptedFtApi::FT_SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) {
    log("FT_SetFlowControl", {std::to_string(flowControl), std::to_string(xon), std::to_string(xoff)}, handle);
    return next("FT_SetFlowControl");
}

FT_STATUS ScriptedFtApi::FT_SetTimeouts(FT_HANDLE handle, ULONG readTimeoutMs, ULONG writeTimeoutMs) {
    log("FT_SetTimeouts", {std::to_string(readTimeoutMs), std::to_string(writeTimeoutMs)}, handle);
    return next("FT_SetTimeouts");
}

FT_STATUS ScriptedFtApi::FT_SetChars(FT_HANDLE handle, UCHAR eventChar, UCHAR eventCharEnabled, UCHAR errorChar,
                                     UCHAR errorCharEnabled) {
    log("FT_SetChars",
        {std::to_string(eventChar), std::to_string(eventCharEnabled), std::to_string(errorChar),
         std::to_string(errorCharEnabled)},
        handle);
    return next("FT_SetChars");
}

FT_STATUS ScriptedFtApi::FT_Write(FT_HANDLE handle, void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) {
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    Bytes frame(p, p + bytesToWrite);
    if (record)
        log("FT_Write", {hexFromBytes(frame)}, handle);
    const FT_STATUS s = next("FT_Write");
    *bytesWritten = s == FT_OK ? bytesToWrite : 0;
    std::optional<Bytes> reply;
    if (!replies.empty()) {
        reply = std::move(replies.front());
        replies.pop_front();
    } else if (responder) {
        reply = responder(frame);
    }
    if (reply)
        input.insert(input.end(), reply->begin(), reply->end());
    return s;
}

FT_STATUS ScriptedFtApi::FT_Read(FT_HANDLE handle, void* buffer, DWORD bytesToRead, DWORD* bytesReturned) {
    if (record)
        log("FT_Read", {std::to_string(bytesToRead)}, handle);
    const FT_STATUS s = next("FT_Read");
    auto* out = static_cast<std::uint8_t*>(buffer);
    DWORD n = 0;
    while (n < bytesToRead && !input.empty()) {
        out[n++] = input.front();
        input.pop_front();
    }
    *bytesReturned = n;
    return s;
}

FT_STATUS ScriptedFtApi::FT_Purge(FT_HANDLE handle, ULONG mask) {
    log("FT_Purge", {std::to_string(mask)}, handle);
    const FT_STATUS s = next("FT_Purge");
    if (s == FT_OK && (mask & FT_PURGE_RX))
        input.clear();
    return s;
}

Bytes replyFrame(std::uint8_t status, char type, const Bytes& payload, bool goodCrc) {
    Bytes frame;
    frame.reserve(payload.size() + 5);
    frame.push_back(static_cast<std::uint8_t>(payload.size() + 1));
    frame.push_back(status);
    frame.push_back(static_cast<std::uint8_t>(type));
    frame.insert(frame.end(), payload.begin(), payload.end());
    std::uint32_t crc = COM_CRC16(frame.data(), frame.size());
    if (!goodCrc)
        crc ^= 0x0101;
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return frame;
}

Bytes textPayload(const std::string& text) {
    Bytes b(text.begin(), text.end());
    b.push_back(0);
    return b;
}

Bytes bytesFromHex(const std::string& hex) {
    Bytes out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::string hexFromBytes(const Bytes& bytes) { return COM_Bytes2Hex(bytes.data(), bytes.size()); }

} // namespace kav::testkit
