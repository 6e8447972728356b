#include "simulated_converter.h"

#include <algorithm>
#include <cstring>

namespace kav::sim {

DeviceSettings deviceSettingsFrom(const SimOptions& o) {
    DeviceSettings s;
    s.seed = o.seed;
    s.storedRecords = o.storedRecords;
    s.encoder.pulsesPerRevolution = o.pulsesPerRevolution;
    s.encoder.nominalSpeedRpm = o.speedRpm;
    s.encoder.steady = o.steadySpeed;
    s.scenario = o.scenario;
    return s;
}

namespace {
Clock& clockFrom(const SimOptions& o) { return o.clock ? *o.clock : SystemClock::instance(); }

void copyText(void* buffer, const char* text) {
    auto* out = static_cast<char*>(buffer);
    const std::size_t n = std::min<std::size_t>(std::strlen(text), ft::FT_LIST_BUFFER_SIZE - 1);
    std::memcpy(out, text, n);
    out[n] = '\0';
}
} // namespace

SimulatedConverter::SimulatedConverter(const SimOptions& options)
    : clock_(clockFrom(options)), device_(clock_, deviceSettingsFrom(options)),
      line_(device_, clock_, WireTiming{options.wireTime, options.usbLatency}, options.seed) {}

bool SimulatedConverter::present() const { return !device_.scenario().noConverter && line_.onBus(clock_.now()); }

void SimulatedConverter::updateLineUsable() {
    line_.setLineUsable(baud_ == 600000 && wordLength_ == ft::FT_BITS_8 && stopBits_ == ft::FT_STOP_BITS_1 &&
                        parity_ == ft::FT_PARITY_NONE);
}

ft::FT_STATUS SimulatedConverter::FT_ListDevices(void* arg1, void* arg2, ft::DWORD flags) {
    ++calls_.listDevices;
    const ft::DWORD count = present() ? 1 : 0;
    if (flags & ft::FT_LIST_NUMBER_ONLY) {
        if (!arg1)
            return ft::FT_INVALID_PARAMETER;
        *static_cast<ft::DWORD*>(arg1) = count;
        return ft::FT_OK;
    }
    if (flags & ft::FT_LIST_BY_INDEX) {
        const auto index = reinterpret_cast<std::uintptr_t>(arg1);
        if (!arg2)
            return ft::FT_INVALID_PARAMETER;
        if (index >= count)
            return ft::FT_DEVICE_NOT_FOUND;
        if (flags & ft::FT_OPEN_BY_DESCRIPTION)
            copyText(arg2, kConverterDescription);
        else if (flags & ft::FT_OPEN_BY_SERIAL_NUMBER)
            copyText(arg2, kConverterSerial);
        else
            return ft::FT_INVALID_PARAMETER;
        return ft::FT_OK;
    }
    return ft::FT_INVALID_PARAMETER;
}

ft::FT_STATUS SimulatedConverter::FT_OpenEx(void* arg, ft::DWORD flags, ft::FT_HANDLE* handle) {
    ++calls_.openEx;
    if (!handle || !arg)
        return ft::FT_INVALID_PARAMETER;
    *handle = nullptr;
    if (!present())
        return ft::FT_DEVICE_NOT_FOUND;
    const char* wanted = static_cast<const char*>(arg);
    const bool match = (flags == ft::FT_OPEN_BY_DESCRIPTION && std::strcmp(wanted, kConverterDescription) == 0) ||
                       (flags == ft::FT_OPEN_BY_SERIAL_NUMBER && std::strcmp(wanted, kConverterSerial) == 0);
    if (!match)
        return ft::FT_DEVICE_NOT_FOUND;
    if (open_)
        return ft::FT_DEVICE_NOT_OPENED; // one process at a time, as with the vendor driver
    open_ = true;
    // A fresh session: the converter's buffers are empty, the line at its defaults.
    line_.purge();
    baud_ = 9600;
    wordLength_ = 8, stopBits_ = 0, parity_ = 0;
    readTimeoutMs_ = 0;
    updateLineUsable();
    *handle = &token_;
    return ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_Close(ft::FT_HANDLE handle) {
    ++calls_.close;
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    open_ = false;
    return ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_SetBaudRate(ft::FT_HANDLE handle, ft::ULONG baudRate) {
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    if (!present())
        return ft::FT_IO_ERROR;
    if (baudRate < 300 || baudRate > 3000000)
        return ft::FT_INVALID_BAUD_RATE;
    baud_ = baudRate;
    updateLineUsable();
    return ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_SetRts(ft::FT_HANDLE handle) {
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    return present() ? ft::FT_OK : ft::FT_IO_ERROR;
}

ft::FT_STATUS SimulatedConverter::FT_SetDataCharacteristics(ft::FT_HANDLE handle, ft::UCHAR wordLength,
                                                            ft::UCHAR stopBits, ft::UCHAR parity) {
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    if (!present())
        return ft::FT_IO_ERROR;
    if ((wordLength != 7 && wordLength != 8) || (stopBits != 0 && stopBits != 2) || parity > 4)
        return ft::FT_INVALID_PARAMETER;
    wordLength_ = wordLength, stopBits_ = stopBits, parity_ = parity;
    updateLineUsable();
    return ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_SetFlowControl(ft::FT_HANDLE handle, ft::USHORT, ft::UCHAR, ft::UCHAR) {
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    return present() ? ft::FT_OK : ft::FT_IO_ERROR;
}

ft::FT_STATUS SimulatedConverter::FT_SetTimeouts(ft::FT_HANDLE handle, ft::ULONG readTimeoutMs, ft::ULONG) {
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    if (!present())
        return ft::FT_IO_ERROR;
    readTimeoutMs_ = readTimeoutMs;
    return ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_SetChars(ft::FT_HANDLE handle, ft::UCHAR, ft::UCHAR, ft::UCHAR, ft::UCHAR) {
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    return present() ? ft::FT_OK : ft::FT_IO_ERROR;
}

ft::FT_STATUS SimulatedConverter::FT_Write(ft::FT_HANDLE handle, void* buffer, ft::DWORD bytesToWrite,
                                           ft::DWORD* bytesWritten) {
    ++calls_.write;
    if (bytesWritten)
        *bytesWritten = 0;
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    if (!buffer && bytesToWrite > 0)
        return ft::FT_INVALID_PARAMETER;
    if (!line_.onBus(clock_.now()))
        return ft::FT_IO_ERROR;
    line_.hostWrite({static_cast<const std::uint8_t*>(buffer), bytesToWrite});
    if (bytesWritten)
        *bytesWritten = bytesToWrite;
    return ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_Read(ft::FT_HANDLE handle, void* buffer, ft::DWORD bytesToRead,
                                          ft::DWORD* bytesReturned) {
    ++calls_.read;
    if (bytesReturned)
        *bytesReturned = 0;
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    if (!buffer && bytesToRead > 0)
        return ft::FT_INVALID_PARAMETER;
    auto* out = static_cast<std::uint8_t*>(buffer);
    const auto start = clock_.now();
    const auto deadline = start + std::chrono::milliseconds(readTimeoutMs_);
    // Wait until the bytes are there, the device has left the bus, or the time-out has passed.
    Clock::time_point until = deadline;
    bool gone = false;
    if (const auto when = line_.timeWhenAvailable(bytesToRead); when && *when <= deadline)
        until = *when;
    if (const auto off = line_.offBusAt(); off && *off < until) {
        until = *off;
        gone = true;
    }
    if (readTimeoutMs_ == 0 && !line_.timeWhenAvailable(bytesToRead))
        until = start; // no time-out set: what is there now (a real driver would block)
    if (until > start)
        clock_.sleepFor(until - start);
    const std::size_t n = line_.read(out, bytesToRead, std::max(until, start));
    if (bytesReturned)
        *bytesReturned = static_cast<ft::DWORD>(n);
    return gone ? ft::FT_IO_ERROR : ft::FT_OK;
}

ft::FT_STATUS SimulatedConverter::FT_Purge(ft::FT_HANDLE handle, ft::ULONG mask) {
    ++calls_.purge;
    if (!valid(handle))
        return ft::FT_INVALID_HANDLE;
    if ((mask & ~(ft::FT_PURGE_RX | ft::FT_PURGE_TX)) != 0)
        return ft::FT_INVALID_PARAMETER;
    if (!line_.onBus(clock_.now()))
        return ft::FT_IO_ERROR;
    // A purge is a control transfer to the converter and back: one USB round trip.
    if (line_.timing().enabled)
        clock_.sleepFor(line_.timing().usbLatency);
    if (mask & ft::FT_PURGE_RX)
        line_.discardReceived(clock_.now());
    return ft::FT_OK;
}

std::unique_ptr<ft::FtApi> createSimulatedFtApi(const SimOptions& options) {
    return std::make_unique<SimulatedConverter>(options);
}

} // namespace kav::sim
