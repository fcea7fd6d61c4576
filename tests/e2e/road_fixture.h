#pragma once
// The program as a user meets it, with the real tools: x264 and mkvmerge
// from the PATH, the stand-ins from the program folder, the real
// libmediainfo. The user has turned the title lookup off and chosen the
// "ultrafast" preset and a custom medium in the settings.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "harness/app_harness.h"
#include "window_user.h"

namespace e2e {

// The custom medium the roads size their discs for: 6 MB give a 10-second
// film about 4,000 kb/s of video.
inline constexpr int kCustomMediumMb = 6;
inline constexpr uint64_t kCustomMediumBytes = kCustomMediumMb * 1000000ull;
inline constexpr int kMediaCustom = 5, kMediaMkv = 6, kMediaMkvRemux = 7;
inline constexpr int kSubtitleSelected = 1, kSubtitleForced = 2, kSubtitleOnlyForced = 3;
inline constexpr int kConfirmNo = 0;  // the answer "No" to a ConfirmPopup
// A road's longest wait for its queue.
inline constexpr std::chrono::seconds kQueueLimit{50};

class RoadTest : public ::testing::Test {
 protected:
  RoadTest();
  ~RoadTest() override;
  void SetUp() override;

  App& app() { return harness.app(); }
  // The media copied beside the user's other files under a film's name.
  std::string Place(const std::filesystem::path& media, const std::string& name);
  // A video file placed as "Road.Film.2012.1080p.BluRay.m2ts" and opened.
  std::string OpenFilm(const std::filesystem::path& media);
  // Start Jobs for the added job; it must finish.
  void RunQueue();
  const Job& FirstJob() { return app().queue[0]; }
  std::string ErrorLog();
  std::filesystem::path TempFile(const std::string& name);

  std::optional<std::string> toolsDir_;  // first: gone before the harness starts
  test::AppHarness harness;
  WindowUser user{harness.app(), harness.ui()};
};

}  // namespace e2e
