#include "shell/terminal_run.h"

#include <signal.h>

#include <atomic>

#include "engine/pipeline.h"
#include "platform/session_signals.h"
#include "queue/queue_control.h"
#include "queue/queue_display.h"
#include "queue/queue_store.h"
#include "shell/app.h"
#include "shell/command_options.h"
#include "shell/run_report.h"
#include "shell/settings_store.h"
#include "ui/memory/memory_toolkit.h"
#include "uir_ids.h"

namespace {

class TerminalRun {
 public:
  TerminalRun(App& app, ui::memory::MemoryToolkit& ui, std::ostream& out, bool terminal)
      : app_(app), ui_(ui), report_(app, out, terminal) {}

  int Run() {
    ui_.SetChangeObserver([this](int, int) { Follow(); });
    const int tick = ui_.NewTimer(1.0, [this] { Follow(); });
    platform::SessionSignals signals;
    signals.Start({SIGINT, SIGTERM}, [this](int) { ui_.PostDeferredCall([this] { Stop(); }); });
    StartJobs(app_);
    started_ = true;
    Follow();
    ui_.RunUserInterface();
    signals.Stop();
    ui_.DiscardTimer(tick);
    ui_.SetChangeObserver(nullptr);
    JoinPipeline(app_);  // a stopped run winds down before the summary
    report_.Update();
    report_.Summary();
    if (stopped_) return ExitStoppedBySignal;
    // A save the store refused was told on standard error; the queue did
    // not go on as it should.
    return report_.failed() > 0 || app_.storeFailures > 0 ? ExitJobFailed : ExitAllFinished;
  }

 private:
  // What changed is told; once nothing runs any more, the run is over.
  void Follow() {
    report_.Update();
    if (started_ && app_.runningJob == -1) ui_.QuitUserInterface(0);
  }

  // The first signal stops the running job; a second one while it stops
  // changes nothing.
  void Stop() {
    if (stopped_.exchange(true)) return;
    if (app_.runningJob != -1) StopRunningJob(app_);
    ui_.QuitUserInterface(0);
  }

  App& app_;
  ui::memory::MemoryToolkit& ui_;
  RunReport report_;
  std::atomic<bool> started_{false};
  std::atomic<bool> stopped_{false};
};

}  // namespace

int RunQueueFromTerminal(App& app, ui::memory::MemoryToolkit& ui, std::ostream& out, bool terminal) {
  app.mainPanel = ui.LoadPanel(0, PANEL);
  LoadSettings(app);
  LoadQueue(app);
  RedrawQueue(app);
  return TerminalRun(app, ui, out, terminal).Run();
}
