#include "shell/about_box.h"

#include <string>

#include "online/web_server.h"
#include "shell/app.h"
#include "shell/product.h"
#include "uir_ids.h"

void OpenAboutBox(App& app) {
  const int panel = app.ui.LoadPanel(app.mainPanel, PANEL_ABOU);
  if (panel < 0) return;
  app.ui.SetCtrlVal(panel, PANEL_ABOU_VER, std::string("Version ") + kProductVersion);
  app.ui.InstallPopup(panel);
}

void CloseAboutBox(App& app, int panel) { app.ui.DiscardPanel(panel); }

void OpenProductWebPage(App& app) {
  const std::string page = ProductWebPage();
  if (!page.empty()) app.shell.Open(page);
}
