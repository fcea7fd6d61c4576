#pragma once
// Opening a folder, a file or a web address with the user's default
// program, as the desktop does.

#include <string>

namespace platform {

class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual void Open(const std::string& target) = 0;
};

// Hands the target to xdg-open and does not wait for it.
class XdgOpener : public ShellOpener {
 public:
  void Open(const std::string& target) override;
};

}  // namespace platform
