#pragma once
// A converter whose calls fail or do nothing unless a derived class models
// them, so a fake states only the calls it is about.
#include <cstdint>
#include <cstring>

#include "ft_api.h"

namespace kav::ft {

class StubFtApi : public FtApi {
public:
    // Absent: no converter is listed, opening fails, every call on a handle
    // fails. Present: one converter "Stub" that opens, accepts its settings,
    // swallows what is written and never answers.
    enum class Converter { Absent, Present };
    explicit StubFtApi(Converter converter = Converter::Absent) : present_(converter == Converter::Present) {}

    FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) override {
        if (flags & FT_LIST_NUMBER_ONLY) {
            if (!arg1)
                return FT_INVALID_PARAMETER;
            *static_cast<DWORD*>(arg1) = present_ ? 1 : 0;
            return present_ ? FT_OK : FT_DEVICE_NOT_FOUND;
        }
        if (!present_ || reinterpret_cast<std::uintptr_t>(arg1) != 0)
            return FT_DEVICE_NOT_FOUND;
        if (!arg2)
            return FT_INVALID_PARAMETER;
        std::memcpy(arg2, "Stub", 5);
        return FT_OK;
    }
    FT_STATUS FT_OpenEx(void*, DWORD, FT_HANDLE* handle) override {
        if (!present_ || !handle)
            return FT_DEVICE_NOT_FOUND;
        *handle = this;
        return FT_OK;
    }
    FT_STATUS FT_Close(FT_HANDLE) override { return onHandle(); }
    FT_STATUS FT_SetBaudRate(FT_HANDLE, ULONG) override { return onHandle(); }
    FT_STATUS FT_SetRts(FT_HANDLE) override { return onHandle(); }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE, UCHAR, UCHAR, UCHAR) override { return onHandle(); }
    FT_STATUS FT_SetFlowControl(FT_HANDLE, USHORT, UCHAR, UCHAR) override { return onHandle(); }
    FT_STATUS FT_SetTimeouts(FT_HANDLE, ULONG, ULONG) override { return onHandle(); }
    FT_STATUS FT_SetChars(FT_HANDLE, UCHAR, UCHAR, UCHAR, UCHAR) override { return onHandle(); }
    FT_STATUS FT_Write(FT_HANDLE, void*, DWORD n, DWORD* written) override {
        if (written)
            *written = present_ ? n : 0;
        return onHandle();
    }
    FT_STATUS FT_Read(FT_HANDLE, void*, DWORD, DWORD* got) override {
        if (got)
            *got = 0;
        return onHandle();
    }
    FT_STATUS FT_Purge(FT_HANDLE, ULONG) override { return onHandle(); }

private:
    FT_STATUS onHandle() const { return present_ ? FT_OK : FT_INVALID_HANDLE; }

    bool present_;
};

} // namespace kav::ft
