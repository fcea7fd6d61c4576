// The scanner's packet counter on any bytes, with the PIDs of a made-up
// source taken from the input's first bytes.
#include "fuzz_input.h"
#include "scanner/count_packets.h"
#include "scanner/scan_counters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SourceInfo source{};
  source.videoCount = 1;
  source.audioCount = 2;
  source.subtitleCount = 2;
  size_t at = 0;
  auto pid = [&] {
    if (at + 2 > size) return 0x1011;
    const int value = (data[at] << 8 | data[at + 1]) & 0x1FFF;
    at += 2;
    return value;
  };
  source.video[0].id = pid();
  for (int i = 0; i < 2; ++i) source.audio[i].id = pid();
  for (int i = 0; i < 2; ++i) source.subtitle[i].id = pid();
  const scanner::PidTable table = scanner::BuildPidTable(source);
  scanner::ScanCounters counters;
  scanner::CountScanPackets(counters, table, data + at, size - at);
  return 0;
}
