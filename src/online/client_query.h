#pragma once
// The facts both online services send about this copy of the program.

#include <string>

struct App;

// "ver=%s&modo=%d&id=" followed by the 16 bytes of the client identifier as
// 32 upper-case hexadecimal digits in stored order: the version, 64 or 32
// for the system's bitness, and the identifier (zeros when it has none).
std::string ClientQuery(const App& app);
