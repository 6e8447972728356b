// Finding, opening, configuring and closing the converter.
#include <cstdint>
#include <string>

#include "com_usb.h"

namespace kav {

ComUSB::ComUSB(ft::FtApi& ft, LinkHooks hooks) : ft_(ft), hooks_(std::move(hooks)) {}

Clock& ComUSB::clock() const { return hooks_.clock ? *hooks_.clock : SystemClock::instance(); }

void ComUSB::pump() {
    if (hooks_.pumpMessages)
        hooks_.pumpMessages();
}

namespace {

// One FT_ListDevices text query for device index 0; nullopt when it fails.
bool listText(ft::FtApi& ft, ft::DWORD flags, std::string& text) {
    std::string puffer(ft::FT_LIST_BUFFER_SIZE, '\0');
    if (ft.FT_ListDevices(reinterpret_cast<void*>(std::uintptr_t{0}), puffer.data(), ft::FT_LIST_BY_INDEX | flags) !=
        ft::FT_OK)
        return false;
    puffer.back() = '\0'; // the library's text ends inside the buffer
    text = COM_NullenEntfernen(puffer.substr(0, puffer.find('\0')));
    return true;
}

} // namespace

std::uint8_t ComUSB::COM_USBOeffnen(std::string& diagnose) {
    // A second open must not leave the first link open and unreachable.
    if (offen_)
        COM_USBSchliessen();
    verloren_ = false;
    // A converter lost while opening is this call's failure result, not news for the hook.
    oeffnet_ = true;
    struct Ende {
        bool& flag;
        ~Ende() { flag = false; }
    } ende{oeffnet_};

    // Lines of earlier attempts are dropped; what the caller had stays.
    const std::size_t anfang = diagnose.size();
    ft::FT_HANDLE handle = nullptr;
    for (int versuche = 1;; ++versuche) {
        std::uint8_t ergebnis = 0;

        ft::DWORD anzahl = 0;
        if (ft_.FT_ListDevices(&anzahl, nullptr, ft::FT_LIST_NUMBER_ONLY) != ft::FT_OK) {
            diagnose += "Fehler init USBD2XX\r\n";
            ergebnis = 1;
        } else {
            diagnose += "NumDevices " + std::to_string(anzahl) + "\r\n";
        }

        std::string beschreibung;
        if (!listText(ft_, ft::FT_OPEN_BY_DESCRIPTION, beschreibung)) {
            diagnose += "ListDevices failed\r\n";
            ergebnis = 1;
        } else {
            diagnose += "Device Description " + beschreibung + "\r\n";
        }

        std::string seriennummer;
        if (!listText(ft_, ft::FT_OPEN_BY_SERIAL_NUMBER, seriennummer)) {
            diagnose += "ListDevices failed\r\n";
            ergebnis = 1;
        } else {
            diagnose += "Serial Number " + seriennummer + "\r\n";
        }

        pump();

        if (ft_.FT_OpenEx(beschreibung.data(), ft::FT_OPEN_BY_DESCRIPTION, &handle) != ft::FT_OK) {
            diagnose += "Open Failed\r\n";
            if (ft_.FT_Close(handle) != ft::FT_OK)
                diagnose += "Close Failed\r\n";
            if (versuche < 3) {
                diagnose.resize(anfang);
                continue;
            }
            diagnose += "Close Failed\r\n";
            COM_USBSchliessen();
            return 1;
        }

        USBHandle = handle;
        offen_ = true;
        // Bytes of an earlier session may wait in the driver: the first request purges.
        empfangUnsauber_ = true;
        letzteOhneAntwort_ = false;

        if (ft_.FT_SetBaudRate(USBHandle, 600000) != ft::FT_OK) {
            diagnose += "SetBaudRate Failed\r\n";
            COM_USBSchliessen();
            return 1;
        }
        ft_.FT_SetRts(USBHandle);
        if (ft_.FT_SetDataCharacteristics(USBHandle, ft::FT_BITS_8, ft::FT_STOP_BITS_1, ft::FT_PARITY_NONE) !=
            ft::FT_OK) {
            diagnose += "SetDataCharacteristics Failed\r\n";
            COM_USBSchliessen();
            return 1;
        }
        if (ft_.FT_SetFlowControl(USBHandle, ft::FT_FLOW_NONE, 0, 0) != ft::FT_OK) {
            diagnose += "SetFlowControl Failed\r\n";
            COM_USBSchliessen();
            return 1;
        }
        if (ft_.FT_SetTimeouts(USBHandle, 1000, 0) != ft::FT_OK) {
            COM_USBSchliessen();
            return 1;
        }
        if (ft_.FT_SetChars(USBHandle, 0x7E, 1, 0, 0) != ft::FT_OK) {
            COM_USBSchliessen();
            return 1;
        }

        std::string meldung;
        const std::uint8_t liste = COM_READBefehlsliste(meldung);
        if (verloren_) {
            // The converter vanished while the list was read; the link is closed.
            diagnose += meldung + "Device lost\r\n";
            return 1;
        }
        if (liste != 0) {
            diagnose += meldung;
            COM_USBSchliessen();
            return liste == 1 ? 2 : 3;
        }
        // Every failure result leaves the link closed, also one caused only
        // by a failed listing query.
        if (ergebnis != 0)
            COM_USBSchliessen();
        return ergebnis;
    }
}

std::uint8_t ComUSB::COM_USBSchliessen() {
    // Closing twice, or closing what never opened, must not hand the library
    // a handle it already released.
    if (!offen_)
        return 0;
    offen_ = false;
    return ft_.FT_Close(USBHandle) == ft::FT_OK ? 0 : 1;
}

} // namespace kav
