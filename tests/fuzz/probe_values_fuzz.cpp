// MediaInfo's value texts of a file made to confuse it.
#include "fuzz_input.h"
#include "source/probe_values.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto f = fuzz::Fields(fuzz::Text(data, size), 3);
  StreamIdOf(f[0]);
  FrameRateFraction(f[0]);
  FrameRateShown(f[0]);
  ScanTypeOf(f[0]);
  FirstLanguageCode(f[0]);
  FirstLanguageName(f[1]);
  FirstProfile(f[1]);
  AudioBitratesOf(f[1], f[2]);
  DurationTextSeconds(f[2]);
  TitleSaysForced(f[2]);
  return 0;
}
