#include "ansi_text.h"

#include "ansi_utf8.h"

namespace kav::shell {

// The link's converter does the work; these only carry Qt's strings to it.
QByteArray toAnsi(const QString& text) { return QByteArray::fromStdString(utf8ToAnsi(text.toStdString())); }

QString fromAnsi(const QByteArray& bytes) {
    return QString::fromStdString(ansiToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

QString fromAnsi(const std::string& bytes) { return QString::fromStdString(ansiToUtf8(bytes)); }

std::string toAnsiStd(const QString& text) { return utf8ToAnsi(text.toStdString()); }

} // namespace kav::shell
