#include "shell/startup.h"

#include <signal.h>

#include <atomic>

#include "online/banner.h"
#include "online/version_check.h"
#include "platform/session_signals.h"
#include "platform/single_instance.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "shell/exit_request.h"
#include "shell/main_window_settings.h"
#include "shell/product.h"
#include "shell/settings_store.h"
#include "shell/window_title.h"
#include "uir_ids.h"

namespace {

constexpr double kBannerInterval = 1800.0;  // seconds

void ShowMainWindow(App& app) {
  app.mainPanel = app.ui.LoadPanel(0, PANEL);
  app.ui.SetPanelAttribute(app.mainPanel, ui::ATTR_TITLE, MainWindowTitle(app));
  app.ui.DisplayPanel(app.mainPanel);
}

}  // namespace

int RunMainWindow(App& app, platform::SingleInstance& instance, const std::string& storeError) {
  // From here on the end of the session closes whatever is shown, the
  // refusal of a second copy included.
  platform::SessionSignals session;
  // A signal that comes while a popup shows before the event loop runs
  // (the store's error) is handled in the popup's own loop; the loop must
  // then not start at all.
  std::atomic<bool> ending{false};
  session.Start({SIGTERM, SIGHUP, SIGINT}, [&app, &ending](int) {
    ending = true;
    app.ui.PostDeferredCall([&app] {
      if (app.mainPanel > 0) EndSession(app);
      else app.ui.QuitUserInterface(0);
    });
  });
  if (!instance.Acquire()) {
    app.ui.MessagePopup(kProductName, "Another instance of Quandrell is already running!");
    return 0;
  }
  instance.OnRaiseRequest([&app] { app.ui.PostDeferredCall([&app] { app.ui.RaiseMainWindow(); }); });
  ShowMainWindow(app);
  if (!storeError.empty()) app.ui.MessagePopup("ERROR", storeError);
  LoadSettings(app);
  ApplySettingsToMainWindow(app);
  LoadQueue(app);
  RedrawQueue(app);
  RefreshBanner(app);
  const int bannerTimer = app.ui.NewTimer(kBannerInterval, [&app] { RefreshBanner(app); });
  StartVersionCheck(app);
  if (!ending) app.ui.RunUserInterface();
  session.Stop();
  app.ui.DiscardTimer(bannerTimer);
  return 0;
}
