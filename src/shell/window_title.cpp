#include "shell/window_title.h"

#include <cstdio>

#include "shell/app.h"
#include "shell/product.h"

std::string MainWindowTitle(const App& app) {
  char title[128];
  std::snprintf(title, sizeof title, "%s v%s   (%d-bit mode)", kProductName, kProductVersion,
                app.is64BitOs ? 64 : 32);
  std::string text = title;
  if (app.switches.shutdownWhenDone) text += "  *** SHUTDOWN COMPUTER WHEN FINISH ALL JOBS ***";
  return text;
}
