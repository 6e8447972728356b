#pragma once
// Settings file access with the semantics of the Windows profile functions:
// section and key names match without regard to case, values are trimmed, a
// missing file or key gives the default; writing replaces the key's value in
// place (or adds the section or key) and keeps everything else of the file
// byte for byte (other sections, comments, order, CR LF line ends).
//
// Details callers may rely on:
// - The file text is Windows-1252; values are kept byte for byte (backslashes
//   in paths are plain characters, nothing is escaped).
// - Reading: blanks and tabs around names and values are ignored, one pair of
//   enclosing quotation marks is dropped, a value (or default) is cut to 254
//   characters as the profile functions' 255-character buffer did. A line
//   ends at CR LF, LF or a lone CR alike. A key that
//   is present with an empty value reads as "", not as the default. The first
//   matching section and, in it, the first matching key count. Lines starting
//   with ';' are comments.
// - Writing: an existing key keeps its spelling, the blanks around '=' and its
//   line end; only the value changes. A new key goes after the last non-blank
//   line of its section; a new section goes to the end of the file, after a
//   blank line. New lines take the file's line ends (CR LF for a new file or
//   one with lone CRs only) and always start on a line of their own: after a
//   line that ends in a lone CR or in nothing, a line end comes first. A
//   line break inside a value becomes a blank, so it cannot split the line.
// - A file marked read-only, a folder in the file's place or a missing folder:
//   nothing is written and the result is false.
#include <QString>

namespace kav::shell {

QString INILesen(const QString& datei, const QString& sektion, const QString& schluessel, const QString& vorgabe);
// Returns false when the file could not be written; the end of the program ignores it.
bool INISchreiben(const QString& datei, const QString& sektion, const QString& schluessel, const QString& wert);

} // namespace kav::shell
