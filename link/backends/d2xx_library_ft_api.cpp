#include "d2xx_library_ft_api.h"

#include <QLibrary>

#include <set>

namespace kav::backends {

using namespace kav::ft;

#if defined(_WIN32)
#define KAV_D2XX_CALL __stdcall
#else
#define KAV_D2XX_CALL
#endif

namespace {

using ListDevicesFn = FT_STATUS(KAV_D2XX_CALL*)(void*, void*, DWORD);
using OpenExFn = FT_STATUS(KAV_D2XX_CALL*)(void*, DWORD, FT_HANDLE*);
using CloseFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE);
using SetBaudRateFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, ULONG);
using SetRtsFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE);
using SetDataCharacteristicsFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, UCHAR, UCHAR, UCHAR);
using SetFlowControlFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, USHORT, UCHAR, UCHAR);
using SetTimeoutsFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, ULONG, ULONG);
using SetCharsFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, UCHAR, UCHAR, UCHAR, UCHAR);
using WriteFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);
using ReadFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, void*, DWORD, DWORD*);
using PurgeFn = FT_STATUS(KAV_D2XX_CALL*)(FT_HANDLE, ULONG);

class D2xxLibraryFtApi final : public FtApi {
public:
    explicit D2xxLibraryFtApi(std::unique_ptr<QLibrary> library) : library_(std::move(library)) {}
    ~D2xxLibraryFtApi() override = default; // the library stays loaded until the process ends

    bool resolve(std::string& missing) {
        return get(listDevices_, "FT_ListDevices", missing) && get(openEx_, "FT_OpenEx", missing) &&
               get(close_, "FT_Close", missing) && get(setBaudRate_, "FT_SetBaudRate", missing) &&
               get(setRts_, "FT_SetRts", missing) &&
               get(setDataCharacteristics_, "FT_SetDataCharacteristics", missing) &&
               get(setFlowControl_, "FT_SetFlowControl", missing) && get(setTimeouts_, "FT_SetTimeouts", missing) &&
               get(setChars_, "FT_SetChars", missing) && get(write_, "FT_Write", missing) &&
               get(read_, "FT_Read", missing) && get(purge_, "FT_Purge", missing);
    }

    FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) override { return listDevices_(arg1, arg2, flags); }
    FT_STATUS FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) override { return openEx_(arg, flags, handle); }
    FT_STATUS FT_Close(FT_HANDLE handle) override {
        // A vanished converter's handle was closed when it was noticed.
        if (lost_.erase(handle) != 0)
            return FT_OK;
        return close_(handle);
    }
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) override { return setBaudRate_(handle, baudRate); }
    FT_STATUS FT_SetRts(FT_HANDLE handle) override { return setRts_(handle); }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits, UCHAR parity) override {
        return setDataCharacteristics_(handle, wordLength, stopBits, parity);
    }
    FT_STATUS FT_SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) override {
        return setFlowControl_(handle, flowControl, xon, xoff);
    }
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, ULONG readTimeoutMs, ULONG writeTimeoutMs) override {
        return setTimeouts_(handle, readTimeoutMs, writeTimeoutMs);
    }
    FT_STATUS FT_SetChars(FT_HANDLE handle, UCHAR eventChar, UCHAR eventCharEnabled, UCHAR errorChar,
                          UCHAR errorCharEnabled) override {
        return setChars_(handle, eventChar, eventCharEnabled, errorChar, errorCharEnabled);
    }
    FT_STATUS FT_Write(FT_HANDLE handle, void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) override {
        if (lost_.contains(handle)) {
            if (bytesWritten)
                *bytesWritten = 0;
            return FT_DEVICE_NOT_OPENED;
        }
        return watch(handle, write_(handle, buffer, bytesToWrite, bytesWritten));
    }
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, DWORD bytesToRead, DWORD* bytesReturned) override {
        if (lost_.contains(handle)) {
            if (bytesReturned)
                *bytesReturned = 0;
            return FT_DEVICE_NOT_OPENED;
        }
        return watch(handle, read_(handle, buffer, bytesToRead, bytesReturned));
    }
    FT_STATUS FT_Purge(FT_HANDLE handle, ULONG mask) override {
        if (lost_.contains(handle))
            return FT_DEVICE_NOT_OPENED;
        return watch(handle, purge_(handle, mask));
    }

private:
    // The library says a converter vanished with these: its handle is closed
    // at once and the library is not asked about it again.
    FT_STATUS watch(FT_HANDLE handle, FT_STATUS status) {
        if (status == FT_IO_ERROR || status == FT_DEVICE_NOT_OPENED) {
            close_(handle);
            lost_.insert(handle);
        }
        return status;
    }

    template <typename Fn>
    bool get(Fn& fn, const char* name, std::string& missing) {
        fn = reinterpret_cast<Fn>(library_->resolve(name));
        if (!fn)
            missing = name;
        return fn != nullptr;
    }

    std::unique_ptr<QLibrary> library_;
    ListDevicesFn listDevices_ = nullptr;
    OpenExFn openEx_ = nullptr;
    CloseFn close_ = nullptr;
    SetBaudRateFn setBaudRate_ = nullptr;
    SetRtsFn setRts_ = nullptr;
    SetDataCharacteristicsFn setDataCharacteristics_ = nullptr;
    SetFlowControlFn setFlowControl_ = nullptr;
    SetTimeoutsFn setTimeouts_ = nullptr;
    SetCharsFn setChars_ = nullptr;
    WriteFn write_ = nullptr;
    ReadFn read_ = nullptr;
    PurgeFn purge_ = nullptr;
    std::set<FT_HANDLE> lost_;
};

} // namespace

std::string defaultD2xxLibraryName() {
#if defined(_WIN32)
    return "ftd2xx.dll";
#else
    return "libftd2xx.so";
#endif
}

std::unique_ptr<FtApi> loadD2xxLibrary(const std::string& nameOrPath, std::string& error) {
    const std::string name = nameOrPath.empty() ? defaultD2xxLibraryName() : nameOrPath;
    auto library = std::make_unique<QLibrary>(QString::fromLocal8Bit(name.c_str()));
    if (!library->load()) {
        error = "D2XX library " + name + " could not be loaded: " + library->errorString().toStdString();
        return nullptr;
    }
    auto api = std::make_unique<D2xxLibraryFtApi>(std::move(library));
    std::string missing;
    if (!api->resolve(missing)) {
        error = "D2XX library " + name + " lacks the function " + missing;
        return nullptr;
    }
    return api;
}

} // namespace kav::backends
