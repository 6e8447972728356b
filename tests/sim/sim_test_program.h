#pragma once
// The program's calling convention on top of the link, for tests against the
// simulated device: the one device-call path, with shortcuts.
#include <chrono>
#include <string>

#include "com_usb.h"
#include "device_call.h"

namespace kav::sim::test {

class Program {
public:
    explicit Program(ComUSB& link) : link_(link) {}

    Aufruf call(const std::string& name, const std::string& parameters = {}, const std::string& type = "S") {
        return geraetAufruf(link_, name, parameters, type);
    }
    // The raw reply as hex text (a sentinel, a device error text or the payload).
    std::string raw(const std::string& name, const std::string& parameters = {}) {
        return call(name, parameters).roh;
    }
    // The value by its type letter; empty when the command failed.
    ComValue value(const std::string& name, const std::string& parameters, const std::string& type) {
        return call(name, parameters, type).wert;
    }
    // The text, or the failure word / device error text.
    std::string text(const std::string& name, const std::string& parameters = {}) {
        return call(name, parameters).text;
    }
    double number(const std::string& name, const std::string& parameters, const std::string& type) {
        return value(name, parameters, type).toNumber();
    }
    double info(int valueNumber, const std::string& type) {
        return number("RD_Info", std::to_string(valueNumber), type);
    }
    std::string infoText(int valueNumber) { return text("RD_Info", std::to_string(valueNumber)); }
    // Byte n (1-based) of a raw reply.
    static int byteOf(const std::string& hex, int n) {
        if (static_cast<int>(hex.size()) < 2 * n)
            return -1;
        return std::stoi(hex.substr(static_cast<std::size_t>(2 * n - 2), 2), nullptr, 16);
    }

private:
    ComUSB& link_;
};

} // namespace kav::sim::test
