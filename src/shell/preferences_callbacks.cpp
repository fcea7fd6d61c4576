#include "shell/preferences_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindPreferencesCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallSelectTempFolder", ui::NoOpControl());
  table.Bind("CallSelectOutFolder", ui::NoOpControl());
  table.Bind("CallPrefNoSubt", ui::NoOpControl());
  table.Bind("CallSelectSoundFile", ui::NoOpControl());
  table.Bind("CallPlaySound", ui::NoOpControl());
  table.Bind("CallSetFont", ui::NoOpControl());
  table.Bind("CallResetFont", ui::NoOpControl());
  table.Bind("CallSettingsSave", ui::NoOpControl());
  table.Bind("CallSettingsCancel", ui::NoOpControl());
  table.Bind("CallAdvanced", ui::NoOpControl());
  table.Bind("CallAdvancedApply", ui::NoOpControl());
  table.Bind("CallAdvancedCancel", ui::NoOpControl());
  table.Bind("CallAboutClose", ui::NoOpControl());
  table.Bind("CallAboutWebpage", ui::NoOpControl());
  table.BindMenu("CallMenuSettings", ui::NoOpMenu());
  table.BindMenu("CallMenuAbout", ui::NoOpMenu());
  table.BindMenu("CallMenuWeb", ui::NoOpMenu());
  table.BindMenu("MenuShutdown", ui::NoOpMenu());
  table.BindMenu("MenuSound", ui::NoOpMenu());
  table.BindMenu("MenuDebug", ui::NoOpMenu());
  table.BindMenu("MenuScrape", ui::NoOpMenu());
}
