#include "scanner/scan_measures.h"

#include <algorithm>
#include <cmath>

namespace scanner {

double ScannedTimeMs(double durationMs, uint32_t donePackets, uint32_t totalPackets) {
  if (totalPackets == 0 || !(durationMs > 0)) return 0;
  return durationMs * static_cast<double>(donePackets) / static_cast<double>(totalPackets);
}

double RateKbps(uint32_t packets, double bitsPerPacket, double timeMs) {
  if (!(timeMs > 0)) return 0;
  return static_cast<double>(packets) * bitsPerPacket / timeMs;
}

int32_t RoundedKbps(uint32_t packets, double bitsPerPacket, double timeMs) {
  // A damaged duration can make the rate absurd; it must still fit the field.
  const double rate = std::min(RateKbps(packets, bitsPerPacket, timeMs), double{INT32_MAX});
  return static_cast<int32_t>(std::lround(rate));
}

int32_t ClassifyForced(int32_t counted, double liveRateKbps, double timeMs) {
  if (counted > 0) return counted;
  if (liveRateKbps < kForcedTrackKbps && timeMs > kForcedTrackAfterMs) return -1;
  return 0;
}

}  // namespace scanner
