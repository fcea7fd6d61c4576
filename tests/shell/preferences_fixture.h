#pragma once
// The main window with the Options and Help menus, the preferences, the
// advanced dialog and the About box opened as the user opens them.

#include <memory>
#include <string>
#include <vector>

#include "platform/sound.h"
#include "support/planning_window.h"

namespace test {

// Notes what would have played.
class RecordingSound : public platform::SoundPlayer {
 public:
  void PlayFile(const std::string& path) override { played.push_back(path); }
  std::vector<std::string> played;
};

class PreferencesTest : public PlanningWindow {
 protected:
  PreferencesTest() {
    auto sound = std::make_unique<RecordingSound>();
    played = &sound->played;
    app().sound = std::move(sound);
  }

  int MenuBar() { return ui().GetPanelMenuBar(panel()); }
  void Pick(int item) { ui().FireMenuItem(MenuBar(), item); }
  bool Checked(int item) { return ui::AsInt(ui().GetMenuBarAttribute(MenuBar(), item, ui::ATTR_CHECKED)) != 0; }

  // Options > Settings...: the dialog's handle.
  int OpenSettings() {
    Pick(MENUBAR_OPTIONS_SETTINGS);
    return ui().PanelHandle(PANEL_PREF);
  }
  void Press(int dialog, int control) { ui().FireCtrlEvent(dialog, control, ui::EVENT_COMMIT); }
  ui::Value Get(int dialog, int control) { return ui().GetCtrlVal(dialog, control); }
  void Set(int dialog, int control, const ui::Value& value) { ui().SetCtrlVal(dialog, control, value); }
  int Dimmed(int dialog, int control) { return ui::AsInt(ui().GetCtrlAttribute(dialog, control, ui::ATTR_DIMMED)); }
  ui::Value Cell(int dialog, int row) { return ui().GetTableCellVal(dialog, PANEL_PREF_SUBS, row, 1); }
  int CellColor(int dialog) {
    return ui::AsInt(ui().GetTableCellAttribute(dialog, PANEL_PREF_SUBS, 3, 1, ui::ATTR_TEXT_BGCOLOR));
  }

  std::string StoredText(const std::string& name) {
    std::string text;
    h.store().ReadString(platform::kQuandrellKey, name, 260, text);
    return text;
  }
  int32_t StoredNumber(const std::string& name) {
    int32_t value = -1;
    h.store().ReadDword(platform::kQuandrellKey, name, value);
    return value;
  }

  std::vector<std::string>* played = nullptr;
};

}  // namespace test
