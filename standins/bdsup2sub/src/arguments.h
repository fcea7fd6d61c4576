#pragma once
// bdsup2sub400.jar <in.sup> <out.sup> /fps:keep [/cropy:N] [/res:720p /filter:lanczos3]
// The two files come first (Linux paths start with "/" too); options follow.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bdsup2sub {

struct ArgumentError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Arguments {
  std::string input;
  std::string output;
  std::optional<int> cropLines;  // /cropy:N
  bool to720p = false;           // /res:720p
};

// Throws ArgumentError (the text to print after "ERROR: ") for missing
// files, options this stand-in does not carry out and bad values.
Arguments parseArguments(const std::vector<std::string>& args);

}  // namespace bdsup2sub
