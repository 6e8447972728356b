#pragma once
// What the measurement logic calls out to: messages for the user, the logs,
// the busy flag and the language.
//
// Encodings: messages, log lines and translated texts are UTF-8. Device texts
// stay the bytes the device sent (Windows-1252): the encoder serial number in
// a result record's GeberSN; ansiToUtf8 (link/ansi_utf8.h) converts it for
// showing. The logic itself pumps no messages.
#include <functional>
#include <initializer_list>
#include <string>

namespace kav::measure {

// German text (the key) to the text in the current language, UTF-8.
using Translator = std::function<std::string(const std::string& deutsch)>;

// One German text through the translator; without one, the German text.
inline std::string T(const Translator& t, const char* deutsch) { return t ? t(deutsch) : std::string(deutsch); }

// Translated pieces joined with CR LF, as messages are built.
std::string zeilen(const Translator& t, std::initializer_list<const char*> deutsch);

class MeasureHost {
public:
    virtual ~MeasureHost() = default;

    // A message for the user; `text` is already translated.
    virtual void meldung(const std::string& text) = 0;
    // A daily-log line written only with "/debug" (the host decides).
    virtual void debugLog(const std::string& zeile) = 0;
    // A daily-log line written whatever the switches: readout failures
    // (a status report or a command the device does not offer).
    virtual void tagesLog(const std::string& zeile) = 0;
    // An encoder track error for the error log, written only while
    // "Write errors" is on (the host decides).
    virtual void fehlerLog(const std::string& zeile) = 0;
    // The busy flag `Beschaeftigt`: set while a start or a readout exchanges
    // frames with the device, cleared on every way out.
    virtual void beschaeftigt(bool an) = 0;
    // The German text in the current language.
    virtual std::string sprachText(const std::string& deutsch) = 0;
};

} // namespace kav::measure
