// A stand-in for the vendor's D2XX library: the twelve functions with C
// linkage, one converter "Fake D2XX" whose device acknowledges every frame
// with an empty list. Every call is appended to a log the test reads back.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#if defined(_WIN32)
#define KAV_FAKE_EXPORT extern "C" __declspec(dllexport)
#define KAV_FAKE_CALL __stdcall
#else
#define KAV_FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#define KAV_FAKE_CALL
#endif

namespace {

using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using FT_STATUS = ULONG;
using FT_HANDLE = void*;

std::string g_log;
std::deque<std::uint8_t> g_input;
int g_handle = 0;

void note(const std::string& line) { g_log += line + "\n"; }

std::uint16_t crc16(const std::uint8_t* p, std::size_t n) {
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < n; ++i) {
        crc = static_cast<std::uint16_t>(crc ^ (p[i] << 8));
        for (int b = 0; b < 8; ++b)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

} // namespace

KAV_FAKE_EXPORT const char* kavFakeLog() { return g_log.c_str(); }

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    note("FT_ListDevices " + std::to_string(flags));
    if (flags == 0x80000000u) {
        *static_cast<DWORD*>(arg1) = 1;
        return 0;
    }
    const char* text = (flags & 1) ? "FD000001" : "Fake D2XX";
    std::memcpy(arg2, text, std::strlen(text) + 1);
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    note(std::string("FT_OpenEx ") + static_cast<const char*>(arg) + " " + std::to_string(flags));
    if (std::strcmp(static_cast<const char*>(arg), "Fake D2XX") != 0)
        return 2;
    *handle = &g_handle;
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_Close(FT_HANDLE handle) {
    note(std::string("FT_Close ") + (handle == &g_handle ? "ok" : "bad"));
    return handle == &g_handle ? 0 : 1;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_SetBaudRate(FT_HANDLE, ULONG baud) {
    note("FT_SetBaudRate " + std::to_string(baud));
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_SetRts(FT_HANDLE) {
    note("FT_SetRts");
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_SetDataCharacteristics(FT_HANDLE, unsigned char w, unsigned char s,
                                                                  unsigned char p) {
    note("FT_SetDataCharacteristics " + std::to_string(w) + " " + std::to_string(s) + " " + std::to_string(p));
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_SetFlowControl(FT_HANDLE, unsigned short f, unsigned char, unsigned char) {
    note("FT_SetFlowControl " + std::to_string(f));
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_SetTimeouts(FT_HANDLE, ULONG r, ULONG w) {
    note("FT_SetTimeouts " + std::to_string(r) + " " + std::to_string(w));
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_SetChars(FT_HANDLE, unsigned char e, unsigned char ee, unsigned char,
                                                    unsigned char) {
    note("FT_SetChars " + std::to_string(e) + " " + std::to_string(ee));
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_Write(FT_HANDLE, void* buffer, DWORD n, DWORD* written) {
    char hex[4];
    std::string line = "FT_Write ";
    for (DWORD i = 0; i < n; ++i) {
        std::snprintf(hex, sizeof hex, "%02X", static_cast<const std::uint8_t*>(buffer)[i]);
        line += hex;
    }
    note(line);
    *written = n;
    // Every query is answered with the end of the list.
    std::uint8_t reply[16] = {0x0A, 0x81, 'S', 'E', 'n', 'd', 'o', 'f', 'T', 'a', 'b', 0};
    const std::uint16_t crc = crc16(reply, 12);
    reply[12] = static_cast<std::uint8_t>(crc >> 8);
    reply[13] = static_cast<std::uint8_t>(crc & 0xFF);
    g_input.insert(g_input.end(), reply, reply + 14);
    return 0;
}

KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_Purge(FT_HANDLE, ULONG mask) {
    note("FT_Purge " + std::to_string(mask));
    if (mask & 1)
        g_input.clear();
    return 0;
}

#if !defined(KAV_FAKE_WITHOUT_READ)
KAV_FAKE_EXPORT FT_STATUS KAV_FAKE_CALL FT_Read(FT_HANDLE, void* buffer, DWORD n, DWORD* got) {
    note("FT_Read " + std::to_string(n));
    DWORD i = 0;
    for (; i < n && !g_input.empty(); ++i) {
        static_cast<std::uint8_t*>(buffer)[i] = g_input.front();
        g_input.pop_front();
    }
    *got = i;
    return 0;
}
#endif
