#pragma once
// The stored values of the settings: their names, kinds and read sizes,
// in the order they are read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/settings.h"

struct SettingField {
  const char* name;
  char* text;       // text values: the field, its capacity is the read size
  size_t capacity;
  int32_t* number;  // integer values
};

std::vector<SettingField> SettingFieldsInReadOrder(Settings& settings);
// As read, but "CRF" written after "UseFlac".
std::vector<SettingField> SettingFieldsInWriteOrder(Settings& settings);

// Defaults of a first run on this machine.
void SetDefaultSettings(Settings& settings, const std::string& programDir);
void SetDefaultFont(Settings& settings);
std::string DefaultSoundPath(const std::string& programDir);
