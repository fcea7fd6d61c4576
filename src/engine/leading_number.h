#pragma once
// The number at the start of a text, read as C's atof and atoi read it
// (leading blanks skipped, 0 when no number starts there), but always
// with "." as the decimal point: Qt adopts the user's locale at start-up,
// and tools print "12.5" whatever it is.

#include <string_view>

double LeadingDecimal(std::string_view text);
long LeadingInteger(std::string_view text);
