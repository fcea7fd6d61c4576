#include "shell/preference_choosers.h"

#include <string>

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "shell/font_table.h"
#include "uir_ids.h"

namespace {

// The chooser opens at the folder the settings hold; cancelling it
// changes nothing.
void ChooseFolder(App& app, int panel, int control, const std::string& current, const char* title) {
  const ui::FileChoice choice = app.ui.DirSelectPopup(current, title);
  if (choice.chosen) app.ui.SetCtrlVal(panel, control, choice.path);
}

}  // namespace

void ChooseTempFolder(App& app, int panel) {
  ChooseFolder(app, panel, PANEL_PREF_TEMP_FOLDER, platform::FixedText(app.settings.TempPath),
               "Select a temporary folder:");
}

void ChooseOutputFolder(App& app, int panel) {
  ChooseFolder(app, panel, PANEL_PREF_OUT_FOLDER, platform::FixedText(app.settings.OutPath),
               "Select a folder for output:");
}

// Cancelling keeps the sound the box names, as the folder choosers do.
void ChooseSoundFile(App& app, int panel) {
  const std::string current = ui::AsText(app.ui.GetCtrlVal(panel, PANEL_PREF_SOUND));
  const ui::FileChoice choice = app.ui.FileSelectPopup(current, "*.wav", "Sound Files (wav)", "Select a Sound File");
  if (choice.chosen) app.ui.SetCtrlVal(panel, PANEL_PREF_SOUND, choice.path);
}

void PlayChosenSound(App& app, int panel) {
  app.sound->PlayFile(ui::AsText(app.ui.GetCtrlVal(panel, PANEL_PREF_SOUND)));
}

void ChooseSubtitleFont(App& app, int panel) {
  ui::FontChoice font = ReadSubtitleFont(app.ui, panel);
  if (app.ui.FontSelectPopup("Subtitle Font", font)) ShowSubtitleFont(app.ui, panel, font);
}

void ResetSubtitleFont(App& app, int panel) {
  ShowSubtitleFont(app.ui, panel, {"Arial", 65, 0x00FFFFFF});
  app.ui.SetCtrlVal(panel, PANEL_PREF_BORDER, 2);
  app.ui.SetCtrlVal(panel, PANEL_PREF_OFFSET, 24);
}
