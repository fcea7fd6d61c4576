#pragma once
// Letter case of titles: Unicode-aware, so that accented and non-Latin
// titles change case as the user expects. Texts are UTF-8.

#include <string>

std::string LowerText(const std::string& text);
std::string UpperText(const std::string& text);

// Upper-cases the first character, and every character that follows a
// blank and is neither a blank nor followed by one: one-letter words and
// the last character stay as they are ("a b c" gives "A b c").
void CapitalizeWords(std::string& text);
