// The simulated converter behind the D2XX library's C entry points, so the
// link's D2XX backend loads this library exactly as it loads the vendor's.
// One converter per process; KAV100SIM_FLAGS (kav100sim's flags) configures
// it when it is first used, kav100sim_configure() replaces it.
#include <memory>
#include <mutex>
#include <string>

#include "scenario_flags.h"
#include "simulated_converter.h"

#if defined(_WIN32)
#define KAV_D2XX_EXPORT extern "C" __declspec(dllexport)
#define KAV_D2XX_CALL __stdcall
#else
#define KAV_D2XX_EXPORT extern "C" __attribute__((visibility("default")))
#define KAV_D2XX_CALL
#endif

using namespace kav::ft;

namespace {
std::mutex mutex;
std::unique_ptr<kav::sim::SimulatedConverter> converter;

bool build(const std::string& flags, std::string& error) {
    kav::sim::SimOptions options;
    if (!kav::sim::applySimFlags(kav::sim::splitFlags(flags), options, error))
        return false;
    converter = std::make_unique<kav::sim::SimulatedConverter>(options);
    return true;
}

kav::sim::SimulatedConverter& device() {
    if (!converter) {
        std::string error;
        const char* flags = std::getenv("KAV100SIM_FLAGS");
        if (!flags || !build(flags, error))
            build({}, error); // malformed flags: a plain device rather than none
    }
    return *converter;
}
} // namespace

// Replaces the converter with a fresh one configured by `flags`; 0 on success,
// 1 when the flags are malformed (the converter stays as it was).
KAV_D2XX_EXPORT int KAV_D2XX_CALL kav100sim_configure(const char* flags) {
    std::lock_guard lock(mutex);
    std::string error;
    auto previous = std::move(converter);
    if (build(flags ? flags : "", error))
        return 0;
    converter = std::move(previous);
    return 1;
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    std::lock_guard lock(mutex);
    return device().FT_ListDevices(arg1, arg2, flags);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    std::lock_guard lock(mutex);
    return device().FT_OpenEx(arg, flags, handle);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_Close(FT_HANDLE handle) {
    std::lock_guard lock(mutex);
    return device().FT_Close(handle);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    std::lock_guard lock(mutex);
    return device().FT_SetBaudRate(handle, baudRate);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_SetRts(FT_HANDLE handle) {
    std::lock_guard lock(mutex);
    return device().FT_SetRts(handle);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits,
                                                                  UCHAR parity) {
    std::lock_guard lock(mutex);
    return device().FT_SetDataCharacteristics(handle, wordLength, stopBits, parity);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) {
    std::lock_guard lock(mutex);
    return device().FT_SetFlowControl(handle, flowControl, xon, xoff);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_SetTimeouts(FT_HANDLE handle, ULONG readTimeoutMs, ULONG writeTimeoutMs) {
    std::lock_guard lock(mutex);
    return device().FT_SetTimeouts(handle, readTimeoutMs, writeTimeoutMs);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_SetChars(FT_HANDLE handle, UCHAR eventChar, UCHAR eventCharEnabled,
                                                    UCHAR errorChar, UCHAR errorCharEnabled) {
    std::lock_guard lock(mutex);
    return device().FT_SetChars(handle, eventChar, eventCharEnabled, errorChar, errorCharEnabled);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_Write(FT_HANDLE handle, void* buffer, DWORD bytesToWrite,
                                                 DWORD* bytesWritten) {
    std::lock_guard lock(mutex);
    return device().FT_Write(handle, buffer, bytesToWrite, bytesWritten);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_Read(FT_HANDLE handle, void* buffer, DWORD bytesToRead,
                                                DWORD* bytesReturned) {
    std::lock_guard lock(mutex);
    return device().FT_Read(handle, buffer, bytesToRead, bytesReturned);
}

KAV_D2XX_EXPORT FT_STATUS KAV_D2XX_CALL FT_Purge(FT_HANDLE handle, ULONG mask) {
    std::lock_guard lock(mutex);
    return device().FT_Purge(handle, mask);
}
