// Build tool: writes the C++ constants of the window definition, so that
// code names panels, controls and menu items the way the definition does.

#include <fstream>
#include <iostream>

#include "ui/uir_model.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: uirgen <definition.uir> <output.h>\n";
    return 2;
  }
  ui::UirParseResult parsed = ui::LoadUirFile(argv[1]);
  if (!parsed.model) {
    std::cerr << parsed.error << "\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::trunc);
  out << "#pragma once\n// Generated from " << argv[1] << " by uirgen. Do not edit.\n\n"
      << "#include <utility>\n\n";
  const auto constants = parsed.model->Constants();
  for (const auto& c : constants) out << "inline constexpr int " << c.name << " = " << c.value << ";\n";
  out << "\n// Every constant, to check at start-up that the installed definition\n"
      << "// is the one this program was built with.\n"
      << "inline constexpr std::pair<const char*, int> kUirConstants[] = {\n";
  for (const auto& c : constants) out << "    {\"" << c.name << "\", " << c.value << "},\n";
  out << "};\n";
  return out.good() ? 0 : 1;
}
