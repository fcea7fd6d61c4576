#include "shell/option_menus.h"

#include <atomic>

#include "shell/app.h"
#include "shell/scrape_menu.h"
#include "shell/settings_store.h"
#include "shell/window_title.h"

namespace {

void Toggle(App& app, std::atomic<int>& on, int menuBar, int item) {
  on = on ? 0 : 1;
  app.ui.SetMenuBarAttribute(menuBar, item, ui::ATTR_CHECKED, on.load());
}

}  // namespace

void ToggleShutdown(App& app, int menuBar, int item) {
  Toggle(app, app.switches.shutdownWhenDone, menuBar, item);
  app.ui.SetPanelAttribute(app.mainPanel, ui::ATTR_TITLE, MainWindowTitle(app));
}

void ToggleFinishSound(App& app, int menuBar, int item) { Toggle(app, app.switches.playSoundWhenDone, menuBar, item); }

void ToggleDebugMode(App& app, int menuBar, int item) { Toggle(app, app.switches.debugMode, menuBar, item); }

void ChooseScrapeMode(App& app, int menuBar, int item) {
  const int mode = ScrapeModeOfItem(item);
  if (mode < 0) return;
  for (int other = 0; ScrapeMenuItem(other) != 0; ++other)
    app.ui.SetMenuBarAttribute(menuBar, ScrapeMenuItem(other), ui::ATTR_CHECKED, 0);
  app.settings.Scrape = mode;
  app.ui.SetMenuBarAttribute(menuBar, item, ui::ATTR_CHECKED, 1);
  SaveSettings(app);
}
