#pragma once
// A converter that is not there: every call fails, nothing is ever read.
// Stands in when the chosen way of reaching the device cannot be used, so
// opening the link gives its ordinary failure result.
#include "ft_api.h"

namespace kav::backends {

class FailingFtApi final : public ft::FtApi {
public:
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
    ft::FT_STATUS FT_Purge(ft::FT_HANDLE handle, ft::ULONG mask) override;
};

} // namespace kav::backends
