#include "support/planning_window.h"

#include "planning/planner.h"
#include "planning/target_lists.h"
#include "platform/fixed_text.h"
#include "source/output_naming.h"
#include "source/track_lists.h"

namespace test {

PlanningWindow::PlanningWindow() {
  h.StartMainWindow();
  // No title lookup leaves the machine.
  app().settings.Scrape = 0;
  platform::CopyFixed(app().settings.OutPath, h.dir() / "out");
}

void PlanningWindow::Add(const VideoTrack& video) { source().video[source().videoCount++] = video; }
void PlanningWindow::Add(const AudioTrack& audio) { source().audio[source().audioCount++] = audio; }
void PlanningWindow::Add(const SubtitleTrack& subtitle) { source().subtitle[source().subtitleCount++] = subtitle; }

void PlanningWindow::Open(const std::string& path) {
  if (source().generalCount == 0) source().generalCount = 1;
  ui().SetCtrlVal(panel(), PANEL_SOURCE, path);
  NameOutputs(app(), path);
  ShowTrackLists(app(), 0);
  FillMediaList(app(), 0);
  FillAudioTargets(app());
  FillSubtitleTargets(app());
  PlanVideoBitrate(app(), 0);
  for (int control : {PANEL_ADD, PANEL_ADVANCED}) ui().SetCtrlAttribute(panel(), control, ui::ATTR_DIMMED, 0);
}

void PlanningWindow::ChooseMedia(int index) {
  ui().SetCtrlIndex(panel(), PANEL_MEDIA, index);
  ui().FireCtrlEvent(panel(), PANEL_MEDIA, ui::EVENT_COMMIT);
}

void PlanningWindow::ChooseAudioTrack(int index) { ui().SetAndCommit(panel(), PANEL_S_AUDIO, index); }
void PlanningWindow::ChooseSubtitleTrack(int index) { ui().SetAndCommit(panel(), PANEL_S_SUB, index); }
void PlanningWindow::ChooseAudioTarget(int value) { ui().SetAndCommit(panel(), PANEL_AUDIO, value); }
void PlanningWindow::ChooseSubtitleTarget(int value) { ui().SetAndCommit(panel(), PANEL_SUBT, value); }

void PlanningWindow::TypeBitrate(int value) {
  ui().SetCtrlVal(panel(), PANEL_BITRATE, value);
  ui().FireCtrlEvent(panel(), PANEL_BITRATE, ui::EVENT_VAL_CHANGED);
}

void PlanningWindow::Type(int control, const std::string& text) { ui().SetCtrlVal(panel(), control, text); }
void PlanningWindow::Click(int control) { ui().FireCtrlEvent(panel(), control, ui::EVENT_COMMIT); }

std::vector<std::string> PlanningWindow::Labels(int control) {
  std::vector<std::string> labels;
  for (const auto& item : ui().Items(panel(), control)) labels.push_back(item.label);
  return labels;
}

std::string PlanningWindow::ChosenLabel(int control) {
  return ui().GetLabelFromIndex(panel(), control, ui().GetCtrlIndex(panel(), control));
}

int PlanningWindow::Value(int control) { return ui::AsInt(ui().GetCtrlVal(panel(), control)); }
std::string PlanningWindow::Text(int control) { return ui::AsText(ui().GetCtrlVal(panel(), control)); }

int PlanningWindow::Attribute(int control, ui::Attr attr) {
  return ui::AsInt(ui().GetCtrlAttribute(panel(), control, attr));
}

std::vector<ui::memory::PopupRecord> PlanningWindow::TakePopups() {
  auto popups = ui().Popups();
  ui().ClearPopups();
  return popups;
}

}  // namespace test
