#include "source/stream_listing.h"

#include <algorithm>
#include <cstdio>

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "source/chapter_list.h"
#include "source/eac3to_run.h"
#include "source/source_paths.h"
#include "source/text_search.h"
#include "uir_ids.h"

namespace {

constexpr size_t kLogLineLimit = 499;

// eac3to writes the chapters (its track 1) into cap.txt and its listing
// into the log.
void RunListing(App& app, const std::string& sourcePath, int playlistNumber, const std::string& capPath,
                const std::string& logPath) {
  std::remove(capPath.c_str());
  std::remove(logPath.c_str());
  const auto q = QuotedEac3toPaths(app, {sourcePath, capPath, logPath});
  if (q.empty()) return;
  const std::string playlist = playlistNumber > 0 ? " " + std::to_string(playlistNumber) + ")" : "";
  RunEac3to(app, q[0] + " " + q[1] + playlist + " 1: " + q[2] + " -log=" + q[3]);
}

void SetDimmed(App& app, int control, int dimmed) {
  app.ui.SetCtrlAttribute(app.mainPanel, control, ui::ATTR_DIMMED, dimmed);
}

}  // namespace

void ListSourceStreams(App& app, const std::string& sourcePath, int playlistNumber) {
  SourceInfo& source = app.source;
  source.chaptersMissing = 0;
  source.hasRightEye = 0;
  source.stereoMode = 0;
  if (ContainsNoCase(sourcePath, ".mkv")) {
    // Matroska chapters come from the track probe; the scanner reads
    // transport streams only.
    source.sourceIsMkv = 1;
    source.singleStreamFile = 0;
    SetDimmed(app, PANEL_SCAN, 1);
    SetDimmed(app, PANEL_ADVANCED, 0);
    return;
  }
  const bool streamFile = ContainsNoCase(sourcePath, ".m2ts");
  source.singleStreamFile = streamFile ? 1 : 0;
  source.sourceIsMkv = 0;
  const std::string capPath = WorkFilePath(app, kChapterFileName);
  const std::string logPath = WorkFilePath(app, kEac3toLogName);
  RunListing(app, sourcePath, streamFile ? 0 : playlistNumber, capPath, logPath);
  const std::string capText = TakeWorkFile(capPath);
  if (LogShowsRightEye(TakeWorkFile(logPath))) source.hasRightEye = 1;
  SetDimmed(app, PANEL_SCAN, 0);
  SetDimmed(app, PANEL_ADVANCED, 0);
  ShowChapterList(app, ChaptersFromCapText(capText));
}

bool LogShowsRightEye(std::string_view log) {
  for (std::string_view line : SplitLines(log)) {
    if (line.empty()) return false;
    if (ContainsNoCase(line.substr(0, kLogLineLimit), "(right eye)")) return true;
  }
  return false;
}

void ReadCoreBitrates(App& app, const std::string& streamPath) {
  ApplyCoreBitrates(ListWithEac3to(app, streamPath), app.source);
}

void ApplyCoreBitrates(std::string_view listing, SourceInfo& source) {
  if (listing.empty() || ContainsNoCase(listing, "<ERROR>")) return;
  const int base = source.videoCount + 1 + (listing.find("1: Chapters") != std::string_view::npos ? 1 : 0);
  for (int k = 0; k < std::min(source.audioCount, kMaxAudioTracks); ++k) {
    AudioTrack& audio = source.audio[k];
    const std::string_view profile = platform::FixedView(audio.profile);
    if (profile != "MA" && profile != "HRA") continue;
    const size_t start = listing.find(std::to_string(k + base) + ": ");
    if (start == std::string_view::npos) return;
    // The core's description ends with its sampling rate: "..., 48kHz)".
    const size_t end = listing.find("z)", start);
    if (end == std::string_view::npos) return;
    std::string_view line = listing.substr(start + 3, end + 2 - (start + 3));
    const size_t core = line.find("(core");
    if (core == std::string_view::npos) return;
    for (std::string_view part : SplitTokens(line.substr(core), ",")) {
      if (ContainsNoCase(part, "kbps")) {
        audio.bitrateKbps = LeadingInt(part.substr(1));
        break;
      }
    }
  }
}
