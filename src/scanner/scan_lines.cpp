#include "scanner/scan_lines.h"

#include "platform/fixed_text.h"
#include "platform/format_text.h"

namespace scanner {

namespace {

using platform::FixedText;

unsigned Hex(int32_t id) { return static_cast<unsigned>(id); }

template <typename Track>
std::string OpeningLanguageLine(const Track& track) {
  return platform::FormatText("\033p4l%d (0x%x) \033p110l%s \033p225l%s \033p250l(%s)", track.id, Hex(track.id),
                    FixedText(track.format).c_str(), FixedText(track.language).c_str(),
                    FixedText(track.languageName).c_str());
}

int Packets(const LiveFigures& figures) { return static_cast<int>(figures.packets); }

}  // namespace

std::string OpeningLine(const VideoTrack& track) {
  return platform::FormatText("\033p4l%d (0x%x) \033p110l%s", track.id, Hex(track.id), FixedText(track.format).c_str());
}

std::string OpeningLine(const AudioTrack& track) { return OpeningLanguageLine(track); }

std::string OpeningLine(const SubtitleTrack& track) { return OpeningLanguageLine(track); }

std::string TickLine(const VideoTrack& track, const LiveFigures& figures) {
  return platform::FormatText("\033p4l%d (0x%x) \033p110l%s \033p395r%.1f \033p490r%.0f kbps \033p570r%d", track.id,
                    Hex(track.id), FixedText(track.format).c_str(), figures.seconds, figures.rateKbps,
                    Packets(figures));
}

std::string TickLine(const AudioTrack& track, const LiveFigures& figures) {
  const std::string extra = track.isHd == 1 ? FixedText(track.profile) : std::string();
  return platform::FormatText(
      "\033p4l%d (0x%x) \033p110l%s %s \033p225l%s \033p250l(%s) \033p395r%.1f \033p490r%.0f kbps \033p570r%d",
      track.id, Hex(track.id), FixedText(track.format).c_str(), extra.c_str(), FixedText(track.language).c_str(),
      FixedText(track.languageName).c_str(), figures.seconds, figures.rateKbps, Packets(figures));
}

std::string TickLine(const SubtitleTrack& track, const std::string& note, const LiveFigures& figures) {
  return platform::FormatText(
      "\033p4l%d (0x%x) \033p110l%s %s \033p225l%s \033p250l(%s) \033p395r%.1f \033p490r%.2f kbps \033p570r%d",
      track.id, Hex(track.id), FixedText(track.format).c_str(), note.c_str(), FixedText(track.language).c_str(),
      FixedText(track.languageName).c_str(), figures.seconds, figures.rateKbps, Packets(figures));
}

std::string ProgressLine(const std::string& fileName, uint32_t donePackets, uint32_t totalPackets,
                         double megabytesPerSecond) {
  return platform::FormatText("Scanning %s %d packets of %d (%.2f MB/s)...", fileName.c_str(),
                    static_cast<int>(donePackets), static_cast<int>(totalPackets), megabytesPerSecond);
}

std::string ForcedNote(int32_t forcedCaptions) {
  if (forcedCaptions > 0) return platform::FormatText("(%d forced)", forcedCaptions);
  if (forcedCaptions < 0) return "(forced track)";
  return "";
}

}  // namespace scanner
