#pragma once
// The converter with the simulated device behind it, as the link sees it
// through the D2XX calls. Reads wait on the injected clock: with a manual
// clock a silent device's read time-out costs no real time.
#include <string>

#include "device_line.h"
#include "ft_api.h"
#include "kav100_device.h"
#include "sim_ft_api.h"

namespace kav::sim {

// The device settings a set of options describes.
DeviceSettings deviceSettingsFrom(const SimOptions& options);

inline constexpr char kConverterDescription[] = "KAV100 (simuliert)";
inline constexpr char kConverterSerial[] = "KAVSIM01";

class SimulatedConverter final : public ft::FtApi {
public:
    explicit SimulatedConverter(const SimOptions& options = {});

    Kav100Device& device() { return device_; }
    DeviceLine& line() { return line_; }
    Scenario& scenario() { return device_.scenario(); }
    Clock& clock() { return clock_; }
    bool isOpen() const { return open_; }

    // Call counts, for tests that check how the link used the converter.
    struct Calls {
        int listDevices = 0, openEx = 0, close = 0, write = 0, read = 0, purge = 0;
    };
    const Calls& calls() const { return calls_; }

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
    // RX drops the replies that have arrived; TX has nothing to drop, since a
    // write reaches the device at once.
    ft::FT_STATUS FT_Purge(ft::FT_HANDLE handle, ft::ULONG mask) override;

private:
    bool present() const;
    bool valid(ft::FT_HANDLE handle) const { return open_ && handle == static_cast<const void*>(&token_); }
    void updateLineUsable();

    Clock& clock_;
    Kav100Device device_;
    DeviceLine line_;
    int token_ = 0;
    bool open_ = false;
    ft::ULONG baud_ = 9600;
    ft::UCHAR wordLength_ = 8, stopBits_ = 0, parity_ = 0;
    ft::ULONG readTimeoutMs_ = 0;
    Calls calls_;
};

} // namespace kav::sim
