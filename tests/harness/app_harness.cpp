#include "harness/app_harness.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/callbacks.h"
#include "shell/main_window_settings.h"
#include "shell/settings_store.h"
#include "shell/window_title.h"

namespace test {

namespace {

std::string Prepare(const TempDir& dir) {
  setenv("HOME", (dir / "home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
  std::filesystem::create_directories(dir / "home");
  return platform::RegistryStore::DefaultPath();
}

}  // namespace

const ui::UirModel& WindowDefinition() {
  static const ui::UirModel model = [] {
    auto parsed = ui::LoadUirFile(std::string(QUANDRELL_TEST_PROGRAM_DIR) + "/Quandrell.uir");
    if (!parsed.model) {
      ADD_FAILURE() << parsed.error;
      return ui::UirModel{};
    }
    return *parsed.model;
  }();
  return model;
}

AppHarness::AppHarness()
    : toolkit_(WindowDefinition(), callbacks_), store_(Prepare(dir_)) {
  std::string error;
  EXPECT_TRUE(store_.Open(error)) << error;
  app_ = std::make_unique<App>(toolkit_, store_, opener_, power_, QUANDRELL_TEST_PROGRAM_DIR);
  callbacks_ = BindAllCallbacks(*app_);
}

AppHarness::~AppHarness() = default;

void AppHarness::StartMainWindow() {
  app_->mainPanel = toolkit_.LoadPanel(0, PANEL);
  toolkit_.SetPanelAttribute(app_->mainPanel, ui::ATTR_TITLE, MainWindowTitle(*app_));
  toolkit_.DisplayPanel(app_->mainPanel);
  LoadSettings(*app_);
  ApplySettingsToMainWindow(*app_);
  LoadQueue(*app_);
  RedrawQueue(*app_);
}

}  // namespace test
