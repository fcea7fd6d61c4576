#pragma once
// printf-style formatting into a std::string, for the exact formats the
// window and the tools are given.

#include <string>

namespace platform {

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
