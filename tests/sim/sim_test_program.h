#pragma once
// The program's calling convention on top of the link, for tests against the
// simulated device: structure by name, request from parameters, one
// transaction, value by type letter.
#include <chrono>
#include <string>

#include "com_usb.h"
#include "typed_values.h"

namespace kav::sim::test {

class Program {
public:
    explicit Program(ComUSB& link) : link_(link) {}

    // The raw reply as hex text (a sentinel, a device error text or the payload).
    std::string raw(const std::string& name, const std::string& parameters = {}) {
        std::string request = COM_BefehlAufbauen(link_.COM_GetStruktur(name), parameters);
        return link_.COM_Ausfuehren(request).toText();
    }
    ComValue value(const std::string& name, const std::string& parameters, const std::string& type) {
        return COM_WertLesen(raw(name, parameters), type);
    }
    std::string text(const std::string& name, const std::string& parameters = {}) {
        return value(name, parameters, "S").toText();
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
