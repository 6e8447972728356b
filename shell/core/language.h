#pragma once
// German is the source language of every text; the English text is found by
// exact lookup with the German text as key.
#include <QString>

namespace kav::shell {

struct SprachPaar {
    const char* deutsch;  // UTF-8
    const char* englisch; // UTF-8
};

// The English table in search order (kFensterPaare pairs) followed by the
// kSupportPaare pairs of the About window's support lines.
const SprachPaar* englischTabelle(int* anzahl);
inline constexpr int kFensterPaare = 137;
inline constexpr int kSupportPaare = 5;

// Key empty: "". Sprache "D": the key. Sprache "E": the English text, or the
// key itself (logged with "/sprache"). Any other Sprache counts as "E".
QString SprachText(const QString& deutsch);

} // namespace kav::shell
