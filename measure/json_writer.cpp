#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kav::json {

namespace {

std::string zahlText(double v) {
    if (!std::isfinite(v))
        return "null";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc{} ? std::string(buf, end) : std::string("null");
}

void schreiben(std::string& out, const Json& w) {
    switch (w.type()) {
    case Json::value_t::object: {
        out += '{';
        bool erst = true;
        for (const auto& [name, wert] : w.items()) {
            out += erst ? "" : ", ";
            erst = false;
            out += text(name) + ": ";
            schreiben(out, wert);
        }
        out += '}';
        break;
    }
    case Json::value_t::array: {
        out += '[';
        for (std::size_t i = 0; i < w.size(); ++i) {
            out += i ? ", " : "";
            schreiben(out, w[i]);
        }
        out += ']';
        break;
    }
    case Json::value_t::string: out += text(w.get_ref<const std::string&>()); break;
    case Json::value_t::number_float: out += zahlText(w.get<double>()); break;
    default: out += w.dump(); break; // integers, booleans, null
    }
}

std::string einruecken(int tiefe) { return std::string(static_cast<std::size_t>(tiefe), ' '); }

std::string block(const Json& w, int tiefe) {
    if (w.is_array() && !w.empty()) {
        std::string out = "[";
        for (std::size_t i = 0; i < w.size(); ++i)
            out += (i ? ",\n" : "\n") + einruecken(tiefe + 2) + zeile(w[i]);
        return out + "\n" + einruecken(tiefe) + "]";
    }
    if (w.is_object() && !w.empty()) {
        std::string out = "{";
        bool erst = true;
        for (const auto& [name, wert] : w.items()) {
            out += (erst ? "\n" : ",\n") + einruecken(tiefe + 2) + text(name) + ": ";
            erst = false;
            out += wert.is_array() ? block(wert, tiefe + 2) : zeile(wert);
        }
        return out + "\n" + einruecken(tiefe) + "}";
    }
    return zeile(w);
}

} // namespace

Json zahl(float v) {
    if (!std::isfinite(v))
        return nullptr;
    // Through the float's own shortest text, so the double written later has
    // the same digits (24.1f stays 24.1, not 24.100000381469727).
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    double d = v;
    if (ec == std::errc{})
        std::from_chars(buf, end, d);
    return d;
}

std::string zeile(const Json& wert) {
    std::string out;
    schreiben(out, wert);
    return out;
}

std::string block(const Json& wert) { return block(wert, 0); }

std::string text(std::string_view utf8) {
    std::string out = "\"";
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04X", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

} // namespace kav::json
