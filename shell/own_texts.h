#pragma once
// Texts of the trend button and the encoder history, German and English, in
// a table of their own beside the window's language table.
#include <QString>

namespace kav::shell {

// The text in the current language (global().Sprache); a key this table
// does not hold goes to the window's language table.
QString eigenerText(const char* deutsch);

} // namespace kav::shell
