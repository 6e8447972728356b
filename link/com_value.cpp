#include "com_value.h"

#include "number_text.h"

namespace kav {

ComValue ComValue::fromSingle(float v) {
    ComValue c;
    c.v_ = v;
    return c;
}

ComValue ComValue::fromDouble(double v) {
    ComValue c;
    c.v_ = v;
    return c;
}

ComValue ComValue::fromText(std::string v) {
    ComValue c;
    c.v_ = std::move(v);
    return c;
}

ComValue::Kind ComValue::kind() const {
    switch (v_.index()) {
    case 1: return Kind::Single;
    case 2: return Kind::Double;
    case 3: return Kind::Text;
    default: return Kind::Empty;
    }
}

std::string ComValue::toText() const {
    switch (kind()) {
    case Kind::Single: return detail::formatNumber(static_cast<double>(std::get<float>(v_)), 7);
    case Kind::Double: return detail::formatNumber(std::get<double>(v_), 15);
    case Kind::Text: return std::get<std::string>(v_);
    case Kind::Empty: break;
    }
    return {};
}

double ComValue::toNumber() const {
    switch (kind()) {
    case Kind::Single: return static_cast<double>(std::get<float>(v_));
    case Kind::Double: return std::get<double>(v_);
    case Kind::Text: return detail::readNumber(std::get<std::string>(v_));
    case Kind::Empty: break;
    }
    return 0;
}

bool istFehlerwert(const std::string& text) { return text.empty() || istFehlerwort(text) || text.front() == ','; }

bool istFehlerwort(const std::string& text) { return text == "ERROR" || text == "ERROR_CHK" || text == "ERROR_INTERN"; }

} // namespace kav
