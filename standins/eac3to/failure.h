#pragma once

#include <stdexcept>
#include <string>

namespace eac3to {

// A failure the user must read: main() writes it as an "<ERROR>" line and
// exits non-zero. Everything that cannot honour the command line throws it.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace eac3to
