#pragma once
// Settings file access with the semantics of the Windows profile functions:
// section and key names match without regard to case, values are trimmed, a
// missing file or key gives the default; writing replaces the key's value in
// place (or adds the section or key) and keeps everything else of the file
// byte for byte (other sections, comments, order, CR LF line ends).
#include <QString>

namespace kav::shell {

QString INILesen(const QString& datei, const QString& sektion, const QString& schluessel, const QString& vorgabe);
// Returns false when the file could not be written (callers ignore it, as the original did).
bool INISchreiben(const QString& datei, const QString& sektion, const QString& schluessel, const QString& wert);

} // namespace kav::shell
