#pragma once
// Titles taken from web pages: numeric character references decoded into
// letters a file name can hold, and characters file names cannot hold
// replaced.

#include <string>

// "&#x27;" and "&#39;" style references become one character: accented
// vowels lose their accent, ç, ñ and · stay, anything else becomes "_".
// \ / * " < > ? become a blank, | becomes -, : becomes a full stop. A
// reference without digits or without its ";" is copied as it stands.
void DecodeHtmlEntities(std::string& text);
