#pragma once
// The "variant" a command's value arrives as: nothing, a single- or
// double-precision number, or a text (bytes 0..255, one character per byte).
#include <string>
#include <variant>

namespace kav {

class ComValue {
public:
    enum class Kind { Empty, Single, Double, Text };

    ComValue() = default;
    static ComValue fromSingle(float v);
    static ComValue fromDouble(double v);
    static ComValue fromText(std::string v);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNumber() const { return kind() == Kind::Single || kind() == Kind::Double; }
    bool isText() const { return kind() == Kind::Text; }

    // Text as the program shows it: numbers in their shortest decimal form with
    // "." (7 significant digits for single, 15 for double), texts unchanged,
    // nothing as "".
    std::string toText() const;
    // Number as a caller reads it: numbers as they are; texts read like a
    // numeric literal, including "&H" hex literals (up to 4 digits signed
    // 16-bit, 5 to 8 digits signed 32-bit) as the "L" decoding delivers them;
    // anything unreadable and nothing give 0.
    double toNumber() const;

    bool operator==(const ComValue& other) const = default;

private:
    std::variant<std::monostate, float, double, std::string> v_;
};

// "ERROR", "ERROR_CHK", "ERROR_INTERN", the empty text, or a device error
// text beginning with ",": the value of a failed command.
bool istFehlerwert(const std::string& text);
inline bool istFehlerwert(const ComValue& v) { return istFehlerwert(v.toText()); }

// Only the three sentinel words (what most workflows compare against).
bool istFehlerwort(const std::string& text);

} // namespace kav
