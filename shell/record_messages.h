#pragma once
// The record workflows' messages and log lines as the window shows and
// writes them.
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "device_memory.h"
#include "dialogs.h"

namespace kav::shell {

// The language of the record messages ("D" or "E").
std::string sprache();
// A message box of the record workflows, through the dialogs in use.
Dialoge::Antwort zeigen(const records::Meldung& meldung);
// Log lines of an outcome: debug lines only with "/debug" (daily log), the
// others into the error log.
void protokollieren(const std::vector<records::LogZeile>& zeilen);
// A file name of the window (UTF-16) as the file system takes it.
std::filesystem::path dateiPfad(const QString& name);

} // namespace kav::shell
