// tsMuxeR stand-in: tsMuxeR <file.meta> <output folder>

#include <cstdio>

#include "console.h"
#include "muxer.h"

int main(int argc, char** argv) {
  tsmuxer::StdConsole console;
  console.out("tsMuxeR stand-in of Quandrell (muxing by FFmpeg)");
  if (argc != 3) {
    console.err("Usage: tsMuxeR <file.meta> <output folder>");
    return tsmuxer::kExitFailed;
  }
  return tsmuxer::runMuxer(argv[1], argv[2], console);
}
