#include "shell/window_definition.h"

#include <filesystem>

#include "uir_ids.h"

std::string LoadWindowDefinition(const std::string& programDir, ui::UirModel& model) {
  const std::string path = (std::filesystem::path(programDir) / "Quandrell.uir").string();
  ui::UirParseResult parsed = ui::LoadUirFile(path);
  if (!parsed.model) return "The window definition is missing or damaged:\n" + parsed.error;
  const auto constants = parsed.model->Constants();
  const size_t expected = sizeof kUirConstants / sizeof kUirConstants[0];
  bool same = constants.size() == expected;
  for (size_t i = 0; same && i < expected; ++i)
    same = constants[i].name == kUirConstants[i].first && constants[i].value == kUirConstants[i].second;
  if (!same) return "The window definition " + path + " does not belong to this version of Quandrell.";
  model = std::move(*parsed.model);
  return "";
}
