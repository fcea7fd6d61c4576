#include "shell/main_window_settings.h"

#include "shell/app.h"
#include "shell/scrape_menu.h"
#include "uir_ids.h"

void ApplySettingsToMainWindow(App& app) {
  ui::Toolkit& ui = app.ui;
  const Settings& s = app.settings;
  const int panel = app.mainPanel;
  ui.SetCtrlIndex(panel, PANEL_MEDIA, s.Media);
  ui.SetCtrlVal(panel, PANEL_PRESETS, std::string(s.Preset));
  if (s.Media == 6) {
    ui.SetCtrlAttribute(panel, PANEL_BITRATE, ui::ATTR_LABEL_TEXT, std::string("     CRF     "));
    ui.SetCtrlVal(panel, PANEL_BITRATE, s.CRF);
  } else if (s.Media == 7) {
    ui.SetCtrlAttribute(panel, PANEL_BITRATE, ui::ATTR_DIMMED, 1);
    ui.SetCtrlVal(panel, PANEL_BITRATE, 1);
  }
  if (int item = ScrapeMenuItem(s.Scrape))
    ui.SetMenuBarAttribute(ui.GetPanelMenuBar(panel), item, ui::ATTR_CHECKED, 1);
}
