#include "scan_fixture.h"

#include <chrono>
#include <thread>

#include "packet_builder.h"
#include "platform/fixed_text.h"
#include "source/track_lists.h"

namespace scantest {

ScanFixture::ScanFixture() {
  harness_.StartMainWindow();
  SourceInfo& source = app().source;
  source.generalCount = 1;
  source.videoCount = 1;
  VideoTrack& video = source.video[0];
  video.id = kVideoPid;
  video.durationMs = 60000;
  platform::CopyFixed(video.format, "AVC");
  source.audioCount = 2;
  AudioTrack& ac3 = source.audio[0];
  ac3.id = kAudioPid;
  ac3.bitrateKbps = 448;
  platform::CopyFixed(ac3.format, "AC-3");
  platform::CopyFixed(ac3.language, "eng");
  platform::CopyFixed(ac3.languageName, "English");
  AudioTrack& dts = source.audio[1];
  dts.id = kHdAudioPid;
  dts.isHd = 1;
  dts.bitrateKbps = 1509;
  platform::CopyFixed(dts.format, "DTS");
  platform::CopyFixed(dts.profile, "MA");
  platform::CopyFixed(dts.language, "deu");
  platform::CopyFixed(dts.languageName, "German");
  source.subtitleCount = 1;
  SubtitleTrack& pgs = source.subtitle[0];
  pgs.id = kSubtitlePid;
  platform::CopyFixed(pgs.format, "PGS");
  platform::CopyFixed(pgs.language, "spa");
  platform::CopyFixed(pgs.languageName, "Spanish");
  platform::CopyFixed(pgs.title, "Forced");
  ShowTrackLists(app(), 0);
}

std::string ScanFixture::RingItem(int ring, int index) {
  return ui().GetLabelFromIndex(harness_.panel(), ring, index);
}

void ScanFixture::ShowSource(const std::string& path) { ui().SetCtrlVal(harness_.panel(), PANEL_SOURCE, path); }

void ScanFixture::PressScan() { ui().FireCtrlEvent(harness_.panel(), PANEL_SCAN, ui::EVENT_COMMIT); }

void ScanFixture::PressCancel() { ui().FireCtrlEvent(ScanPanel(), PAN_SCAN_CANCEL, ui::EVENT_COMMIT); }

void ScanFixture::PressClose() { ui().FireCtrlEvent(ScanPanel(), PAN_SCAN_CLOSE, ui::EVENT_COMMIT); }

void ScanFixture::Tick() { ui().FireTimer(app().scan.timer); }

std::vector<std::string> ScanFixture::Lines() {
  std::vector<std::string> lines;
  for (const auto& item : ui().Items(ScanPanel(), PAN_SCAN_LIST)) lines.push_back(item.label);
  return lines;
}

std::string ScanFixture::ProgressText() { return ui::AsText(ui().GetCtrlVal(ScanPanel(), PAN_SCAN_CAD)); }

int ScanFixture::ProgressValue() { return ui::AsInt(ui().GetCtrlVal(ScanPanel(), PAN_SCAN_NUM)); }

void ScanFixture::FinishScan() {
  ASSERT_TRUE(app().scan.run);
  ASSERT_TRUE(Eventually([this] { return ui().RunDeferredCalls() > 0; })) << "the worker posted no results";
}

bool Eventually(const std::function<bool()>& done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace scantest
