// BDSup2Sub stand-in, started through bdsup2sub400.jar:
//   <in.sup> <out.sup> /fps:keep [/cropy:N] [/res:720p /filter:lanczos3]

#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "pgs/caption.h"
#include "transform.h"

namespace {

int fail(const std::string& message) {
  std::fprintf(stderr, "ERROR: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const bdsup2sub::Arguments args = bdsup2sub::parseArguments({argv + 1, argv + argc});
    pgs::CaptionStream stream = pgs::decodeCaptions(pgs::readSupFile(args.input));
    if (args.cropLines) bdsup2sub::cropCaptions(stream, *args.cropLines);
    if (args.to720p) bdsup2sub::resizeCaptions(stream, 1280, 720);
    pgs::writeSupFile(args.output, pgs::encodeCaptions(stream));
    std::printf("Wrote %zu captions to %s\n", stream.captions.size(), args.output.c_str());
    return 0;
  } catch (const std::exception& e) {
    return fail(e.what());
  }
}
