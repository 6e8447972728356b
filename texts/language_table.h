#pragma once
// The German/English text table. German is the source language of every
// text; the English text is found by exact lookup with the German text as
// key (case-sensitive, no trimming). Standard library only, so the window,
// kavctl and the std-only cores share one table.
#include <optional>
#include <string>
#include <string_view>

namespace kav::texts {

struct SprachPaar {
    const char* deutsch;  // UTF-8
    const char* englisch; // UTF-8
};

// The table in search order: kFensterPaare pairs, then the kSupportPaare
// pairs of the About window's block, then kZusatzPaare pairs for messages the
// window did not have (a failure that is said, not swallowed, a question
// before what cannot be undone), then the kDateiPaare pairs of saving, opening
// and printing records, then, last, the kTrendPaare pairs of the trend of the
// current values.
const SprachPaar* englischTabelle(int* anzahl);
inline constexpr int kFensterPaare = 137;
inline constexpr int kSupportPaare = 5;
inline constexpr int kZusatzPaare = 5;
inline constexpr int kDateiPaare = 12;
inline constexpr int kTrendPaare = 16;

// The English text of a German key (UTF-8); nullopt when the table has none.
std::optional<std::string> englischerText(std::string_view deutsch);

// The text in a language: "" for an empty key, the key itself for "D" or when
// the table has no English text, else the English text. Any code other than
// "D" counts as English.
std::string sprachText(std::string_view deutsch, std::string_view sprache);

} // namespace kav::texts
