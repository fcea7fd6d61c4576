#include "shell/preferences_callbacks.h"

#include "shell/about_box.h"
#include "shell/advanced_dialog.h"
#include "shell/callback_adapters.h"
#include "shell/option_menus.h"
#include "shell/preference_choosers.h"
#include "shell/preferences_dialog.h"

using callbacks::On;
using callbacks::OnPick;

void BindPreferencesCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallSelectTempFolder", On(app, ChooseTempFolder));
  table.Bind("CallSelectOutFolder", On(app, ChooseOutputFolder));
  table.Bind("CallPrefNoSubt", On(app, DimSubtitleChoices));
  table.Bind("CallSelectSoundFile", On(app, ChooseSoundFile));
  table.Bind("CallPlaySound", On(app, PlayChosenSound));
  table.Bind("CallSetFont", On(app, ChooseSubtitleFont));
  table.Bind("CallResetFont", On(app, ResetSubtitleFont));
  table.Bind("CallSettingsSave", On(app, SavePreferences));
  table.Bind("CallSettingsCancel", On(app, CancelPreferences));
  table.Bind("CallAdvanced", On(app, OpenAdvancedOptions));
  table.Bind("CallAdvancedApply", On(app, ApplyAdvancedOptions));
  table.Bind("CallAdvancedCancel", On(app, CancelAdvancedOptions));
  table.Bind("CallAboutClose", On(app, CloseAboutBox));
  table.Bind("CallAboutWebpage", On(app, OpenProductWebPage));
  table.BindMenu("CallMenuSettings", OnPick(app, OpenPreferences));
  table.BindMenu("CallMenuAbout", OnPick(app, OpenAboutBox));
  table.BindMenu("CallMenuWeb", OnPick(app, OpenProductWebPage));
  table.BindMenu("MenuShutdown", OnPick(app, ToggleShutdown));
  table.BindMenu("MenuSound", OnPick(app, ToggleFinishSound));
  table.BindMenu("MenuDebug", OnPick(app, ToggleDebugMode));
  table.BindMenu("MenuScrape", OnPick(app, ChooseScrapeMode));
}
