#include "shell/preferences_dialog.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "planning/planner.h"
#include "planning/target_lists.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "shell/font_table.h"
#include "shell/language_choices.h"
#include "shell/settings_store.h"
#include "uir_ids.h"

namespace {

struct TextSetting {
  int control;
  char* field;
  size_t capacity;
  const char* what;  // for the message when the text does not fit
};

struct IntSetting {
  int control;
  int32_t* field;
};

std::vector<TextSetting> TextSettings(Settings& s) {
  return {{PANEL_PREF_TEMP_FOLDER, s.TempPath, sizeof s.TempPath, "temporary folder"},
          {PANEL_PREF_OUT_FOLDER, s.OutPath, sizeof s.OutPath, "output folder"},
          {PANEL_PREF_AUDIO, s.AudioLang, sizeof s.AudioLang, "audio language"},
          {PANEL_PREF_SUBT, s.SubtitleLang, sizeof s.SubtitleLang, "subtitle language"},
          {PANEL_PREF_PRESETS, s.Preset, sizeof s.Preset, "x264 preset"},
          {PANEL_PREF_SOUND, s.SoundPath, sizeof s.SoundPath, "sound file"}};
}

std::vector<IntSetting> IntSettings(Settings& s) {
  return {{PANEL_PREF_FORCED, &s.ForcedSubtitle}, {PANEL_PREF_NO_SUBTITLE, &s.NoSubtitle},
          {PANEL_PREF_MEDIA, &s.Media},           {PANEL_PREF_CUSTOM_MEDIA, &s.CustomMedia},
          {PANEL_PREF_NO_WEIGHTP, &s.NoWeightp},  {PANEL_PREF_ARCSOFT, &s.UseArcsoft},
          {PANEL_PREF_DOWN16, &s.Down16},         {PANEL_PREF_DOWN6, &s.Down6},
          {PANEL_PREF_FLAC, &s.UseFlac},          {PANEL_PREF_CRF, &s.CRF},
          {PANEL_PREF_BORDER, &s.FontBorder},     {PANEL_PREF_OFFSET, &s.FontBottomOffset}};
}

void FillLanguageRings(ui::Toolkit& ui, int panel) {
  for (const LanguageChoice& choice : LanguageChoices())
    for (int ring : {PANEL_PREF_AUDIO, PANEL_PREF_SUBT}) ui.InsertListItem(panel, ring, -1, choice.label, choice.value);
}

void ShowSettings(App& app, int panel) {
  Settings& s = app.settings;
  for (const TextSetting& t : TextSettings(s))
    app.ui.SetCtrlVal(panel, t.control, std::string(t.field, strnlen(t.field, t.capacity)));
  for (const IntSetting& i : IntSettings(s)) app.ui.SetCtrlVal(panel, i.control, *i.field);
  const std::string face(platform::FixedView(s.FontName));
  ShowSubtitleFont(app.ui, panel, {face, s.FontSize, static_cast<unsigned>(s.FontColor)});
}

// Nothing is kept while one text is too long for its setting.
bool TextsFit(App& app, int panel) {
  for (const TextSetting& t : TextSettings(app.settings)) {
    if (platform::FitsFixed(t.capacity, ui::AsText(app.ui.GetCtrlVal(panel, t.control)))) continue;
    app.ui.MessagePopup("ERROR", std::string("The ") + t.what + " is too long: at most " +
                                     std::to_string(t.capacity - 1) + " bytes fit.");
    return false;
  }
  const ui::FontChoice font = ReadSubtitleFont(app.ui, panel);
  if (platform::FitsFixed(sizeof app.settings.FontName, font.face)) return true;
  app.ui.MessagePopup("ERROR", "The font name is too long: at most " +
                                   std::to_string(sizeof app.settings.FontName - 1) + " bytes fit.");
  return false;
}

void KeepSettings(App& app, int panel) {
  Settings& s = app.settings;
  for (const TextSetting& t : TextSettings(s))
    platform::CopyFixed(t.field, t.capacity, ui::AsText(app.ui.GetCtrlVal(panel, t.control)));
  for (const IntSetting& i : IntSettings(s)) *i.field = ui::AsInt(app.ui.GetCtrlVal(panel, i.control));
  const ui::FontChoice font = ReadSubtitleFont(app.ui, panel);
  platform::CopyFixed(s.FontName, font.face);
  s.FontSize = font.pointSize;
  s.FontColor = static_cast<int32_t>(font.color);
}

// As at start: the folders the program writes into exist.
void CreateFolders(const Settings& s) {
  for (const std::string& folder : {platform::FixedText(s.TempPath), platform::FixedText(s.OutPath)}) {
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  }
}

// The main window follows the new preferences at once.
void RebuildTargets(App& app) {
  if (app.source.videoCount == 0) return;
  FillMediaList(app, 0);
  FillAudioTargets(app);
  FillSubtitleTargets(app);
  PlanVideoBitrate(app, 0);
}

}  // namespace

void OpenPreferences(App& app) {
  const int panel = app.ui.LoadPanel(app.mainPanel, PANEL_PREF);
  if (panel < 0) return;
  FillLanguageRings(app.ui, panel);
  ShowSettings(app, panel);
  DimSubtitleChoices(app, panel);
  app.ui.InstallPopup(panel);
}

void DimSubtitleChoices(App& app, int panel) {
  const int dimmed = ui::AsInt(app.ui.GetCtrlVal(panel, PANEL_PREF_NO_SUBTITLE)) ? 1 : 0;
  app.ui.SetCtrlAttribute(panel, PANEL_PREF_FORCED, ui::ATTR_DIMMED, dimmed);
  app.ui.SetCtrlAttribute(panel, PANEL_PREF_SUBT, ui::ATTR_DIMMED, dimmed);
}

void SavePreferences(App& app, int panel) {
  if (!TextsFit(app, panel)) return;
  KeepSettings(app, panel);
  app.ui.DiscardPanel(panel);
  SaveSettings(app);
  CreateFolders(app.settings);
  RebuildTargets(app);
}

void CancelPreferences(App& app, int panel) { app.ui.DiscardPanel(panel); }
