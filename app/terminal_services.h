#pragma once
// What the terminal modes run on: the program's state on the in-memory
// renderer (popups go to standard error and take their default answer),
// the user's store, and the desktop services that apply without a window.

#include <memory>
#include <string>

#include "platform/power.h"
#include "platform/registry_store.h"
#include "platform/shell_open.h"
#include "shell/app.h"
#include "ui/callback_table.h"
#include "ui/memory/memory_toolkit.h"
#include "ui/uir_model.h"

class TerminalServices {
 public:
  explicit TerminalServices(std::string programDir);
  ~TerminalServices();

  // Opens the store, and for a run the window definition its steps show
  // their progress in; a message when that fails.
  std::string Open(bool forRun);
  App& app() { return *app_; }
  ui::memory::MemoryToolkit& ui() { return *toolkit_; }
  const std::string& storePath() const { return store_.Path(); }

 private:
  std::string programDir_;
  ui::UirModel model_;
  ui::CallbackTable callbacks_;
  std::unique_ptr<ui::memory::MemoryToolkit> toolkit_;
  platform::RegistryStore store_;
  platform::XdgOpener opener_;
  platform::LogindPower power_;
  std::unique_ptr<App> app_;
};
