#pragma once
// The D2XX function set on a serial port of the operating system's own
// converter driver (Linux ftdi_sio tty, Windows VCP COM port), so no vendor
// library is needed. Lists the ports whose USB vendor id is FTDI's, or only
// the one port named explicitly.
#include <memory>
#include <string>
#include <vector>

#include "ft_api.h"

namespace kav::backends {

inline constexpr unsigned kFtdiVendorId = 0x0403;

struct SerialPortEntry {
    std::string portName;     // what QSerialPort opens (name or path)
    std::string description;  // what FT_OpenEx by description matches
    std::string serialNumber; // what FT_OpenEx by serial number matches
};

class SerialPortFtApi final : public ft::FtApi {
public:
    // Empty: every serial port with FTDI's vendor id, sorted by name.
    explicit SerialPortFtApi(std::string explicitPort = {});
    ~SerialPortFtApi() override;

    // The converters as the listing calls report them, index 0 first.
    std::vector<SerialPortEntry> listPorts() const;

    ft::FT_STATUS FT_ListDevices(void* arg1, void* arg2, ft::DWORD flags) override;
    ft::FT_STATUS FT_OpenEx(void* arg, ft::DWORD flags, ft::FT_HANDLE* handle) override;
    ft::FT_STATUS FT_Close(ft::FT_HANDLE handle) override;
    ft::FT_STATUS FT_SetBaudRate(ft::FT_HANDLE handle, ft::ULONG baudRate) override;
    ft::FT_STATUS FT_SetRts(ft::FT_HANDLE handle) override;
    ft::FT_STATUS FT_SetDataCharacteristics(ft::FT_HANDLE handle, ft::UCHAR wordLength, ft::UCHAR stopBits,
                                            ft::UCHAR parity) override;
    ft::FT_STATUS FT_SetFlowControl(ft::FT_HANDLE handle, ft::USHORT flowControl, ft::UCHAR xon,
                                    ft::UCHAR xoff) override;
    // Read time-out 0 and write time-out 0 mean: wait without limit.
    ft::FT_STATUS FT_SetTimeouts(ft::FT_HANDLE handle, ft::ULONG readTimeoutMs, ft::ULONG writeTimeoutMs) override;
    // Accepted; the event character has no effect on a plain serial port.
    ft::FT_STATUS FT_SetChars(ft::FT_HANDLE handle, ft::UCHAR eventChar, ft::UCHAR eventCharEnabled,
                              ft::UCHAR errorChar, ft::UCHAR errorCharEnabled) override;
    ft::FT_STATUS FT_Write(ft::FT_HANDLE handle, void* buffer, ft::DWORD bytesToWrite,
                           ft::DWORD* bytesWritten) override;
    ft::FT_STATUS FT_Read(ft::FT_HANDLE handle, void* buffer, ft::DWORD bytesToRead, ft::DWORD* bytesReturned) override;
    // Clears the port's buffers and the driver's queues of that direction.
    // Write, read and purge report a vanished converter (unplugged, hung up)
    // as FT_IO_ERROR once, closing the port, and FT_DEVICE_NOT_OPENED after.
    ft::FT_STATUS FT_Purge(ft::FT_HANDLE handle, ft::ULONG mask) override;

    // Why the last FT_OpenEx failed (empty after a success).
    const std::string& lastOpenError() const { return lastOpenError_; }

private:
    struct OpenPort;
    OpenPort* find(ft::FT_HANDLE handle) const;
    // Whether the port's converter is gone; closes the port the first time.
    static bool checkLost(OpenPort& p);

    std::string explicitPort_;
    std::vector<std::unique_ptr<OpenPort>> open_;
    std::string lastOpenError_;
};

} // namespace kav::backends
