#pragma once
// A converter that hands every call on to another one; tests and benchmarks
// derive from it to watch what crosses the line.
#include <cstdint>

#include "ft_api.h"

namespace kav::testkit {

class ForwardingFtApi : public ft::FtApi {
public:
    explicit ForwardingFtApi(ft::FtApi& inner) : inner_(inner) {}

    // Called with each write's bytes and each read's bytes as they pass.
    virtual void written(const std::uint8_t*, ft::DWORD) {}
    virtual void read(const std::uint8_t*, ft::DWORD) {}

    ft::FT_STATUS FT_ListDevices(void* a, void* b, ft::DWORD f) override { return inner_.FT_ListDevices(a, b, f); }
    ft::FT_STATUS FT_OpenEx(void* a, ft::DWORD f, ft::FT_HANDLE* h) override { return inner_.FT_OpenEx(a, f, h); }
    ft::FT_STATUS FT_Close(ft::FT_HANDLE h) override { return inner_.FT_Close(h); }
    ft::FT_STATUS FT_SetBaudRate(ft::FT_HANDLE h, ft::ULONG b) override { return inner_.FT_SetBaudRate(h, b); }
    ft::FT_STATUS FT_SetRts(ft::FT_HANDLE h) override { return inner_.FT_SetRts(h); }
    ft::FT_STATUS FT_SetDataCharacteristics(ft::FT_HANDLE h, ft::UCHAR w, ft::UCHAR s, ft::UCHAR p) override {
        return inner_.FT_SetDataCharacteristics(h, w, s, p);
    }
    ft::FT_STATUS FT_SetFlowControl(ft::FT_HANDLE h, ft::USHORT f, ft::UCHAR a, ft::UCHAR b) override {
        return inner_.FT_SetFlowControl(h, f, a, b);
    }
    ft::FT_STATUS FT_SetTimeouts(ft::FT_HANDLE h, ft::ULONG r, ft::ULONG w) override {
        return inner_.FT_SetTimeouts(h, r, w);
    }
    ft::FT_STATUS FT_SetChars(ft::FT_HANDLE h, ft::UCHAR a, ft::UCHAR b, ft::UCHAR c, ft::UCHAR d) override {
        return inner_.FT_SetChars(h, a, b, c, d);
    }
    ft::FT_STATUS FT_Write(ft::FT_HANDLE h, void* buffer, ft::DWORD n, ft::DWORD* count) override {
        written(static_cast<const std::uint8_t*>(buffer), n);
        return inner_.FT_Write(h, buffer, n, count);
    }
    ft::FT_STATUS FT_Read(ft::FT_HANDLE h, void* buffer, ft::DWORD n, ft::DWORD* count) override {
        const ft::FT_STATUS s = inner_.FT_Read(h, buffer, n, count);
        read(static_cast<const std::uint8_t*>(buffer), count ? *count : 0);
        return s;
    }

private:
    ft::FtApi& inner_;
};

} // namespace kav::testkit
