#pragma once
// Typed value encoding: filling a structure text with parameters, decoding a
// reply payload by its type letter, and the small hex/number conversions.
// Pure functions; byte texts are std::string with one character per byte.
#include <cstdint>
#include <string>

#include "com_value.h"

namespace kav {

std::string COM_BefehlAufbauen(std::string struktur, std::string parameter);
// COM_BefehlAufbauen that says why no request came of it: which field cannot
// be encoded for its place and why ("parameter 2 (1e20) cannot be encoded:
// beyond 32 bits").
std::string anfrageAufbauen(std::string struktur, std::string parameter, std::string& grund);
ComValue COM_WertLesen(const std::string& antwortHex, const std::string& typ);
std::string COM_Feld(const std::string& text, const std::string& trenner, int n);
std::string COM_Ersetzen(const std::string& text, const std::string& suche, const std::string& ersatz);
float COM_Str2Single(const std::string& text);
std::string COM_Single2Hex(float wert);
float COM_Hex2Single(const std::string& hex);
std::string COM_Text2Hex(const std::string& text);
std::string COM_Text2HexLiteral(const std::string& text);
std::string COM_HexFix(long long zahl, int bytes);
std::string COM_Q2Hex(float wert);

} // namespace kav
