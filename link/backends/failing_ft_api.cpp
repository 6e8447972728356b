#include "failing_ft_api.h"

namespace kav::backends {

using namespace kav::ft;

FT_STATUS FailingFtApi::FT_ListDevices(void* arg1, void*, DWORD flags) {
    if ((flags & FT_LIST_NUMBER_ONLY) && arg1)
        *static_cast<DWORD*>(arg1) = 0;
    return FT_DEVICE_NOT_FOUND;
}

FT_STATUS FailingFtApi::FT_OpenEx(void*, DWORD, FT_HANDLE*) { return FT_DEVICE_NOT_FOUND; }
FT_STATUS FailingFtApi::FT_Close(FT_HANDLE) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_SetBaudRate(FT_HANDLE, ULONG) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_SetRts(FT_HANDLE) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_SetDataCharacteristics(FT_HANDLE, UCHAR, UCHAR, UCHAR) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_SetFlowControl(FT_HANDLE, USHORT, UCHAR, UCHAR) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_SetTimeouts(FT_HANDLE, ULONG, ULONG) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_SetChars(FT_HANDLE, UCHAR, UCHAR, UCHAR, UCHAR) { return FT_INVALID_HANDLE; }
FT_STATUS FailingFtApi::FT_Purge(FT_HANDLE, ULONG) { return FT_INVALID_HANDLE; }

FT_STATUS FailingFtApi::FT_Write(FT_HANDLE, void*, DWORD, DWORD* bytesWritten) {
    if (bytesWritten)
        *bytesWritten = 0;
    return FT_INVALID_HANDLE;
}

FT_STATUS FailingFtApi::FT_Read(FT_HANDLE, void*, DWORD, DWORD* bytesReturned) {
    if (bytesReturned)
        *bytesReturned = 0;
    return FT_INVALID_HANDLE;
}

} // namespace kav::backends
