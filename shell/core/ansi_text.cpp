#include "ansi_text.h"

#include <QList>

namespace kav::shell {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same value, as Windows does, so every byte survives a round trip.
constexpr char16_t kHoch[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char zuByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHoch[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

QString ausBytes(const char* data, qsizetype size) {
    QString text;
    text.resize(size);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHoch[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace

QByteArray toAnsi(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    // Code points, not UTF-16 units: a character outside the BMP becomes one '?'.
    for (char32_t c : text.toUcs4())
        bytes.append(zuByte(c));
    return bytes;
}

QString fromAnsi(const QByteArray& bytes) { return ausBytes(bytes.constData(), bytes.size()); }

QString fromAnsi(const std::string& bytes) { return ausBytes(bytes.data(), static_cast<qsizetype>(bytes.size())); }

std::string toAnsiStd(const QString& text) { return toAnsi(text).toStdString(); }

} // namespace kav::shell
