#include <cstdio>
#include <string>
#include <vector>

#include "failure.h"
#include "file_probe.h"
#include "source_listing.h"

int main(int argc, char** argv) {
  try {
    for (const auto& line : eac3to::ListSource(eac3to::ProbeFile(argv[1]))) std::puts(line.c_str());
  } catch (const eac3to::Failure& f) {
    std::printf("<ERROR> %s\n", f.what());
    return 1;
  }
  (void)argc;
  return 0;
}
