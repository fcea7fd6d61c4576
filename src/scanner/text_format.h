#pragma once
// printf-style formatting into a std::string, for the exact formats the
// scan dialog shows.

#include <string>

namespace scanner {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace scanner
