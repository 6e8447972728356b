#pragma once
// The D2XX function set as the link uses it: the twelve calls, their status
// codes and flag values, with the vendor library's C signatures. Every way
// of reaching a converter (vendor library, operating-system serial port,
// simulated device, scripted fake in tests) implements this one interface.
#include <cstdint>

namespace kav::ft {

using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using USHORT = std::uint16_t;
using UCHAR = std::uint8_t;
using FT_HANDLE = void*;
using FT_STATUS = ULONG;

enum : FT_STATUS {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_INVALID_BAUD_RATE = 7,
    FT_DEVICE_NOT_OPENED_FOR_ERASE = 8,
    FT_DEVICE_NOT_OPENED_FOR_WRITE = 9,
    FT_FAILED_TO_WRITE_DEVICE = 10,
    FT_EEPROM_READ_FAILED = 11,
    FT_EEPROM_WRITE_FAILED = 12,
    FT_EEPROM_ERASE_FAILED = 13,
    FT_EEPROM_NOT_PRESENT = 14,
    FT_EEPROM_NOT_PROGRAMMED = 15,
    FT_INVALID_ARGS = 16,
    FT_NOT_SUPPORTED = 17,
    FT_OTHER_ERROR = 18,
};

// FT_ListDevices flags
inline constexpr DWORD FT_LIST_NUMBER_ONLY = 0x80000000u;
inline constexpr DWORD FT_LIST_BY_INDEX = 0x40000000u;
inline constexpr DWORD FT_LIST_ALL = 0x20000000u;
// FT_OpenEx / FT_ListDevices selectors
inline constexpr DWORD FT_OPEN_BY_SERIAL_NUMBER = 1;
inline constexpr DWORD FT_OPEN_BY_DESCRIPTION = 2;
inline constexpr DWORD FT_OPEN_BY_LOCATION = 4;
// FT_SetDataCharacteristics
inline constexpr UCHAR FT_BITS_8 = 8;
inline constexpr UCHAR FT_BITS_7 = 7;
inline constexpr UCHAR FT_STOP_BITS_1 = 0;
inline constexpr UCHAR FT_STOP_BITS_2 = 2;
inline constexpr UCHAR FT_PARITY_NONE = 0;
inline constexpr UCHAR FT_PARITY_ODD = 1;
inline constexpr UCHAR FT_PARITY_EVEN = 2;
inline constexpr UCHAR FT_PARITY_MARK = 3;
inline constexpr UCHAR FT_PARITY_SPACE = 4;
// FT_SetFlowControl
inline constexpr USHORT FT_FLOW_NONE = 0x0000;
inline constexpr USHORT FT_FLOW_RTS_CTS = 0x0100;
inline constexpr USHORT FT_FLOW_DTR_DSR = 0x0200;
inline constexpr USHORT FT_FLOW_XON_XOFF = 0x0400;
// FT_Purge
inline constexpr ULONG FT_PURGE_RX = 1;
inline constexpr ULONG FT_PURGE_TX = 2;

// Size of the description and serial-number buffers handed to FT_ListDevices.
inline constexpr int FT_LIST_BUFFER_SIZE = 256;

class FtApi {
public:
    virtual ~FtApi() = default;

    // FT_LIST_NUMBER_ONLY: arg1 points to a DWORD that receives the count, arg2 unused.
    // FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION / FT_OPEN_BY_SERIAL_NUMBER: arg1 is the
    // device index cast to a pointer, arg2 a buffer of FT_LIST_BUFFER_SIZE bytes that
    // receives a NUL-terminated ANSI text.
    virtual FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags) = 0;
    // FT_OPEN_BY_DESCRIPTION / FT_OPEN_BY_SERIAL_NUMBER: arg is a NUL-terminated text.
    virtual FT_STATUS FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) = 0;
    virtual FT_STATUS FT_Close(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) = 0;
    virtual FT_STATUS FT_SetRts(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits, UCHAR parity) = 0;
    virtual FT_STATUS FT_SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR xon, UCHAR xoff) = 0;
    virtual FT_STATUS FT_SetTimeouts(FT_HANDLE handle, ULONG readTimeoutMs, ULONG writeTimeoutMs) = 0;
    virtual FT_STATUS FT_SetChars(FT_HANDLE handle, UCHAR eventChar, UCHAR eventCharEnabled, UCHAR errorChar,
                                  UCHAR errorCharEnabled) = 0;
    virtual FT_STATUS FT_Write(FT_HANDLE handle, void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) = 0;
    // Returns when bytesToRead bytes have arrived or the read time-out set with
    // FT_SetTimeouts has passed, whichever comes first; *bytesReturned tells how
    // many arrived. A time-out is not an error: the status stays FT_OK.
    virtual FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, DWORD bytesToRead, DWORD* bytesReturned) = 0;
    // FT_PURGE_RX discards the bytes received and not yet read, FT_PURGE_TX
    // those written and not yet sent. Bytes still on their way from the
    // device are not affected: they arrive after the purge.
    virtual FT_STATUS FT_Purge(FT_HANDLE handle, ULONG mask) = 0;
};

} // namespace kav::ft
