#pragma once
// The program as a user meets it, without a display: an App on the
// in-memory renderer, with every callback bound, a store and home, cache
// and config folders of its own (XDG_* and HOME point into a temporary
// folder for the harness's lifetime).

#include <memory>
#include <string>

#include "harness/recording_opener.h"
#include "harness/recording_power.h"
#include "harness/temp_dir.h"
#include "shell/app.h"
#include "ui/callback_table.h"
#include "ui/memory/memory_toolkit.h"
#include "ui/uir_model.h"
#include "uir_ids.h"

namespace test {

// The window definition the build placed in the program folder.
const ui::UirModel& WindowDefinition();

class AppHarness {
 public:
  AppHarness();
  ~AppHarness();

  // What start-up does before the event loop: the main window, the
  // settings and the queue.
  void StartMainWindow();

  App& app() { return *app_; }
  ui::memory::MemoryToolkit& ui() { return toolkit_; }
  platform::RegistryStore& store() { return store_; }
  RecordingOpener& opener() { return opener_; }
  RecordingPower& power() { return power_; }
  const TempDir& dir() const { return dir_; }
  int panel() const { return app_->mainPanel; }

 private:
  TempDir dir_;
  ui::CallbackTable callbacks_;
  ui::memory::MemoryToolkit toolkit_;
  platform::RegistryStore store_;
  RecordingOpener opener_;
  RecordingPower power_;
  std::unique_ptr<App> app_;
};

}  // namespace test
