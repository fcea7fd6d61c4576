// Settings: a first run writes all 23 values in order and makes both
// folders; older stores are repaired value by value; a value longer than
// its read size fails to read as it would on Windows.

#include <gtest/gtest.h>

#include <filesystem>

#include "harness/app_harness.h"
#include "platform/fixed_text.h"
#include "shell/settings_store.h"
#include <sqlite3.h>

namespace {

using platform::kQuandrellKey;

std::vector<std::string> StoredNamesInWriteOrder(const std::string& dbPath) {
  sqlite3* db = nullptr;
  sqlite3_open(dbPath.c_str(), &db);
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, "SELECT name FROM registry_values ORDER BY rowid", -1, &s, nullptr);
  std::vector<std::string> names;
  while (sqlite3_step(s) == SQLITE_ROW) names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
  sqlite3_finalize(s);
  sqlite3_close(db);
  return names;
}

int32_t StoredInt(test::AppHarness& h, const char* name) {
  int32_t value = -12345;
  h.store().ReadDword(kQuandrellKey, name, value);
  return value;
}

// A store written by an older program: every value but the ones named.
void WriteOlderStore(test::AppHarness& h, std::initializer_list<std::string> missing) {
  auto has = [&](const std::string& n) { return std::find(missing.begin(), missing.end(), n) == missing.end(); };
  auto& s = h.store();
  for (const char* n : {"TempPath", "OutPath"}) if (has(n)) s.WriteString(kQuandrellKey, n, h.dir() / n);
  for (const char* n : {"AudioLang", "SubtitleLang"}) if (has(n)) s.WriteString(kQuandrellKey, n, "spa");
  if (has("Preset")) s.WriteString(kQuandrellKey, "Preset", "slow");
  if (has("SoundPath")) s.WriteString(kQuandrellKey, "SoundPath", "/tmp/x.wav");
  if (has("FontName")) s.WriteString(kQuandrellKey, "FontName", "Verdana");
  if (has("Version")) s.WriteString(kQuandrellKey, "Version", "1.6.0");
  for (const char* n : {"ForcedSubtitle", "NoSubtitle", "Media", "NoWeightp", "FontSize", "FontColor", "FontBorder",
                        "FontBottomOffset", "UseArcsoft", "Down16", "Down6", "UseFlac"})
    if (has(n)) s.WriteDword(kQuandrellKey, n, 0);
  if (has("CustomMedia")) s.WriteDword(kQuandrellKey, "CustomMedia", 4400);
  if (has("CRF")) s.WriteDword(kQuandrellKey, "CRF", 18);
  if (has("Scrape")) s.WriteDword(kQuandrellKey, "Scrape", 3);
}

TEST(Settings, FirstRunWritesEveryValueInOrderAndMakesTheFolders) {
  test::AppHarness h;
  h.StartMainWindow();
  EXPECT_EQ(StoredNamesInWriteOrder(h.store().Path()),
            (std::vector<std::string>{"TempPath", "OutPath", "AudioLang", "SubtitleLang", "ForcedSubtitle",
                                      "NoSubtitle", "Media", "CustomMedia", "Preset", "NoWeightp", "SoundPath",
                                      "FontName", "FontSize", "FontColor", "FontBorder", "FontBottomOffset",
                                      "Version", "UseArcsoft", "Down16", "Down6", "UseFlac", "CRF", "Scrape"}));
  const Settings& s = h.app().settings;
  EXPECT_EQ(std::string(s.TempPath), h.dir() / "cache/Quandrell");
  EXPECT_EQ(std::string(s.OutPath), h.dir() / "home/AVCHD");
  EXPECT_TRUE(std::filesystem::is_directory(s.TempPath));
  EXPECT_TRUE(std::filesystem::is_directory(s.OutPath));
  EXPECT_EQ(std::string(s.SoundPath), std::string(QUANDRELL_TEST_PROGRAM_DIR) + "/Finish.wav");
  EXPECT_EQ(StoredInt(h, "FontColor"), 0x00FFFFFF);
  EXPECT_EQ(StoredInt(h, "ForcedSubtitle"), 1);
  EXPECT_EQ(h.ui().GetLabelFromIndex(h.panel(), PANEL_MEDIA, 5), "8000 MB");
  EXPECT_EQ(ui::AsDouble(h.ui().GetValueFromIndex(h.panel(), PANEL_MEDIA, 5)), 8000e6);
  std::string version;
  h.store().ReadString(kQuandrellKey, "Version", 8, version);
  EXPECT_EQ(version, "1.7.1");
}

TEST(Settings, OlderStoreWithoutCrfAndScrapeIsRepairedAndSaved) {
  test::AppHarness h;
  WriteOlderStore(h, {"CRF", "Scrape"});
  h.StartMainWindow();
  EXPECT_EQ(h.app().settings.CRF, 20);
  EXPECT_EQ(h.app().settings.Scrape, 1);
  EXPECT_EQ(StoredInt(h, "CRF"), 20);
  EXPECT_EQ(StoredInt(h, "Scrape"), 1);
  EXPECT_EQ(h.app().settings.ForcedSubtitle, 0);  // "Version" was there: no reset
  EXPECT_EQ(std::string(h.app().settings.Preset), "slow");
}

TEST(Settings, OlderStoreWithoutVersionPrefersForcedSubtitles) {
  test::AppHarness h;
  WriteOlderStore(h, {"Version"});
  h.StartMainWindow();
  EXPECT_EQ(h.app().settings.ForcedSubtitle, 1);
  EXPECT_EQ(h.app().settings.NoSubtitle, 0);
  EXPECT_EQ(StoredInt(h, "ForcedSubtitle"), 1);
  EXPECT_EQ(h.app().settings.CRF, 18);
  EXPECT_EQ(h.app().settings.Scrape, 3);
}

TEST(Settings, OnlyAMissingCrfIsRepairedAndCustomMediaZeroBecomes8000) {
  test::AppHarness h;
  WriteOlderStore(h, {});
  h.store().WriteDword(kQuandrellKey, "CRF", 0);
  h.store().WriteDword(kQuandrellKey, "CustomMedia", 0);
  h.StartMainWindow();
  EXPECT_EQ(h.app().settings.CRF, 0);
  EXPECT_EQ(h.app().settings.CustomMedia, 8000);
  EXPECT_EQ(StoredInt(h, "CustomMedia"), 8000);
  EXPECT_EQ(h.ui().GetLabelFromIndex(h.panel(), PANEL_MEDIA, 5), "8000 MB");
}

TEST(Settings, EmptyTextsAreRepairedEachWithItsDefaults) {
  test::AppHarness h;
  WriteOlderStore(h, {});
  for (const char* name : {"Preset", "SoundPath", "FontName"}) h.store().WriteString(kQuandrellKey, name, "");
  h.StartMainWindow();
  const Settings& s = h.app().settings;
  EXPECT_EQ(std::string(s.Preset), "medium");
  EXPECT_EQ(std::string(s.SoundPath), std::string(QUANDRELL_TEST_PROGRAM_DIR) + "/Finish.wav");
  EXPECT_EQ(std::string(s.FontName), "Arial");
  EXPECT_EQ(s.FontSize, 65);
  EXPECT_EQ(s.FontColor, 0x00FFFFFF);
  EXPECT_EQ(s.FontBorder, 2);
  EXPECT_EQ(s.FontBottomOffset, 24);
}

TEST(Settings, ATextLongerThanItsReadSizeFailsAndTheFieldKeepsItsContent) {
  test::AppHarness h;
  WriteOlderStore(h, {});
  h.store().WriteString(kQuandrellKey, "AudioLang", "english");  // 8 bytes with the terminator: fits
  h.store().WriteString(kQuandrellKey, "SubtitleLang", "japanese");  // 9 bytes: does not
  platform::CopyFixed(h.app().settings.SubtitleLang, "kor");
  h.StartMainWindow();
  EXPECT_EQ(std::string(h.app().settings.AudioLang), "english");
  EXPECT_EQ(std::string(h.app().settings.SubtitleLang), "kor");
}

TEST(Settings, MkvMediaTurnsTheBitrateBoxIntoACrfBox) {
  test::AppHarness h;
  WriteOlderStore(h, {});
  h.store().WriteDword(kQuandrellKey, "Media", 6);
  h.store().WriteDword(kQuandrellKey, "CRF", 22);
  h.StartMainWindow();
  EXPECT_EQ(ui::AsText(h.ui().GetCtrlAttribute(h.panel(), PANEL_BITRATE, ui::ATTR_LABEL_TEXT)), "     CRF     ");
  EXPECT_EQ(ui::AsInt(h.ui().GetCtrlVal(h.panel(), PANEL_BITRATE)), 22);
  EXPECT_EQ(h.ui().GetCtrlIndex(h.panel(), PANEL_MEDIA), 6);
  EXPECT_EQ(ui::AsText(h.ui().GetCtrlVal(h.panel(), PANEL_PRESETS)), "slow");
  const int bar = h.ui().GetPanelMenuBar(h.panel());
  EXPECT_EQ(ui::AsInt(h.ui().GetMenuBarAttribute(bar, MENUBAR_OPTIONS_SCRAPE_SCRAPE_3, ui::ATTR_CHECKED)), 1);
}

TEST(Settings, MkvRemuxDimsTheBitrateBoxAtOne) {
  test::AppHarness h;
  WriteOlderStore(h, {});
  h.store().WriteDword(kQuandrellKey, "Media", 7);
  h.store().WriteDword(kQuandrellKey, "Scrape", 0);
  h.StartMainWindow();
  EXPECT_EQ(ui::AsInt(h.ui().GetCtrlAttribute(h.panel(), PANEL_BITRATE, ui::ATTR_DIMMED)), 1);
  EXPECT_EQ(ui::AsInt(h.ui().GetCtrlVal(h.panel(), PANEL_BITRATE)), 1);
  const int bar = h.ui().GetPanelMenuBar(h.panel());
  EXPECT_EQ(ui::AsInt(h.ui().GetMenuBarAttribute(bar, MENUBAR_OPTIONS_SCRAPE_SCRAPE_6, ui::ATTR_CHECKED)), 1);
}

}  // namespace
