#include "joined_stream.h"

#include <fstream>

#include "failure.h"
#include "stop_signal.h"
#include "ts_fields.h"

namespace eac3to {
namespace {

constexpr std::size_t kTsBytes = 188;
constexpr std::size_t kChunkPackets = 2048;
constexpr int kNullPid = 0x1FFF;

Failure Unreadable(const InputPart& part, const std::string& why) {
  return Failure("The clip \"" + part.file.string() + "\" " + why + ".");
}

std::size_t CheckPart(const InputPart& part) {
  std::ifstream in(part.file, std::ios::binary);
  std::uint8_t head[2 * 192 + 1] = {};
  if (!in || !in.read(reinterpret_cast<char*>(head), sizeof head))
    throw Unreadable(part, in ? "is too short to be a transport stream" : "can't be read");
  const std::size_t size = DetectPacketSize(head, sizeof head);
  if (size == 0) throw Unreadable(part, "is no transport stream");
  return size;
}

}  // namespace

JoinedStream::JoinedStream(std::vector<InputPart> parts)
    : parts_(std::move(parts)), timings_(PlanPartTimings(parts_)) {
  if (parts_.empty()) throw Failure("There is no clip to read.");
  for (const auto& part : parts_) {
    packetSizes_.push_back(CheckPart(part));
    std::error_code error;
    totalBytes_ += std::filesystem::file_size(part.file, error);
  }
}

void JoinedStream::Write(const Sink& sink, const std::function<void(double)>& onProgress) {
  pids_.clear();
  firstPts_.clear();
  readBytes_ = 0;
  const auto report = [&] {
    onProgress(totalBytes_ > 0 ? static_cast<double>(readBytes_) / static_cast<double>(totalBytes_) : 1.0);
  };
  for (std::size_t i = 0; i < parts_.size(); ++i) ReadPart(i, sink, report);
}

void JoinedStream::ReadPart(std::size_t index, const Sink& sink, const std::function<void()>& onChunk) {
  const InputPart& part = parts_[index];
  const PartTiming& timing = timings_[index];
  const std::size_t packetSize = packetSizes_[index];
  // Units cut by the end of an unrelated clip are not finished by this one.
  if (!timing.continuesBefore)
    for (auto& [pid, state] : pids_) state.keep = false;
  std::ifstream in(part.file, std::ios::binary);
  if (!in) throw Unreadable(part, "can't be read");
  std::vector<std::uint8_t> buffer(kChunkPackets * packetSize), out;
  out.reserve(kChunkPackets * kTsBytes);
  std::uintmax_t offset = 0;
  while (in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size())) ||
         in.gcount() > 0) {
    ThrowIfStopped();
    const auto got = static_cast<std::size_t>(in.gcount());
    out.clear();
    for (std::size_t at = 0; at + packetSize <= got; at += packetSize) {
      std::uint8_t* packet = buffer.data() + at + packetSize - kTsBytes;
      if (packet[0] != ts::kSync)
        throw Unreadable(part, "is damaged: its packets lose their sync at byte " +
                                   std::to_string(offset + at));
      TakePacket(packet, timing, out);
    }
    if (!out.empty()) sink(out.data(), out.size());
    offset += got;
    readBytes_ += got;
    onChunk();
  }
  if (in.bad()) throw Unreadable(part, "can't be read to its end");
}

void JoinedStream::TakePacket(std::uint8_t* packet, const PartTiming& timing,
                              std::vector<std::uint8_t>& out) {
  const int pid = ts::Pid(packet);
  if (pid == kNullPid) return;  // stuffing: nothing to read
  PidState& state = pids_[pid];
  if (ts::UnitStart(packet)) {
    const auto pts = ts::StartsPes(packet) ? ts::PesPts(packet) : std::nullopt;
    if (pts) state.keep = InWindow(timing, *pts);
    else if (!ts::StartsPes(packet)) state.keep = true;  // tables
    if (pts && state.keep && !firstPts_.count(pid))
      firstPts_[pid] = ((*pts + timing.shift) % ts::kWrap + ts::kWrap) % ts::kWrap;
  }
  if (!state.keep) return;
  if (timing.shift != 0) ts::ShiftTimestamps(packet, timing.shift);
  if (ts::HasPayload(packet)) state.counter = (state.counter + 1) & 0x0F;
  ts::SetContinuity(packet, state.counter < 0 ? 0 : state.counter);
  out.insert(out.end(), packet, packet + kTsBytes);
}

}  // namespace eac3to
