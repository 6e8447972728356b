// Frames: CRC, device error texts, hex byte access and the transaction that
// writes one request frame and reads one reply frame.
#include "frames.h"

#include <algorithm>
#include <vector>

#include "com_usb.h"
#include "number_text.h"

namespace kav {

using detail::hexDigits;
using detail::mid;

namespace {

std::array<std::uint32_t, 256> buildCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000u) ? ((crc << 1) ^ 0x1021u) : (crc << 1);
        table[i] = crc & 0xFFFFu;
    }
    return table;
}

const char* const kFehlerTexte[20] = {
    ",I2C-TimeOut",      ",I2C-Iwcol",        ",I2C-OV",           ",RS232-Checksum", ",RS232-CmdFault",
    ",RS232-ByteAnzahl", ",RS232-ArtikelKod", ",RS232-PCDataOver", ",RS232-EGSLast",  ",CPU-OSCFAIL",
    ",CPU-ADDRERR",      ",CPU-STKERR",       ",CPU-MATHERR",      ",CPU-DMACERR",    ",CPU-OVAERR",
    ",CPU-COVAERR",      ",CPU-OVBERR",       ",CPU-COVBERR",      ",CPU-SFTACERR",   ",CPU-DIV0ERR",
};

constexpr std::uint32_t kBekannteBits = 0xFFFFFu; // bits 0 to 19

constexpr std::size_t kPufferGroesse = 257;

} // namespace

const std::array<std::uint32_t, 256>& CRCTabelle() {
    static const std::array<std::uint32_t, 256> table = buildCrcTable();
    return table;
}

std::uint32_t COM_CRC16(const std::uint8_t* bytes, std::size_t size, long count) {
    const std::size_t n = count < 0 ? size : std::min(size, static_cast<std::size_t>(count));
    const auto& table = CRCTabelle();
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t index = ((crc >> 8) ^ bytes[i]) & 0xFFu;
        crc = ((crc & 0xFFu) << 8) ^ table[index];
    }
    return crc;
}

std::string COM_CRC16Hex(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(detail::hexPairValue(hex[i], hex[i + 1]).value_or(0));
    return hexDigits(COM_CRC16(bytes.data(), bytes.size()), 4);
}

std::string COM_FehlerText(std::uint32_t maske) {
    std::string text;
    for (int bit = 0; bit < 20; ++bit)
        if (maske & (1u << bit))
            text += kFehlerTexte[bit];
    // Bits the table does not know still mark a device error: name them
    // rather than drop them, so such a report never reads as an empty text.
    if (maske & ~kBekannteBits)
        text += ",Unbekannter Fehler &H" + hexDigits(maske & ~kBekannteBits, 8);
    return text;
}

std::string COM_HexByte(const std::string& hex, int n) {
    if (n < 1)
        return {};
    return mid(hex, 2L * n - 1, 2);
}

std::string COM_Bytes2Hex(const std::uint8_t* bytes, std::size_t n) {
    std::string out;
    out.reserve(n * 2);
    for (std::size_t i = 0; i < n; ++i)
        out += hexDigits(bytes[i], 2);
    return out;
}

std::string COM_NullenEntfernen(const std::string& text) {
    std::string out = text;
    std::erase(out, '\0');
    return out;
}

std::string ComUSB::COM_SendenEmpfangen(const std::string& anfrageHex) {
    // Only a whole, hex-only request of 1 to 255 bytes fits the send buffer
    // with its CRC; anything else is not sent.
    if (anfrageHex.empty() || anfrageHex.size() % 2 != 0 || anfrageHex.size() / 2 > kPufferGroesse - 2 ||
        !detail::isHexText(anfrageHex))
        return {};

    const std::string crcText = COM_CRC16Hex(anfrageHex);
    std::array<std::uint8_t, kPufferGroesse> sendePuffer{};
    const std::size_t anfrageBytes = anfrageHex.size() / 2;
    for (std::size_t i = 0; i < anfrageBytes; ++i)
        sendePuffer[i] = *detail::hexPairValue(anfrageHex[2 * i], anfrageHex[2 * i + 1]);
    sendePuffer[anfrageBytes] = *detail::hexPairValue(crcText[0], crcText[1]);
    sendePuffer[anfrageBytes + 1] = *detail::hexPairValue(crcText[2], crcText[3]);
    const auto rahmenLaenge = static_cast<ft::DWORD>(anfrageBytes + 2);

    const bool kommun = hooks_.kommunAn && hooks_.kommunLog && hooks_.kommunAn();
    std::array<std::uint8_t, kPufferGroesse> empfangsPuffer{};
    int versuch = 0;
    std::uint32_t n = 0; // the announced length survives a reply whose first byte is missing
    // After a failed transaction its reply may still come and be read here
    // in place of this request's own, which then waits for the next request.
    const bool nachFehlschlag = letzteOhneAntwort_;

    // A converter that vanished is not asked again: its link stays closed
    // until the next open.
    if (verloren_)
        return kHexERROR;

    for (;;) {
        pump();
        ++versuch;
        std::string empfangen;
        if (kommun)
            hooks_.kommunLog("Schreiben -> " + anfrageHex + crcText);
        // After an attempt that did not end on a whole, good reply the
        // converter may hold its rest or a reply that came after its read
        // time-out: dropped, so it cannot be read as this request's reply.
        // Only then, since with the vendor's library a purge costs a USB
        // round trip.
        if (empfangUnsauber_) {
            if (istVerlust(ft_.FT_Purge(USBHandle, ft::FT_PURGE_RX))) {
                verbindungVerloren();
                return kHexERROR;
            }
            empfangUnsauber_ = false;
        }
        ft::DWORD geschrieben = 0;
        if (istVerlust(ft_.FT_Write(USBHandle, sendePuffer.data(), rahmenLaenge, &geschrieben))) {
            verbindungVerloren();
            return kHexERROR;
        }

        empfangsPuffer.fill(0);
        ft::DWORD gelesen = 0;
        ft::FT_STATUS status = ft_.FT_Read(USBHandle, empfangsPuffer.data(), 1, &gelesen);
        bool verlust = istVerlust(status);
        if ((status == ft::FT_OK || status == ft::FT_IO_ERROR) && gelesen >= 1) {
            empfangen += hexDigits(empfangsPuffer[0], 2);
            n = empfangsPuffer[0];
        }
        // The rest is n + 3 bytes; a length that would not fit the receive
        // buffer is not read at all and makes the reply malformed.
        const bool laengeUnmoeglich = n + 3 > kPufferGroesse;
        if (!laengeUnmoeglich && !verlust) {
            const ft::DWORD rest = n + 3;
            gelesen = 0;
            status = ft_.FT_Read(USBHandle, empfangsPuffer.data(), rest, &gelesen);
            verlust = istVerlust(status);
            if (status == ft::FT_OK || status == ft::FT_IO_ERROR)
                empfangen += COM_Bytes2Hex(empfangsPuffer.data(), std::min(gelesen, rest));
        }
        if (kommun)
            hooks_.kommunLog("Lesen     -> " + empfangen);
        if (verlust) {
            // The converter is gone: no resend, which would only wait for
            // its time-outs again.
            verbindungVerloren();
            return kHexERROR;
        }
        {
            // Whole and good: every announced byte arrived and the CRC over
            // them holds (also for error reports, which are not judged by it).
            const std::size_t bytes = empfangen.size() / 2;
            const bool ganz = !laengeUnmoeglich && bytes >= 5 && bytes == std::size_t{n} + 4 &&
                              COM_CRC16Hex(empfangen.substr(0, empfangen.size() - 4)) ==
                                  empfangen.substr(empfangen.size() - 4);
            // After a resend the earlier attempt's reply may still come.
            empfangUnsauber_ = !ganz || versuch > 1 || nachFehlschlag;
            letzteOhneAntwort_ = !ganz;
        }

        const auto byteAt = [&empfangen](int nr) -> std::uint32_t {
            const std::string b = COM_HexByte(empfangen, nr);
            return b.size() == 2 ? detail::hexPairValue(b[0], b[1]).value_or(0) : 0;
        };
        const std::size_t anzahl = empfangen.size() / 2;
        const std::uint32_t laenge = byteAt(1);
        if (anzahl < 5 || laenge == 0 || laengeUnmoeglich) {
            if (versuch == 1)
                continue;
            if (anzahl >= 5 && laenge == 0 && versuch < 5 && (byteAt(2) & 0x02u) == 0)
                continue;
            return kHexERROR;
        }

        const std::uint32_t statusByte = byteAt(2);
        if (statusByte & 0x02u)
            return kHexERROR;
        DatFormat = std::string(1, static_cast<char>(byteAt(3)));

        const auto L = static_cast<long>(laenge);
        std::string ergebnis;
        bool istFehlertext = false;
        if (statusByte & 0x80u) {
            const std::string crcEmpfangen =
                COM_HexByte(empfangen, static_cast<int>(L + 3)) + COM_HexByte(empfangen, static_cast<int>(L + 4));
            const std::string crcBerechnet = COM_CRC16Hex(empfangen.substr(0, empfangen.size() - 4));
            if (crcEmpfangen != crcBerechnet)
                ergebnis = kHexERROR_CHK;
            else if (statusByte & 0x01u)
                ergebnis = mid(empfangen, 7, 2 * (L - 1));
            else
                ergebnis = kHexOK;
        } else {
            const std::string nutzdaten = mid(empfangen, 7, 2 * (L - 1));
            if (nutzdaten.empty()) {
                ergebnis = kHexERROR_INTERN;
            } else {
                const ComValue maske = COM_WertLesen(nutzdaten, "L");
                ergebnis = COM_FehlerText(static_cast<std::uint32_t>(
                    static_cast<std::int64_t>(detail::readNumber(maske.toText())) & 0xFFFFFFFF));
                istFehlertext = true;
            }
        }

        // A text payload ends with its NUL byte; drop it. Error texts are no
        // hex and keep their last characters.
        if (!istFehlertext && ergebnis.size() >= 2 && DatFormat == "S" &&
            detail::readNumber("&H" + ergebnis.substr(ergebnis.size() - 2)) == 0)
            ergebnis.erase(ergebnis.size() - 2);
        return ergebnis;
    }
}

} // namespace kav

namespace kav {

bool ComUSB::istVerlust(ft::FT_STATUS status) {
    return status == ft::FT_IO_ERROR || status == ft::FT_DEVICE_NOT_OPENED;
}

void ComUSB::verbindungVerloren() {
    verloren_ = true;
    COM_USBSchliessen();
    if (hooks_.linkLost && !oeffnet_)
        hooks_.linkLost();
}

} // namespace kav
