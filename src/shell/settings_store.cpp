#include "shell/settings_store.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/client_id.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "shell/product.h"
#include "shell/settings_fields.h"
#include "shell/store_errors.h"
#include "uir_ids.h"

namespace {

using platform::kQuandrellKey;
using platform::ReadStatus;

// Reads every value into its field; a value that is missing or longer than
// its read size leaves the field as it was. Tells which of "CRF" and
// "Scrape" do not exist.
void ReadValues(App& app, bool& crfMissing, bool& scrapeMissing) {
  for (const SettingField& f : SettingFieldsInReadOrder(app.settings)) {
    ReadStatus status;
    if (f.text) {
      std::string text;
      status = app.store.ReadString(kQuandrellKey, f.name, f.capacity, text);
      if (status == ReadStatus::Ok) platform::CopyFixed(f.text, f.capacity, text);
    } else {
      int32_t value = 0;
      status = app.store.ReadDword(kQuandrellKey, f.name, value);
      if (status == ReadStatus::Ok) *f.number = value;
    }
    if (std::string(f.name) == "CRF") crfMissing = status == ReadStatus::Missing;
    if (std::string(f.name) == "Scrape") scrapeMissing = status == ReadStatus::Missing;
  }
}

// One save after all repairs: a store that refuses it is told once.
void Repair(App& app, bool crfMissing, bool scrapeMissing) {
  Settings& s = app.settings;
  bool repaired = false;
  auto repair = [&repaired](bool needed) {
    repaired = repaired || needed;
    return needed;
  };
  if (repair(s.CustomMedia == 0)) s.CustomMedia = 8000;
  if (repair(s.Preset[0] == '\0')) platform::CopyFixed(s.Preset, "medium");
  if (repair(s.SoundPath[0] == '\0')) platform::CopyFixed(s.SoundPath, DefaultSoundPath(app.programDir));
  if (repair(s.FontName[0] == '\0')) SetDefaultFont(s);
  if (repair(s.Version[0] == '\0')) {  // written by an older program
    s.ForcedSubtitle = 1;
    s.NoSubtitle = 0;
  }
  if (repair(crfMissing)) s.CRF = 20;
  if (repair(scrapeMissing)) s.Scrape = 1;
  if (repaired) SaveSettings(app);
}

void CreateFolder(const char* path) {
  std::error_code ec;
  if (path[0] && !std::filesystem::exists(path, ec)) std::filesystem::create_directories(path, ec);
}

}  // namespace

void LoadSettings(App& app) {
  if (!app.store.KeyExists(kQuandrellKey)) {
    SetDefaultSettings(app.settings, app.programDir);
    SaveSettings(app);
  } else {
    bool crfMissing = false, scrapeMissing = false;
    ReadValues(app, crfMissing, scrapeMissing);
    Repair(app, crfMissing, scrapeMissing);
  }
  CreateFolder(app.settings.TempPath);
  CreateFolder(app.settings.OutPath);
  app.clientId = platform::ClientId();
  char label[32];
  std::snprintf(label, sizeof label, "%d MB", app.settings.CustomMedia);
  app.ui.ReplaceListItem(app.mainPanel, PANEL_MEDIA, 5, label, app.settings.CustomMedia * 1000000.0);
}

bool SaveSettings(App& app) {
  platform::CopyFixed(app.settings.Version, kProductVersion);
  if (!app.store.Available()) return true;  // the user was told at start
  platform::RegistryStore::Transaction transaction(app.store);
  bool ok = transaction.Ok();
  for (const SettingField& f : SettingFieldsInWriteOrder(app.settings)) {
    if (!ok) break;
    ok = f.text ? app.store.WriteString(kQuandrellKey, f.name, std::string(f.text, strnlen(f.text, f.capacity)))
                : app.store.WriteDword(kQuandrellKey, f.name, *f.number);
  }
  if (ok && transaction.Commit()) return true;
  TellStoreFailure(app, "The settings could not be saved. They apply until Quandrell ends.");
  return false;
}
