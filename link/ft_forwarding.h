#pragma once
// A converter that hands every call on to another one; tools, tests and
// benchmarks derive from it to watch what crosses the line.
#include <cstdint>

#include "ft_api.h"

namespace kav::ft {

class ForwardingFtApi : public FtApi {
public:
    explicit ForwardingFtApi(FtApi& inner) : inner_(inner) {}

    // Called with each write's bytes and each read's bytes as they pass.
    virtual void written(const std::uint8_t*, DWORD) {}
    virtual void read(const std::uint8_t*, DWORD) {}
    virtual void purged(ULONG) {}

    FT_STATUS FT_ListDevices(void* a, void* b, DWORD f) override { return inner_.FT_ListDevices(a, b, f); }
    FT_STATUS FT_OpenEx(void* a, DWORD f, FT_HANDLE* h) override { return inner_.FT_OpenEx(a, f, h); }
    FT_STATUS FT_Close(FT_HANDLE h) override { return inner_.FT_Close(h); }
    FT_STATUS FT_SetBaudRate(FT_HANDLE h, ULONG b) override { return inner_.FT_SetBaudRate(h, b); }
    FT_STATUS FT_SetRts(FT_HANDLE h) override { return inner_.FT_SetRts(h); }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE h, UCHAR w, UCHAR s, UCHAR p) override {
        return inner_.FT_SetDataCharacteristics(h, w, s, p);
    }
    FT_STATUS FT_SetFlowControl(FT_HANDLE h, USHORT f, UCHAR a, UCHAR b) override {
        return inner_.FT_SetFlowControl(h, f, a, b);
    }
    FT_STATUS FT_SetTimeouts(FT_HANDLE h, ULONG r, ULONG w) override { return inner_.FT_SetTimeouts(h, r, w); }
    FT_STATUS FT_SetChars(FT_HANDLE h, UCHAR a, UCHAR b, UCHAR c, UCHAR d) override {
        return inner_.FT_SetChars(h, a, b, c, d);
    }
    FT_STATUS FT_Write(FT_HANDLE h, void* buffer, DWORD n, DWORD* count) override {
        written(static_cast<const std::uint8_t*>(buffer), n);
        return inner_.FT_Write(h, buffer, n, count);
    }
    FT_STATUS FT_Read(FT_HANDLE h, void* buffer, DWORD n, DWORD* count) override {
        const FT_STATUS s = inner_.FT_Read(h, buffer, n, count);
        read(static_cast<const std::uint8_t*>(buffer), count ? *count : 0);
        return s;
    }
    FT_STATUS FT_Purge(FT_HANDLE h, ULONG mask) override {
        purged(mask);
        return inner_.FT_Purge(h, mask);
    }

private:
    FtApi& inner_;
};

} // namespace kav::ft
