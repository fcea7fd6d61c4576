// The window definition: every callback it names is bound and every
// binding is used; the rings stored with the panels hold exactly the
// items and values the program relies on.

#include <gtest/gtest.h>

#include "harness/app_harness.h"
#include "shell/callbacks.h"
#include "ui/uir_model.h"

namespace {

using test::WindowDefinition;

const ui::ControlDef& Control(const std::string& panel, const std::string& name) {
  for (const auto& p : WindowDefinition().panels)
    if (p.name == panel)
      for (const auto& c : p.controls)
        if (c.name == name) return c;
  ADD_FAILURE() << panel << "_" << name << " missing";
  static ui::ControlDef none;
  return none;
}

std::vector<std::pair<std::string, ui::Value>> Items(const ui::ControlDef& c) {
  std::vector<std::pair<std::string, ui::Value>> out;
  for (const auto& item : c.items) out.emplace_back(item.label, item.value);
  return out;
}

TEST(WindowDefinition, EveryCallbackIsBoundAndEveryBindingUsed) {
  test::AppHarness harness;
  ui::CallbackTable table = BindAllCallbacks(harness.app());
  EXPECT_EQ(ui::UnboundCallbacks(WindowDefinition(), table), std::vector<std::string>{});
  EXPECT_EQ(ui::UnusedCallbacks(WindowDefinition(), table), std::vector<std::string>{});
}

TEST(WindowDefinition, HasSevenPanelsAndTwoMenuBars) {
  std::vector<std::pair<std::string, std::string>> panels;
  for (const auto& p : WindowDefinition().panels) panels.emplace_back(p.name, p.title);
  EXPECT_EQ(panels, (std::vector<std::pair<std::string, std::string>>{
                        {"PANEL", "Quandrell v1.0"}, {"PAN_SCAN", "Scan Bitrates"},
                        {"P_ADVANCED", "Advanced Options"}, {"PANEL_PREF", "Settings"},
                        {"PANEL_MULT", "Playlist Selection"}, {"PANEL_ABOU", "About Quandrell"},
                        {"PANEL_WAIT", "Please Wait"}}));
  ASSERT_EQ(WindowDefinition().menuBars.size(), 2u);
  EXPECT_EQ(WindowDefinition().menuBars[0].name, "MENUBAR");
  EXPECT_EQ(WindowDefinition().menuBars[1].name, "MENUL");
}

TEST(WindowDefinition, MainWindowControlsHaveTheirKindsLabelsAndCallbacks) {
  struct Expect {
    const char* name;
    ui::Kind kind;
    const char* label;
    const char* callback;
  };
  const Expect expected[] = {
      {"OPEN_BDMV", ui::Kind::Command, "Open __BD Folder", "CallOpenBDMV"},
      {"OPEN", ui::Kind::Command, "Open __Video File", "CallOpenVideoFile"},
      {"SOURCE", ui::Kind::String, "Source", ""},
      {"S_VIDEO", ui::Kind::Ring, "Video", ""},
      {"S_AUDIO", ui::Kind::Ring, "Audio", "CallSourceAudio"},
      {"S_SUB", ui::Kind::Ring, "Subtitles", "CallSourceSubt"},
      {"SCAN", ui::Kind::Command, "Scan Bit__rates", "CallScanBitrates"},
      {"ADVANCED", ui::Kind::Command, "Adva__nced...", "CallAdvanced"},
      {"AUDIO", ui::Kind::Ring, "Target Audio", "CallAudio"},
      {"SUBT", ui::Kind::Ring, "Target Subtitle", "CallSubt"},
      {"MEDIA", ui::Kind::Ring, "Media", "CallMedia"},
      {"BITRATE", ui::Kind::Numeric, "Video Bitrate", "CallBitrate"},
      {"PRESETS", ui::Kind::Ring, "Speed vs. Quality", ""},
      {"OUT", ui::Kind::String, "AVCHD - MKV Output Folder", ""},
      {"ADD", ui::Kind::Command, "__Add to Queue", "CallAddJob"},
      {"GO", ui::Kind::Command, "__Start Jobs", "CallGo"},
      {"CANCELAR", ui::Kind::Command, "__Cancel Current", "CallCancelJob"},
      {"CLEAR", ui::Kind::Command, "Clear Com__pleted", "CallClear"},
      {"COLA2", ui::Kind::Tree, "", "CallSelectCola"},
      {"UP", ui::Kind::Command, "__Up", "CallUpJob"},
      {"DOWN", ui::Kind::Command, "__Down", "CallDownJob"},
      {"DELETE", ui::Kind::Command, "__Remove", "CallDeleteJob"},
      {"CAPITOLS", ui::Kind::TextBox, "Chapters", ""},
      {"PLAYLIST", ui::Kind::TextMsg, "Duration:", ""},
      {"PLAYLIST_TIME", ui::Kind::TextMsg, "", ""},
      {"INFO", ui::Kind::TextMsg, "", ""},
      {"ESTAT", ui::Kind::TextMsg, "", ""},
      {"BARRA", ui::Kind::Progress, "", ""},
      {"TIMER", ui::Kind::Timer, "", "CallTimerStatus"},
      {"IMDB", ui::Kind::Picture, "IMDb", "CallGoImdb"},
      {"WEBBROWSER", ui::Kind::WebBrowser, "", ""},
      {"SALIR", ui::Kind::Command, "", "CallSalir"},
  };
  for (const auto& e : expected) {
    const auto& c = Control("PANEL", e.name);
    EXPECT_EQ(c.kind, e.kind) << e.name;
    EXPECT_EQ(c.label, e.label) << e.name;
    EXPECT_EQ(c.callback, e.callback) << e.name;
  }
}

TEST(WindowDefinition, MainWindowRingsHoldTheirStoredItems) {
  using Items_ = std::vector<std::pair<std::string, ui::Value>>;
  EXPECT_EQ(Items(Control("PANEL", "MEDIA")),
            (Items_{{"DVD5", 4700372992.0}, {"DVD9", 8543666176.0}, {"USB 4 GB", 4001398784.0},
                    {"BD-25", 25025314816.0}, {"BD Remux", 50050629632.0}, {"custom", 0.0},
                    {"MKV", -1.0}, {"MKV Remux", -1.0}}));
  EXPECT_EQ(Items(Control("PANEL", "AUDIO")),
            (Items_{{"Untouched", 0}, {"AC3 640 Kbps", 640}, {"AC3 448 Kbps", 448}, {"AC3 384 Kbps", 384}}));
  EXPECT_EQ(Items(Control("PANEL", "SUBT")), (Items_{{"None", 0}, {"Selected", 1}, {"Selected forced", 2}}));
  EXPECT_EQ(Items(Control("PANEL", "PRESETS")),
            (Items_{{"ultrafast (high speed)", std::string("ultrafast")}, {"superfast", std::string("superfast")},
                    {"veryfast", std::string("veryfast")}, {"faster", std::string("faster")},
                    {"fast", std::string("fast")}, {"medium", std::string("medium")}, {"slow", std::string("slow")},
                    {"slower", std::string("slower")}, {"veryslow", std::string("veryslow")},
                    {"placebo (high quality)", std::string("placebo")}}));
  for (const char* runtime : {"S_VIDEO", "S_AUDIO", "S_SUB"}) EXPECT_TRUE(Control("PANEL", runtime).items.empty());
}

TEST(WindowDefinition, DialogRingsHoldTheirStoredItems) {
  using Items_ = std::vector<std::pair<std::string, ui::Value>>;
  EXPECT_EQ(Items(Control("P_ADVANCED", "TUNE")),
            (Items_{{"none", std::string("none")}, {"film (default)", std::string("film")},
                    {"animation", std::string("animation")}, {"grain", std::string("grain")},
                    {"stillimage", std::string("stillimage")}, {"psnr", std::string("psnr")},
                    {"ssim", std::string("ssim")}, {"fastdecode", std::string("fastdecode")}}));
  EXPECT_EQ(Items(Control("P_ADVANCED", "CROP")),
            (Items_{{"none  (1920 x 1080)", 0}, {"1.85:1  (1920 x 1040)", 1040}, {"2.20:1 (1920 x 868)", 868},
                    {"2.35:1  (1920 x 816)", 816}, {"2.37:1  (1920 x 808)", 808}, {"2.39:1  (1920 x 804)", 804},
                    {"2.40:1  (1920 x 800)", 800}}));
  EXPECT_EQ(Items(Control("PANEL_PREF", "MEDIA")),
            (Items_{{"DVD5  (4.7 GB)", 0}, {"DVD9  (8.5 GB)", 1}, {"USB  (4.0 GB)", 2}, {"BD-25  (25 GB)", 3},
                    {"BD-50  (only remux)", 4}, {"Custom", 5}, {"MKV  (CRF mode)", 6}, {"MKV (only remux)", 7}}));
  EXPECT_EQ(Control("PANEL_PREF", "PRESETS").items[5].label, "medium (x264 default)");
  EXPECT_EQ(Items(Control("PANEL_PREF", "CRF")),
            (Items_{{"0 (lossless compression)", 0}, {"1 (untouched/only remux)", 1}, {"16.0 (high quality)", 16},
                    {"17.0", 17}, {"18.0", 18}, {"19.0", 19}, {"20.0 (default/medium)", 20}, {"21.0", 21},
                    {"22.0", 22}, {"23.0", 23}, {"24.0", 24}, {"25.0 (high compression)", 25}}));
  EXPECT_EQ(Control("PANEL_PREF", "CRF").label, "Preferred CRF (for MVK output only)");
  EXPECT_EQ(Control("P_ADVANCED", "PARAM").label, "x264 aditional parameters (advanced users)");
  for (const char* runtime : {"AUDIO", "SUBT"}) EXPECT_TRUE(Control("PANEL_PREF", runtime).items.empty());
  EXPECT_TRUE(Control("PANEL_MULT", "PLAYLIST").items.empty());
}

TEST(WindowDefinition, MenusInDisplayOrder) {
  const auto& bar = WindowDefinition().menuBars[0];
  std::vector<std::string> seen;
  for (const auto& menu : bar.menus) {
    seen.push_back(menu.name + " " + menu.label);
    for (const auto& item : menu.items) {
      if (item.separator) {
        seen.push_back("-");
        continue;
      }
      seen.push_back(item.name + " " + item.label + " " + item.callback);
      for (const auto& sub : item.submenu)
        seen.push_back(sub.separator ? "  -" : "  " + sub.name + " " + sub.label + " " + sub.callback);
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "FILE __File", "OPEN_VIDEO Open __Video file... CallMenuOpenVideoFile",
                      "OPEN_BDMV Open __Blu-Ray folder... CallMenuOpenBDfolder", "-", "EXIT __Exit CallMenuExit",
                      "OPTIONS __Options", "SOUND __Play sound when finish a job MenuSound",
                      "SUTDOWN Shut__down computer when finish all jobs MenuShutdown",
                      "DEBUG __Debug mode (show CMD window) MenuDebug", "-", "SCRAPE Scrape movie titles in IMDb ",
                      "  SCRAPE_1 Local Title (year) - Original Title MenuScrape",
                      "  SCRAPE_2 Original Title (year) - Local Title MenuScrape",
                      "  SCRAPE_3 Local Title (year) MenuScrape", "  SCRAPE_4 Original Title (year) MenuScrape",
                      "  SCRAPE_5 Local Title MenuScrape", "  -", "  SCRAPE_6 Untouch (disable scrape) MenuScrape",
                      "-", "SETTINGS __Settings... CallMenuSettings", "HELP __Help", "WEB __Webpage CallMenuWeb", "-",
                      "ABOUT __About Quandrell... CallMenuAbout"}));
}

TEST(WindowDefinitionParser, ReportsTheLineOfAFault) {
  auto parsed = ui::ParseUir("panel P \"t\" size=10,10\n  control A bogus \"x\"\nend\n");
  EXPECT_FALSE(parsed.model);
  EXPECT_EQ(parsed.error, "line 2: unknown control kind \"bogus\"");
  EXPECT_EQ(ui::ParseUir("panel P \"t\n").error, "line 1: unterminated quoted text");
  EXPECT_EQ(ui::ParseUir("panel P \"t\" size=1,1\n").error, "line 1: missing \"end\" at the end of the file");
  EXPECT_FALSE(ui::ParseUir("").model);
}

}  // namespace
