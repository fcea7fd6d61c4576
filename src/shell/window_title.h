#pragma once
#include <string>

struct App;

// "Quandrell v1.7.1   (64-bit mode)", with the shutdown notice when the
// power-off option is on.
std::string MainWindowTitle(const App& app);
