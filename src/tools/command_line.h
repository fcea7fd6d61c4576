#pragma once
// Tool command lines are built as one text, the way the templates write
// them, and split into arguments by the Windows quoting rules the
// templates were written for. Nothing goes through a shell.

#include <string>
#include <vector>

namespace tools {

// Splits a command line into arguments:
// - blanks and tabs separate arguments outside double quotes;
// - a double quote starts or ends a quoted part ("" gives an empty argument);
// - inside a quoted part two double quotes give one literal double quote;
// - 2n backslashes before a double quote give n backslashes and the quote
//   acts; 2n+1 give n backslashes and a literal double quote;
// - backslashes anywhere else are literal.
// The first argument, the program, is taken up to its closing quote (or
// the first blank) with no backslash rules, as Windows does.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Wraps a path in double quotes for a command line; refuses (returns
// false) a path that holds a double quote, which no quoting can carry.
bool QuotePath(const std::string& path, std::string& quoted);

}  // namespace tools
