#include "console.h"

#include <cstdio>

namespace tsmuxer {

void StdConsole::out(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

void StdConsole::err(const std::string& line) {
  std::fputs((line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace tsmuxer
