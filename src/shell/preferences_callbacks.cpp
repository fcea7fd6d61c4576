#include "shell/preferences_callbacks.h"

#include "shell/about_box.h"
#include "shell/advanced_dialog.h"
#include "shell/app.h"
#include "shell/option_menus.h"
#include "shell/preference_choosers.h"
#include "shell/preferences_dialog.h"

namespace {

// A button of a dialog, acting on its commit event with the dialog's handle.
ui::CtrlCallback OnCommit(App& app, void (*action)(App&, int panel)) {
  return [&app, action](int panel, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) action(app, panel);
    return 0;
  };
}

ui::CtrlCallback OnCommit(App& app, void (*action)(App&)) {
  return [&app, action](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_COMMIT) action(app);
    return 0;
  };
}

ui::MenuCallback OnPick(App& app, void (*action)(App&)) {
  return [&app, action](int, int, void*, int) { action(app); };
}

ui::MenuCallback OnPick(App& app, void (*action)(App&, int menuBar, int item)) {
  return [&app, action](int menuBar, int item, void*, int) { action(app, menuBar, item); };
}

}  // namespace

void BindPreferencesCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallSelectTempFolder", OnCommit(app, ChooseTempFolder));
  table.Bind("CallSelectOutFolder", OnCommit(app, ChooseOutputFolder));
  table.Bind("CallPrefNoSubt", OnCommit(app, DimSubtitleChoices));
  table.Bind("CallSelectSoundFile", OnCommit(app, ChooseSoundFile));
  table.Bind("CallPlaySound", OnCommit(app, PlayChosenSound));
  table.Bind("CallSetFont", OnCommit(app, ChooseSubtitleFont));
  table.Bind("CallResetFont", OnCommit(app, ResetSubtitleFont));
  table.Bind("CallSettingsSave", OnCommit(app, SavePreferences));
  table.Bind("CallSettingsCancel", OnCommit(app, CancelPreferences));
  table.Bind("CallAdvanced", OnCommit(app, OpenAdvancedOptions));
  table.Bind("CallAdvancedApply", OnCommit(app, ApplyAdvancedOptions));
  table.Bind("CallAdvancedCancel", OnCommit(app, CancelAdvancedOptions));
  table.Bind("CallAboutClose", OnCommit(app, CloseAboutBox));
  table.Bind("CallAboutWebpage", OnCommit(app, OpenProductWebPage));
  table.BindMenu("CallMenuSettings", OnPick(app, OpenPreferences));
  table.BindMenu("CallMenuAbout", OnPick(app, OpenAboutBox));
  table.BindMenu("CallMenuWeb", OnPick(app, OpenProductWebPage));
  table.BindMenu("MenuShutdown", OnPick(app, ToggleShutdown));
  table.BindMenu("MenuSound", OnPick(app, ToggleFinishSound));
  table.BindMenu("MenuDebug", OnPick(app, ToggleDebugMode));
  table.BindMenu("MenuScrape", OnPick(app, ChooseScrapeMode));
}
