#include <gtest/gtest.h>
#include <stdlib.h>

#include "harness/recording_opener.h"
#include "harness/recording_power.h"
#include "preferences_fixture.h"
#include "shell/main_window_settings.h"
#include "shell/settings_store.h"

namespace {

class OptionMenusTest : public test::PreferencesTest {
 protected:
  std::string Title() { return ui::AsText(ui().GetPanelAttribute(panel(), ui::ATTR_TITLE)); }
};

TEST_F(OptionMenusTest, ShutdownSwitchShowsInTheTitle) {
  const std::string plain = Title();
  EXPECT_EQ(plain.find("SHUTDOWN"), std::string::npos);
  Pick(MENUBAR_OPTIONS_SUTDOWN);
  EXPECT_EQ(Title(), plain + "  *** SHUTDOWN COMPUTER WHEN FINISH ALL JOBS ***");
  EXPECT_TRUE(Checked(MENUBAR_OPTIONS_SUTDOWN));
  EXPECT_EQ(app().switches.shutdownWhenDone, 1);
  Pick(MENUBAR_OPTIONS_SUTDOWN);
  EXPECT_EQ(Title(), plain);
  EXPECT_FALSE(Checked(MENUBAR_OPTIONS_SUTDOWN));
  EXPECT_EQ(app().switches.shutdownWhenDone, 0);
}

TEST_F(OptionMenusTest, SoundAndDebugSwitches) {
  Pick(MENUBAR_OPTIONS_SOUND);
  Pick(MENUBAR_OPTIONS_DEBUG);
  EXPECT_EQ(app().switches.playSoundWhenDone, 1);
  EXPECT_EQ(app().switches.debugMode, 1);
  EXPECT_TRUE(Checked(MENUBAR_OPTIONS_SOUND));
  EXPECT_TRUE(Checked(MENUBAR_OPTIONS_DEBUG));
  Pick(MENUBAR_OPTIONS_DEBUG);
  EXPECT_EQ(app().switches.debugMode, 0);
  EXPECT_FALSE(Checked(MENUBAR_OPTIONS_DEBUG));
  EXPECT_EQ(app().switches.playSoundWhenDone, 1);
  EXPECT_EQ(StoredNumber("Scrape"), 1);  // switches are not settings
}

TEST_F(OptionMenusTest, NamingModeIsKeptAndSurvivesARestart) {
  EXPECT_TRUE(Checked(MENUBAR_OPTIONS_SCRAPE_SCRAPE_1));
  Pick(MENUBAR_OPTIONS_SCRAPE_SCRAPE_4);
  EXPECT_EQ(app().settings.Scrape, 4);
  EXPECT_EQ(StoredNumber("Scrape"), 4);
  EXPECT_TRUE(Checked(MENUBAR_OPTIONS_SCRAPE_SCRAPE_4));
  EXPECT_FALSE(Checked(MENUBAR_OPTIONS_SCRAPE_SCRAPE_1));
  Pick(MENUBAR_OPTIONS_SCRAPE_SCRAPE_6);
  EXPECT_EQ(app().settings.Scrape, 0);
  EXPECT_FALSE(Checked(MENUBAR_OPTIONS_SCRAPE_SCRAPE_4));
  Pick(MENUBAR_OPTIONS_SCRAPE_SCRAPE_4);

  // The next start reads the same store.
  ui::CallbackTable none;
  ui::memory::MemoryToolkit window(test::WindowDefinition(), none);
  test::RecordingOpener opener;
  test::RecordingPower power;
  App restarted(window, h.store(), opener, power, app().programDir);
  restarted.mainPanel = window.LoadPanel(0, PANEL);
  LoadSettings(restarted);
  ApplySettingsToMainWindow(restarted);
  EXPECT_EQ(restarted.settings.Scrape, 4);
  const int bar = window.GetPanelMenuBar(restarted.mainPanel);
  EXPECT_EQ(ui::AsInt(window.GetMenuBarAttribute(bar, MENUBAR_OPTIONS_SCRAPE_SCRAPE_4, ui::ATTR_CHECKED)), 1);
}

TEST_F(OptionMenusTest, AboutBoxAndWebPage) {
  Pick(MENUBAR_HELP_ABOUT);
  const int about = ui().PanelHandle(PANEL_ABOU);
  ASSERT_GT(about, 0);
  EXPECT_TRUE(ui().IsPopupInstalled(about));
  EXPECT_EQ(ui::AsText(ui().GetCtrlVal(about, PANEL_ABOU_VER)), "Version 1.7.1");
  setenv("QUANDRELL_WEB_SERVER", "http://quandrell.example:8080/", 1);
  Press(about, PANEL_ABOU_WEB);
  Pick(MENUBAR_HELP_WEB);
  setenv("QUANDRELL_WEB_SERVER", "", 1);  // no server: nothing opens
  Press(about, PANEL_ABOU_WEB);
  unsetenv("QUANDRELL_WEB_SERVER");
  EXPECT_EQ(h.opener().Opened(),
            (std::vector<std::string>{"http://quandrell.example:8080", "http://quandrell.example:8080"}));
  Press(about, PANEL_ABOU_CLOSE);
  EXPECT_FALSE(ui().PanelExists(about));
}

}  // namespace
