#pragma once
// The preferred-language choices of the preferences dialog.

#include <string>
#include <vector>

struct LanguageChoice {
  std::string label;  // "chi/zho (Chinese)"
  std::string value;  // "chi/zho": what the settings keep
};

// The fifty languages in the order the rings show them.
std::vector<LanguageChoice> LanguageChoices();
