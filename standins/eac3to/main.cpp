// eac3to stand-in: lists Blu-ray playlists and media tracks and writes tracks
// to files, honouring the command lines Quandrell builds for eac3to.
#include <string>
#include <vector>

#include "run.h"
#include "stop_signal.h"

int main(int argc, char** argv) {
  eac3to::InstallStopHandlers();
  return eac3to::Run(std::vector<std::string>(argv + 1, argv + argc));
}
