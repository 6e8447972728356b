#pragma once
// What the measurement logic calls out to: the window in the program, the
// console in kavctl, a recorder in tests.
//
// Encodings: messages, log lines and translated texts are UTF-8. Device texts
// stay the bytes the device sent (Windows-1252): the encoder serial number
// handed to geberSeriennummer; ansiToUtf8 (link/ansi_utf8.h) converts it for
// showing. Window messages are pumped by the link at every transaction
// (LinkHooks::pumpMessages); the logic itself pumps nothing.
#include <functional>
#include <initializer_list>
#include <string>

namespace kav::measure {

// German text (the key) to the text in the current language, UTF-8.
using Translator = std::function<std::string(const std::string& deutsch)>;

// Translated pieces joined with CR LF, as messages are built.
std::string zeilen(const Translator& t, std::initializer_list<const char*> deutsch);

// Frames of the main window (frmAlle) the logic asks about.
namespace seite {
inline constexpr int Drehschwebung = 3;
inline constexpr int Schlechtimpulse = 4;
inline constexpr int Aktuell = 5;
inline constexpr int DatenVomGeraet = 6;
inline constexpr int DatenVomComputer = 7;
} // namespace seite

class MeasureHost {
public:
    virtual ~MeasureHost() = default;

    // A message box, OK button only, no title; `text` is already translated.
    virtual void meldung(const std::string& text) = 0;
    // A daily-log line written only with "/debug" (the host decides).
    virtual void debugLog(const std::string& zeile) = 0;
    // A daily-log line written whatever the switches: readout failures
    // (a status report or a command the device does not offer).
    virtual void tagesLog(const std::string& zeile) = 0;
    // An encoder track error for the error log, written only while
    // "Write errors" is on (the host decides).
    virtual void fehlerLog(const std::string& zeile) = 0;
    // Whether the frame frmAlle(frame) is visible.
    virtual bool seiteSichtbar(int frame) = 0;
    // txtAlle(38), the encoder's serial number, as the device sent it.
    virtual void geberSeriennummer(const std::string& ansiText) = 0;
    // The window's busy flag `Beschaeftigt`.
    virtual void beschaeftigt(bool an) = 0;
    // Disables "Drucken" (mnuProgrammItem(4)) when a readout begins.
    virtual void druckenSperren() = 0;
    // The wait panel with "Messung wird durchgeführt." while a bad-pulse
    // measurement is read (true) and hidden again (false).
    virtual void wartehinweis(bool zeigen) = 0;
    // The German text in the current language.
    virtual std::string sprachText(const std::string& deutsch) = 0;
};

} // namespace kav::measure
