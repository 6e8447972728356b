#pragma once
// German is the source language of every text; the English text is found by
// exact lookup with the German text as key.
#include <QString>

#include "language_table.h"

namespace kav::shell {

// The table itself is shared with the std-only code: language_table.h.
using texts::englischTabelle;
using texts::kFensterPaare;
using texts::kSupportPaare;
using texts::kZusatzPaare;
using texts::kDateiPaare;
using texts::SprachPaar;

// Key empty: "". Sprache "D": the key. Sprache "E": the English text, or the
// key itself (logged with "/sprache"). Any other Sprache counts as "E".
QString SprachText(const QString& deutsch);

} // namespace kav::shell
