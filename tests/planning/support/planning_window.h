#pragma once
// The main window with a source open, as opening a file or a Blu-ray
// folder leaves it, built from tracks a test chooses instead of from
// media; then driven as the user drives it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/app_harness.h"
#include "support/source_tracks.h"

namespace test {

class PlanningWindow : public ::testing::Test {
 protected:
  PlanningWindow();

  App& app() { return h.app(); }
  SourceInfo& source() { return h.app().source; }
  ui::memory::MemoryToolkit& ui() { return h.ui(); }
  int panel() { return h.panel(); }

  // The source being described; Open() shows it.
  void Add(const VideoTrack& video);
  void Add(const AudioTrack& audio);
  void Add(const SubtitleTrack& subtitle);
  // Fills the window from the source as loading a source does (track
  // rings, targets, planner). The default path is a Blu-ray clip.
  void Open(const std::string& path = "/media/disc/FILM/BDMV/STREAM/00001.m2ts");

  // What the user does.
  void ChooseMedia(int index);
  void ChooseAudioTrack(int index);
  void ChooseSubtitleTrack(int index);
  void ChooseAudioTarget(int value);
  void ChooseSubtitleTarget(int value);
  void TypeBitrate(int value);
  void Type(int control, const std::string& text);
  void Click(int control);

  // What the user sees.
  std::vector<std::string> Labels(int control);
  std::string ChosenLabel(int control);
  int Value(int control);
  std::string Text(int control);
  int Attribute(int control, ui::Attr attr);
  std::string Info() { return Text(PANEL_INFO); }
  int InfoColor() { return Attribute(PANEL_INFO, ui::ATTR_TEXT_COLOR); }
  // Titles and texts of the popups shown since the last call.
  std::vector<ui::memory::PopupRecord> TakePopups();

  AppHarness h;
};

}  // namespace test
