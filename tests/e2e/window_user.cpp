#include "window_user.h"

#include <gtest/gtest.h>

#include <thread>

#include "shell/app.h"
#include "uir_ids.h"

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

WindowUser::WindowUser(App& app, ui::memory::MemoryToolkit& ui) : app_(app), ui_(ui) {}

int WindowUser::Panel() const { return app_.mainPanel; }

void WindowUser::SetUp(const std::string& preset, int customMediaMb) {
  const int menuBar = ui_.GetPanelMenuBar(Panel());
  ui_.FireMenuItem(menuBar, MENUBAR_OPTIONS_SCRAPE_SCRAPE_6);
  ui_.FireMenuItem(menuBar, MENUBAR_OPTIONS_SETTINGS);
  const int preferences = ui_.PanelHandle(PANEL_PREF);
  ASSERT_NE(preferences, 0) << "no preferences dialog";
  ui_.SetCtrlVal(preferences, PANEL_PREF_PRESETS, preset);
  ui_.SetCtrlVal(preferences, PANEL_PREF_CUSTOM_MEDIA, customMediaMb);
  ui_.FireCtrlEvent(preferences, PANEL_PREF_SAVE, ui::EVENT_COMMIT);
  ASSERT_FALSE(ui_.PanelExists(preferences)) << "the preferences were not saved";
  ASSERT_EQ(app_.settings.CustomMedia, customMediaMb);
  ASSERT_EQ(app_.settings.Scrape, 0);
}

void WindowUser::ToggleDebugMode() { ui_.FireMenuItem(ui_.GetPanelMenuBar(Panel()), MENUBAR_OPTIONS_DEBUG); }

void WindowUser::OpenVideoFile(const std::string& path) {
  ui_.Script().Choose(path);
  ui_.FireCtrlEvent(Panel(), PANEL_OPEN, ui::EVENT_COMMIT);
  ASSERT_EQ(Text(PANEL_SOURCE), path);
}

void WindowUser::OpenBlurayFolder(const std::string& folder) {
  ui_.Script().Choose(folder);
  ui_.FireCtrlEvent(Panel(), PANEL_OPEN_BDMV, ui::EVENT_COMMIT);
}

int WindowUser::PlaylistDialog() const { return ui_.PanelHandle(PANEL_MULT); }

std::vector<std::string> WindowUser::Playlists() const {
  std::vector<std::string> lines;
  for (const auto& item : ui_.Items(PlaylistDialog(), PANEL_MULT_PLAYLIST)) lines.push_back(item.label);
  return lines;
}

std::string WindowUser::PlaylistClips() const {
  return ui::AsText(ui_.GetCtrlVal(PlaylistDialog(), PANEL_MULT_M2TS));
}

void WindowUser::ProceedWithPlaylist(int index) {
  const int dialog = PlaylistDialog();
  ASSERT_NE(dialog, 0) << "no playlist dialog";
  ui_.SetCtrlIndex(dialog, PANEL_MULT_PLAYLIST, index);
  ui_.FireCtrlEvent(dialog, PANEL_MULT_PLAYLIST, ui::EVENT_VAL_CHANGED);
  ui_.FireCtrlEvent(dialog, PANEL_MULT_GO, ui::EVENT_COMMIT);
  ASSERT_FALSE(ui_.PanelExists(dialog)) << "the playlist dialog stayed open";
}

void WindowUser::Choose(int control, int index) {
  ui_.SetCtrlIndex(Panel(), control, index);
  ui_.FireCtrlEvent(Panel(), control, ui::EVENT_COMMIT);
}

void WindowUser::ChooseMedia(int index) {
  Choose(PANEL_MEDIA, index);
  ASSERT_EQ(ui_.GetCtrlIndex(Panel(), PANEL_MEDIA), index);
}

void WindowUser::ChooseAudioTarget(int value) {
  ui_.SetAndCommit(Panel(), PANEL_AUDIO, value);
  ASSERT_EQ(Value(PANEL_AUDIO), value) << "the audio ring does not offer it";
}

void WindowUser::ChooseSubtitleTarget(int value) {
  ui_.SetAndCommit(Panel(), PANEL_SUBT, value);
  ASSERT_EQ(Value(PANEL_SUBT), value) << "the subtitle ring does not offer it";
}

void WindowUser::TypeChapters(const std::string& lines) { ui_.SetCtrlVal(Panel(), PANEL_CAPITOLS, lines); }

void WindowUser::ResizeTo720p() {
  ui_.FireCtrlEvent(Panel(), PANEL_ADVANCED, ui::EVENT_COMMIT);
  const int dialog = ui_.PanelHandle(P_ADVANCED);
  ASSERT_NE(dialog, 0) << "no advanced dialog";
  ASSERT_EQ(ui::AsInt(ui_.GetCtrlAttribute(dialog, P_ADVANCED_RESIZE, ui::ATTR_DIMMED)), 0);
  ui_.SetCtrlVal(dialog, P_ADVANCED_RESIZE, 1);
  ui_.FireCtrlEvent(dialog, P_ADVANCED_APPLY, ui::EVENT_COMMIT);
  ASSERT_FALSE(ui_.PanelExists(dialog));
  ASSERT_EQ(app_.advanced.advResize720, 1);
}

void WindowUser::ScanBitrates() {
  ui_.FireCtrlEvent(Panel(), PANEL_SCAN, ui::EVENT_COMMIT);
  const int dialog = ui_.PanelHandle(PAN_SCAN);
  ASSERT_NE(dialog, 0) << "no scan dialog";
  // The dialog's tick shows progress; the worker's results arrive as a
  // deferred call, as the event loop would run it.
  const auto until = Clock::now() + std::chrono::seconds(30);
  while (ui_.RunDeferredCalls() == 0) {
    ASSERT_LT(Clock::now(), until) << "the scan never ended";
    if (app_.scan.timer != 0) ui_.FireTimer(app_.scan.timer);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ui_.FireCtrlEvent(dialog, PAN_SCAN_CLOSE, ui::EVENT_COMMIT);
}

Popups WindowUser::AddToQueue(const std::vector<int>& answers) {
  ui_.ClearPopups();
  for (int answer : answers) ui_.Script().Answer(answer);
  ui_.FireCtrlEvent(Panel(), PANEL_ADD, ui::EVENT_COMMIT);
  EXPECT_TRUE(ui_.Script().Empty()) << "fewer questions than answers";
  return ui_.Popups();
}

bool WindowUser::StartJobsAndWait(std::chrono::seconds limit) {
  ui_.FireCtrlEvent(Panel(), PANEL_GO, ui::EVENT_COMMIT);
  return app_.pipeline.WaitIdle(limit) && app_.runningJob.load() == -1;
}

std::string WindowUser::Text(int control) const { return ui::AsText(ui_.GetCtrlVal(Panel(), control)); }

std::vector<std::string> WindowUser::RingLabels(int control) const {
  std::vector<std::string> labels;
  for (const auto& item : ui_.Items(Panel(), control)) labels.push_back(item.label);
  return labels;
}

int WindowUser::Value(int control) const { return ui::AsInt(ui_.GetCtrlVal(Panel(), control)); }

}  // namespace e2e
