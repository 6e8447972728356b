#include "serial_port_ft_api.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace kav::backends {

using namespace kav::ft;

struct SerialPortFtApi::OpenPort {
    QSerialPort port;
    ULONG readTimeoutMs = 0;
    ULONG writeTimeoutMs = 0;
    // The converter vanished (unplugged, hung up, I/O error): the port is
    // closed and never polled again; only FT_Close is left to do.
    bool lost = false;
};

namespace {

// Errors by which the driver says the port itself is gone.
bool isLoss(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError ||
           error == QSerialPort::ReadError || error == QSerialPort::WriteError;
}

} // namespace

bool SerialPortFtApi::checkLost(OpenPort& p) {
    if (!p.lost && !isLoss(p.port.error()))
        return false;
    if (!p.lost) {
        p.lost = true;
        p.port.close();
    }
    return true;
}

SerialPortFtApi::SerialPortFtApi(std::string explicitPort) : explicitPort_(std::move(explicitPort)) {}

SerialPortFtApi::~SerialPortFtApi() {
    for (auto& p : open_)
        p->port.close();
}

std::vector<SerialPortEntry> SerialPortFtApi::listPorts() const {
    std::vector<SerialPortEntry> out;
    if (!explicitPort_.empty()) {
        // The named port is the one converter, whatever driver it has.
        out.push_back({explicitPort_, explicitPort_, {}});
        return out;
    }
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!info.hasVendorIdentifier() || info.vendorIdentifier() != kFtdiVendorId)
            continue;
        SerialPortEntry e;
        e.portName = info.portName().toStdString();
        e.description = info.description().isEmpty() ? e.portName : info.description().toStdString();
        e.serialNumber = info.serialNumber().toStdString();
        out.push_back(std::move(e));
    }
    std::sort(out.begin(), out.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.portName < b.portName; });
    return out;
}

FT_STATUS SerialPortFtApi::FT_ListDevices(void* arg1, void* arg2, DWORD flags) {
    const std::vector<SerialPortEntry> ports = listPorts();
    if (flags == FT_LIST_NUMBER_ONLY) {
        if (!arg1)
            return FT_INVALID_PARAMETER;
        *static_cast<DWORD*>(arg1) = static_cast<DWORD>(ports.size());
        return FT_OK;
    }
    if ((flags & FT_LIST_BY_INDEX) == 0)
        return FT_NOT_SUPPORTED;
    const auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(arg1));
    if (!arg2)
        return FT_INVALID_PARAMETER;
    if (index >= ports.size())
        return FT_DEVICE_NOT_FOUND;
    std::string text;
    const DWORD what = flags & ~FT_LIST_BY_INDEX;
    if (what == FT_OPEN_BY_DESCRIPTION)
        text = ports[index].description;
    else if (what == FT_OPEN_BY_SERIAL_NUMBER)
        text = ports[index].serialNumber;
    else
        return FT_NOT_SUPPORTED;
    auto* buffer = static_cast<char*>(arg2);
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(FT_LIST_BUFFER_SIZE - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return FT_OK;
}

FT_STATUS SerialPortFtApi::FT_OpenEx(void* arg, DWORD flags, FT_HANDLE* handle) {
    lastOpenError_.clear();
    if (!arg || !handle)
        return FT_INVALID_PARAMETER;
    const std::string wanted = static_cast<const char*>(arg);
    const std::vector<SerialPortEntry> ports = listPorts();
    auto it = ports.end();
    if (flags == FT_OPEN_BY_DESCRIPTION)
        it = std::find_if(ports.begin(), ports.end(), [&](const auto& p) { return p.description == wanted; });
    else if (flags == FT_OPEN_BY_SERIAL_NUMBER)
        it = std::find_if(ports.begin(), ports.end(), [&](const auto& p) { return p.serialNumber == wanted; });
    else
        return FT_NOT_SUPPORTED;
    if (it == ports.end() || wanted.empty()) {
        lastOpenError_ = "no listed port matches \"" + wanted + "\"";
        return FT_DEVICE_NOT_FOUND;
    }
    auto open = std::make_unique<OpenPort>();
    open->port.setPortName(QString::fromStdString(it->portName));
    if (!open->port.open(QIODevice::ReadWrite)) {
        lastOpenError_ = it->portName + ": " + open->port.errorString().toStdString();
        return FT_DEVICE_NOT_OPENED;
    }
    // A fresh link starts without bytes left over from before.
    open->port.clear();
    OpenPort* raw = open.get();
    QObject::connect(&open->port, &QSerialPort::errorOccurred, [raw](QSerialPort::SerialPortError error) {
        if (isLoss(error))
            raw->lost = true;
    });
    *handle = open.get();
    open_.push_back(std::move(open));
    return FT_OK;
}

SerialPortFtApi::OpenPort* SerialPortFtApi::find(FT_HANDLE handle) const {
    for (const auto& p : open_)
        if (p.get() == handle)
            return p.get();
    return nullptr;
}

FT_STATUS SerialPortFtApi::FT_Close(FT_HANDLE handle) {
    auto it = std::find_if(open_.begin(), open_.end(), [&](const auto& p) { return p.get() == handle; });
    if (it == open_.end())
        return FT_INVALID_HANDLE;
    if (!(*it)->lost)
        (*it)->port.close();
    open_.erase(it);
    return FT_OK;
}

FT_STATUS SerialPortFtApi::FT_SetBaudRate(FT_HANDLE handle, ULONG baudRate) {
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    return p->port.setBaudRate(static_cast<qint32>(baudRate)) ? FT_OK : FT_INVALID_BAUD_RATE;
}

FT_STATUS SerialPortFtApi::FT_SetRts(FT_HANDLE handle) {
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    return p->port.setRequestToSend(true) ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialPortFtApi::FT_SetDataCharacteristics(FT_HANDLE handle, UCHAR wordLength, UCHAR stopBits, UCHAR parity) {
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    QSerialPort::DataBits bits;
    switch (wordLength) {
    case FT_BITS_8: bits = QSerialPort::Data8; break;
    case FT_BITS_7: bits = QSerialPort::Data7; break;
    default: return FT_INVALID_PARAMETER;
    }
    QSerialPort::StopBits stop;
    switch (stopBits) {
    case FT_STOP_BITS_1: stop = QSerialPort::OneStop; break;
    case FT_STOP_BITS_2: stop = QSerialPort::TwoStop; break;
    default: return FT_INVALID_PARAMETER;
    }
    QSerialPort::Parity par;
    switch (parity) {
    case FT_PARITY_NONE: par = QSerialPort::NoParity; break;
    case FT_PARITY_ODD: par = QSerialPort::OddParity; break;
    case FT_PARITY_EVEN: par = QSerialPort::EvenParity; break;
    case FT_PARITY_MARK: par = QSerialPort::MarkParity; break;
    case FT_PARITY_SPACE: par = QSerialPort::SpaceParity; break;
    default: return FT_INVALID_PARAMETER;
    }
    const bool ok = p->port.setDataBits(bits) && p->port.setStopBits(stop) && p->port.setParity(par);
    return ok ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialPortFtApi::FT_SetFlowControl(FT_HANDLE handle, USHORT flowControl, UCHAR, UCHAR) {
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    QSerialPort::FlowControl flow;
    switch (flowControl) {
    case FT_FLOW_NONE: flow = QSerialPort::NoFlowControl; break;
    case FT_FLOW_RTS_CTS: flow = QSerialPort::HardwareControl; break;
    case FT_FLOW_XON_XOFF:
        flow = QSerialPort::SoftwareControl; // the driver's own XON/XOFF characters
        break;
    default: return FT_INVALID_PARAMETER;
    }
    return p->port.setFlowControl(flow) ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialPortFtApi::FT_SetTimeouts(FT_HANDLE handle, ULONG readTimeoutMs, ULONG writeTimeoutMs) {
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    p->readTimeoutMs = readTimeoutMs;
    p->writeTimeoutMs = writeTimeoutMs;
    return FT_OK;
}

FT_STATUS SerialPortFtApi::FT_SetChars(FT_HANDLE handle, UCHAR, UCHAR, UCHAR, UCHAR) {
    return find(handle) ? FT_OK : FT_INVALID_HANDLE;
}

namespace {

using SteadyClock = std::chrono::steady_clock;

// Milliseconds left until the deadline, rounded up so a wait never ends early.
int millisecondsLeft(SteadyClock::time_point deadline) {
    const auto left = deadline - SteadyClock::now();
    if (left <= SteadyClock::duration::zero())
        return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

} // namespace

FT_STATUS SerialPortFtApi::FT_Write(FT_HANDLE handle, void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) {
    if (bytesWritten)
        *bytesWritten = 0;
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    if (!buffer)
        return FT_INVALID_PARAMETER;
    if (p->lost)
        return FT_DEVICE_NOT_OPENED;
    const qint64 accepted = p->port.write(static_cast<const char*>(buffer), bytesToWrite);
    if (checkLost(*p))
        return FT_IO_ERROR;
    if (accepted < 0)
        return FT_IO_ERROR;
    const bool unlimited = p->writeTimeoutMs == 0;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(p->writeTimeoutMs);
    while (p->port.bytesToWrite() > 0) {
        const int wait = unlimited ? -1 : millisecondsLeft(deadline);
        if (!unlimited && wait == 0)
            break;
        if (!p->port.waitForBytesWritten(wait))
            break;
    }
    if (checkLost(*p))
        return FT_IO_ERROR;
    const qint64 written = accepted - p->port.bytesToWrite();
    if (bytesWritten)
        *bytesWritten = static_cast<DWORD>(std::max<qint64>(written, 0));
    return written == static_cast<qint64>(bytesToWrite) ? FT_OK : FT_IO_ERROR;
}

FT_STATUS SerialPortFtApi::FT_Read(FT_HANDLE handle, void* buffer, DWORD bytesToRead, DWORD* bytesReturned) {
    if (bytesReturned)
        *bytesReturned = 0;
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    if (!buffer && bytesToRead > 0)
        return FT_INVALID_PARAMETER;
    if (p->lost)
        return FT_DEVICE_NOT_OPENED;
    auto* out = static_cast<char*>(buffer);
    const bool unlimited = p->readTimeoutMs == 0;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(p->readTimeoutMs);
    DWORD got = 0;
    FT_STATUS status = FT_OK;
    for (;;) {
        const qint64 n = p->port.read(out + got, bytesToRead - got);
        if (n < 0) {
            status = FT_IO_ERROR;
            break;
        }
        got += static_cast<DWORD>(n);
        if (got >= bytesToRead)
            break;
        const int wait = unlimited ? -1 : millisecondsLeft(deadline);
        if (!unlimited && wait == 0)
            break; // time-out: not an error, the count tells
        p->port.clearError();
        const bool ready = p->port.waitForReadyRead(wait);
        if (checkLost(*p)) {
            status = FT_IO_ERROR; // for example the converter was unplugged
            break;
        }
        if (!ready && p->port.error() == QSerialPort::NoError) {
            // Neither data nor a time-out nor an error: the port read end of
            // file, so the other end hung up. Asking again would return at
            // once, for ever.
            p->lost = true;
            p->port.close();
            status = FT_IO_ERROR;
            break;
        }
    }
    if (bytesReturned)
        *bytesReturned = got;
    return status;
}

FT_STATUS SerialPortFtApi::FT_Purge(FT_HANDLE handle, ULONG mask) {
    OpenPort* p = find(handle);
    if (!p)
        return FT_INVALID_HANDLE;
    if ((mask & ~(FT_PURGE_RX | FT_PURGE_TX)) != 0)
        return FT_INVALID_PARAMETER;
    if (p->lost)
        return FT_DEVICE_NOT_OPENED;
    bool ok = true;
    if (mask & FT_PURGE_RX)
        ok = p->port.clear(QSerialPort::Input) && ok;
    if (mask & FT_PURGE_TX)
        ok = p->port.clear(QSerialPort::Output) && ok;
    return ok ? FT_OK : FT_IO_ERROR;
}

} // namespace kav::backends
