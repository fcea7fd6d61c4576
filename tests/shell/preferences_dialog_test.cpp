#include <gtest/gtest.h>

#include "platform/fixed_text.h"
#include "preferences_fixture.h"

namespace {

using test::Ac3;
using test::DtsHdMa;
using test::Video;

class PreferencesDialogTest : public test::PreferencesTest {};

TEST_F(PreferencesDialogTest, LanguageRingsOfFiftyLanguages) {
  const int dialog = OpenSettings();
  ASSERT_GT(dialog, 0);
  EXPECT_TRUE(ui().IsPopupInstalled(dialog));
  for (int ring : {PANEL_PREF_AUDIO, PANEL_PREF_SUBT}) {
    const auto items = ui().Items(dialog, ring);
    ASSERT_EQ(items.size(), 50u);
    EXPECT_EQ(items[0].label, "eng (English)");
    EXPECT_EQ(ui::AsText(items[0].value), "eng");
    EXPECT_EQ(items[6].label, "chi/zho (Chinese)");
    EXPECT_EQ(ui::AsText(items[6].value), "chi/zho");
    EXPECT_EQ(items[46].label, "tur (Türkçe)");
    EXPECT_EQ(ui::AsText(items[46].value), "tur");
    EXPECT_EQ(items[49].label, "vie (Vietnamese)");
  }
}

TEST_F(PreferencesDialogTest, ChineseIsKeptAsTwoCodes) {
  const int dialog = OpenSettings();
  ui().SetCtrlIndex(dialog, PANEL_PREF_AUDIO, 6);
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_STREQ(app().settings.AudioLang, "chi/zho");
  EXPECT_EQ(StoredText("AudioLang"), "chi/zho");
  EXPECT_FALSE(ui().PanelExists(dialog));
}

TEST_F(PreferencesDialogTest, ShowsEverySettingAndSavesItBack) {
  Settings& s = app().settings;
  s.NoSubtitle = 1;
  s.Media = 5;
  s.CustomMedia = 9000;
  s.CRF = 18;
  s.Down6 = 1;
  platform::CopyFixed(s.Preset, "slow");
  platform::CopyFixed(s.SubtitleLang, "spa");
  const int dialog = OpenSettings();
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_TEMP_FOLDER)), std::string(s.TempPath));
  EXPECT_EQ(ui::AsInt(Get(dialog, PANEL_PREF_MEDIA)), 5);
  EXPECT_EQ(ui::AsInt(Get(dialog, PANEL_PREF_CUSTOM_MEDIA)), 9000);
  EXPECT_EQ(ui::AsInt(Get(dialog, PANEL_PREF_CRF)), 18);
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_PRESETS)), "slow");
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_SUBT)), "spa");
  EXPECT_EQ(ui::AsInt(Get(dialog, PANEL_PREF_DOWN6)), 1);
  // No subtitles dims the subtitle choices, and back.
  EXPECT_EQ(Dimmed(dialog, PANEL_PREF_FORCED), 1);
  EXPECT_EQ(Dimmed(dialog, PANEL_PREF_SUBT), 1);
  ui().SetAndCommit(dialog, PANEL_PREF_NO_SUBTITLE, 0);
  EXPECT_EQ(Dimmed(dialog, PANEL_PREF_FORCED), 0);
  EXPECT_EQ(Dimmed(dialog, PANEL_PREF_SUBT), 0);

  Set(dialog, PANEL_PREF_CUSTOM_MEDIA, 12000);
  Set(dialog, PANEL_PREF_CRF, 22);
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_EQ(s.NoSubtitle, 0);
  EXPECT_EQ(StoredNumber("CustomMedia"), 12000);
  EXPECT_EQ(StoredNumber("CRF"), 22);
  EXPECT_EQ(StoredText("Preset"), "slow");
  EXPECT_EQ(StoredText("SubtitleLang"), "spa");
}

TEST_F(PreferencesDialogTest, CancelKeepsNothing) {
  const int dialog = OpenSettings();
  Set(dialog, PANEL_PREF_CUSTOM_MEDIA, 1);
  Press(dialog, PANEL_PREF_CANCEL);
  EXPECT_FALSE(ui().PanelExists(dialog));
  EXPECT_EQ(app().settings.CustomMedia, 8000);
  EXPECT_EQ(StoredNumber("CustomMedia"), 8000);
}

TEST_F(PreferencesDialogTest, ResetFontThenSave) {
  Settings& s = app().settings;
  platform::CopyFixed(s.FontName, "Serif");
  s.FontSize = 40;
  s.FontColor = 0x0000FF00;
  s.FontBorder = 5;
  s.FontBottomOffset = 10;
  const int dialog = OpenSettings();
  EXPECT_EQ(ui::AsText(Cell(dialog, 1)), "Serif");
  EXPECT_EQ(ui::AsText(Cell(dialog, 3)), "0x0000FF00");
  EXPECT_EQ(CellColor(dialog), 0x00FF00);
  Press(dialog, PANEL_PREF_RESET);
  EXPECT_EQ(CellColor(dialog), 0xFFFFFF);
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_EQ(StoredText("FontName"), "Arial");
  EXPECT_EQ(StoredNumber("FontSize"), 65);
  EXPECT_EQ(StoredNumber("FontColor"), 0x00FFFFFF);
  EXPECT_EQ(StoredNumber("FontBorder"), 2);
  EXPECT_EQ(StoredNumber("FontBottomOffset"), 24);
}

TEST_F(PreferencesDialogTest, FontDialogStartsFromTheTableAndFillsIt) {
  const int dialog = OpenSettings();
  ui().Script().ChooseFont({"DejaVu Sans", 48, 0x000000FF});  // red
  Press(dialog, PANEL_PREF_FONT);
  EXPECT_EQ(ui().Popups().back().kind, ui::memory::PopupRecord::Font);
  EXPECT_EQ(ui().Popups().back().message, "Arial");
  EXPECT_EQ(ui::AsText(Cell(dialog, 1)), "DejaVu Sans");
  EXPECT_EQ(ui::AsInt(Cell(dialog, 2)), 48);
  EXPECT_EQ(ui::AsText(Cell(dialog, 3)), "0x000000FF");
  EXPECT_EQ(CellColor(dialog), 0xFF0000);
  Press(dialog, PANEL_PREF_FONT);  // cancelled: nothing changes
  EXPECT_EQ(ui::AsText(Cell(dialog, 1)), "DejaVu Sans");
  ui().SetTableCellVal(dialog, PANEL_PREF_SUBS, 3, 1, std::string("white"));
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_EQ(app().settings.FontSize, 48);
  EXPECT_EQ(app().settings.FontColor, 0);  // a colour that does not parse
}

TEST_F(PreferencesDialogTest, FolderAndSoundChoosers) {
  const int dialog = OpenSettings();
  const std::string temp = app().settings.TempPath;
  ui().Script().Choose("/srv/scratch");
  Press(dialog, PANEL_PREF_OPEN_TEMP);
  EXPECT_EQ(ui().Popups().back().title, "Select a temporary folder:");
  EXPECT_EQ(ui().Popups().back().message, temp);
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_TEMP_FOLDER)), "/srv/scratch");
  Press(dialog, PANEL_PREF_OPEN_OUT);  // cancelled
  EXPECT_EQ(ui().Popups().back().title, "Select a folder for output:");
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_OUT_FOLDER)), std::string(app().settings.OutPath));

  ui().Script().Choose("/sounds/done.wav");
  Press(dialog, PANEL_PREF_OPEN_SOUND);
  EXPECT_EQ(ui().Popups().back().title, "Select a Sound File");
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_SOUND)), "/sounds/done.wav");
  Press(dialog, PANEL_PREF_OPEN_SOUND);  // cancelled: the sound stays
  EXPECT_EQ(ui::AsText(Get(dialog, PANEL_PREF_SOUND)), "/sounds/done.wav");
  Press(dialog, PANEL_PREF_PLAY_SOUND);
  EXPECT_EQ(*played, (std::vector<std::string>{"/sounds/done.wav"}));
  EXPECT_EQ(app().settings.TempPath, temp);  // nothing kept before Save
}

TEST_F(PreferencesDialogTest, SaveCreatesTheChosenFolders) {
  const int dialog = OpenSettings();
  const std::string temp = h.dir() / "new/temp";
  Set(dialog, PANEL_PREF_TEMP_FOLDER, temp);
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_TRUE(std::filesystem::is_directory(temp));
  EXPECT_EQ(StoredText("TempPath"), temp);
}

TEST_F(PreferencesDialogTest, ATooLongFolderIsNotSaved) {
  const std::string before = app().settings.OutPath, stored = StoredText("OutPath");
  const int dialog = OpenSettings();
  Set(dialog, PANEL_PREF_OUT_FOLDER, "/" + std::string(259, 'o'));
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_EQ(ui().Popups().back().title, "ERROR");
  EXPECT_EQ(ui().Popups().back().message, "The output folder is too long: at most 259 bytes fit.");
  EXPECT_TRUE(ui().PanelExists(dialog));
  EXPECT_EQ(app().settings.OutPath, before);
  EXPECT_EQ(StoredText("OutPath"), stored);
}

TEST_F(PreferencesDialogTest, SavingRebuildsTheTargetsOfTheOpenSource) {
  Add(Video(1920, 1080));
  Add(Ac3(448, "eng"));
  Add(DtsHdMa(1509, "fre"));
  Open();
  EXPECT_EQ(Value(PANEL_S_AUDIO), 0);
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "Untouched");
  const int dialog = OpenSettings();
  Set(dialog, PANEL_PREF_AUDIO, std::string("fre/fra"));
  Set(dialog, PANEL_PREF_MEDIA, 1);
  Press(dialog, PANEL_PREF_SAVE);
  EXPECT_EQ(Value(PANEL_S_AUDIO), 1);
  EXPECT_EQ(ChosenLabel(PANEL_MEDIA), "DVD9");
  EXPECT_EQ(ChosenLabel(PANEL_AUDIO), "DTS Core");
  EXPECT_EQ(Value(PANEL_BITRATE), 7376);
}

}  // namespace
