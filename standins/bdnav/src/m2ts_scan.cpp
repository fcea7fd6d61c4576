#include "bdnav/m2ts_scan.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "ts_packet.h"

namespace bdnav {

namespace {

constexpr size_t kSourcePacketSize = 192;
constexpr size_t kPacketsPerRead = 4096;

bool isVideo(uint8_t streamType) {
  CodingType coding;
  return codingFromStreamType(streamType, coding) && kindOf(coding) == StreamKind::Video;
}

class Scanner {
 public:
  void add(const TsPacket& packet, uint32_t spn);
  M2tsScan finish(const std::filesystem::path& path);

 private:
  void takeProgramMap(const ProgramMap& map);
  void countUnit(uint16_t pid);
  M2tsScan scan_;
  bool havePat_ = false;
  bool havePmt_ = false;
  uint16_t mainPid_ = 0;
  std::vector<uint64_t> pts_;
};

void Scanner::takeProgramMap(const ProgramMap& map) {
  havePmt_ = true;
  scan_.pcrPid = map.pcrPid;
  for (const PmtEntry& e : map.entries) scan_.streams.push_back({e.pid, e.streamType});
  const auto video = std::find_if(map.entries.begin(), map.entries.end(),
                                  [](const PmtEntry& e) { return isVideo(e.streamType); });
  if (video != map.entries.end()) mainPid_ = video->pid;
  else if (!map.entries.empty()) mainPid_ = map.entries.front().pid;
}

void Scanner::countUnit(uint16_t pid) {
  for (ScannedStream& s : scan_.streams)
    if (s.pid == pid) ++s.units;
}

void Scanner::add(const TsPacket& packet, uint32_t spn) {
  if (!havePat_ && packet.pid == 0) {
    if (const auto pmt = pmtPidFromPat(packet)) {
      havePat_ = true;
      scan_.pmtPid = *pmt;
    }
  } else if (havePat_ && !havePmt_ && packet.pid == scan_.pmtPid) {
    if (const auto map = parsePmt(packet)) takeProgramMap(*map);
  } else if (havePmt_ && packet.unitStart) {
    countUnit(packet.pid);
    if (packet.pid != mainPid_) return;
    const auto pts = pesPts(packet);
    if (!pts) return;
    pts_.push_back(*pts);
    if (packet.randomAccess) scan_.entryPoints.push_back({*pts, spn});
  }
}

// The end of the last frame is its PTS plus one frame period, taken as the
// smallest step between presentation times.
M2tsScan Scanner::finish(const std::filesystem::path& path) {
  if (!havePmt_) throw std::runtime_error(path.string() + ": no program map table");
  scan_.frames = static_cast<uint32_t>(pts_.size());
  if (pts_.empty()) return scan_;
  std::sort(pts_.begin(), pts_.end());
  uint64_t step = 0;
  for (size_t i = 1; i < pts_.size(); ++i) {
    const uint64_t d = pts_[i] - pts_[i - 1];
    if (d > 0 && (step == 0 || d < step)) step = d;
  }
  scan_.firstPts = pts_.front();
  scan_.endPts = pts_.back() + step;
  return scan_;
}

}  // namespace

M2tsScan scanM2ts(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  Scanner scanner;
  std::vector<uint8_t> buffer(kSourcePacketSize * kPacketsPerRead);
  uint32_t spn = 0;
  while (in) {
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    const size_t got = static_cast<size_t>(in.gcount());
    if (got % kSourcePacketSize != 0) throw std::runtime_error(path.string() + ": not whole 192-byte packets");
    for (size_t at = 0; at < got; at += kSourcePacketSize, ++spn) {
      const auto packet = parseTsPacket(buffer.data() + at + 4);
      if (!packet) throw std::runtime_error(path.string() + ": lost packet sync at packet " + std::to_string(spn));
      scanner.add(*packet, spn);
    }
  }
  M2tsScan scan = scanner.finish(path);
  scan.packetCount = spn;
  return scan;
}

bool codingFromStreamType(uint8_t streamType, CodingType& coding) {
  switch (streamType) {
    case 0x01:
    case 0x02:
      coding = CodingType::Mpeg2Video;
      return true;
    case 0x1b:
    case 0xea:
    case 0x80:
    case 0x81:
    case 0x82:
    case 0x83:
    case 0x84:
    case 0x85:
    case 0x86:
    case 0x90:
    case 0x91:
    case 0x92:
      coding = static_cast<CodingType>(streamType);
      return true;
    default:
      return false;
  }
}

Clip clipFromScan(const M2tsScan& scan, const std::string& name) {
  Clip clip;
  clip.name = name;
  clip.pmtPid = scan.pmtPid;
  clip.pcrPid = scan.pcrPid;
  clip.packetCount = scan.packetCount;
  clip.startTime = static_cast<uint32_t>(scan.firstPts / 2);
  clip.endTime = static_cast<uint32_t>(scan.endPts / 2);
  clip.entryPoints = scan.entryPoints;
  for (const ScannedStream& s : scan.streams) {
    Stream stream;
    stream.pid = s.pid;
    if (codingFromStreamType(s.streamType, stream.coding)) clip.streams.push_back(stream);
  }
  return clip;
}

}  // namespace bdnav
