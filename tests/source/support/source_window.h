#pragma once
// The main window with folders of its own for the temporary and output
// files, the fake eac3to, and a title lookup site that finds nothing
// unless a test serves a page.

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "harness/app_harness.h"
#include "platform/fixed_text.h"
#include "support/fake_eac3to.h"
#include "harness/local_http_server.h"

namespace test {

class SourceWindow {
 public:
  SourceWindow() {
    setenv("QUANDRELL_IMDB_URL", site.Address().c_str(), 1);
    harness.StartMainWindow();
    std::filesystem::create_directories(harness.dir() / "temp");
    platform::CopyFixed(app().settings.TempPath, harness.dir() / "temp");
    platform::CopyFixed(app().settings.OutPath, harness.dir() / "out");
    app().settings.Scrape = 0;
  }
  ~SourceWindow() { unsetenv("QUANDRELL_IMDB_URL"); }

  App& app() { return harness.app(); }
  SourceInfo& source() { return harness.app().source; }
  ui::memory::MemoryToolkit& ui() { return harness.ui(); }
  int panel() { return harness.panel(); }
  std::string Text(int control) { return ui::AsText(ui().GetCtrlVal(panel(), control)); }
  int Attribute(int control, ui::Attr attr) { return ui::AsInt(ui().GetCtrlAttribute(panel(), control, attr)); }
  std::string Out(const std::string& name) { return harness.dir() / ("out/" + name); }
  void Click(int control) { ui().FireCtrlEvent(panel(), control, ui::EVENT_COMMIT); }

  FakeEac3to eac3to;
  LocalHttpServer site;
  AppHarness harness;
};

}  // namespace test
