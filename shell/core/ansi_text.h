#pragma once
// The ANSI code page of Windows, Windows-1252: what
// the device's texts, the logs, the settings file and the record files hold,
// one byte per character.
#include <QByteArray>
#include <QString>
#include <string>

namespace kav::shell {

QByteArray toAnsi(const QString& text); // characters outside the code page become '?'
QString fromAnsi(const QByteArray& bytes);
QString fromAnsi(const std::string& bytes);
std::string toAnsiStd(const QString& text);

} // namespace kav::shell
