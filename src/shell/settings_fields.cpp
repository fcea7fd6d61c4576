#include "shell/settings_fields.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/fixed_text.h"
#include "shell/product.h"

namespace {

template <size_t N>
SettingField Text(const char* name, char (&field)[N]) {
  return {name, field, N, nullptr};
}

SettingField Number(const char* name, int32_t& field) { return {name, nullptr, 4, &field}; }

std::filesystem::path Home() {
  const char* home = std::getenv("HOME");
  return home && *home ? std::filesystem::path(home) : std::filesystem::path("/tmp");
}

std::string DefaultTempPath() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  std::filesystem::path base = cache && *cache ? std::filesystem::path(cache) : Home() / ".cache";
  return (base / kProductName).string();
}

}  // namespace

std::vector<SettingField> SettingFieldsInReadOrder(Settings& s) {
  return {Text("TempPath", s.TempPath),     Text("OutPath", s.OutPath),
          Text("AudioLang", s.AudioLang),   Text("SubtitleLang", s.SubtitleLang),
          Number("ForcedSubtitle", s.ForcedSubtitle), Number("NoSubtitle", s.NoSubtitle),
          Number("Media", s.Media),         Number("CustomMedia", s.CustomMedia),
          Text("Preset", s.Preset),         Number("NoWeightp", s.NoWeightp),
          Text("SoundPath", s.SoundPath),   Text("FontName", s.FontName),
          Number("FontSize", s.FontSize),   Number("FontColor", s.FontColor),
          Number("FontBorder", s.FontBorder), Number("FontBottomOffset", s.FontBottomOffset),
          Text("Version", s.Version),       Number("UseArcsoft", s.UseArcsoft),
          Number("CRF", s.CRF),             Number("Down16", s.Down16),
          Number("Down6", s.Down6),         Number("UseFlac", s.UseFlac),
          Number("Scrape", s.Scrape)};
}

std::vector<SettingField> SettingFieldsInWriteOrder(Settings& s) {
  auto fields = SettingFieldsInReadOrder(s);
  auto crf = fields.begin() + 18;         // "CRF"
  std::rotate(crf, crf + 1, crf + 4);  // "Down16", "Down6", "UseFlac", "CRF", "Scrape"
  return fields;
}

void SetDefaultFont(Settings& s) {
  platform::CopyFixed(s.FontName, "Arial");
  s.FontSize = 65;
  s.FontColor = 0x00FFFFFF;
  s.FontBorder = 2;
  s.FontBottomOffset = 24;
}

std::string DefaultSoundPath(const std::string& programDir) {
  return (std::filesystem::path(programDir) / "Finish.wav").string();
}

void SetDefaultSettings(Settings& s, const std::string& programDir) {
  s = Settings{};
  platform::CopyFixed(s.TempPath, DefaultTempPath());
  platform::CopyFixed(s.OutPath, (Home() / "AVCHD").string());
  platform::CopyFixed(s.AudioLang, "eng");
  platform::CopyFixed(s.SubtitleLang, "eng");
  s.ForcedSubtitle = 1;
  s.CustomMedia = 8000;
  platform::CopyFixed(s.Preset, "medium");
  platform::CopyFixed(s.SoundPath, DefaultSoundPath(programDir));
  SetDefaultFont(s);
  platform::CopyFixed(s.Version, kProductVersion);
  s.UseArcsoft = 1;
  s.CRF = 20;
  s.Scrape = 1;
}
