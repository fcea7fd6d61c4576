#include "engine/step_signals.h"

#include "engine/job_run.h"
#include "engine/judge.h"
#include "shell/app.h"
#include "uir_ids.h"

bool BeginToolStep(JobRun& run, int32_t state, const std::string& label) {
  App& app = run.app;
  SetProgressBar(app, 0);
  SetProgressLabel(app, label);
  if (run.state != state && !AdvanceState(run, state)) {
    EndIfAborted(run);
    return false;
  }
  app.taskbar->SetState(platform::TaskbarState::Indeterminate);
  app.tool.firstProgress = 1;
  return !EndIfAborted(run);
}

void SetProgressBar(App& app, int value) { app.ui.SetCtrlVal(app.mainPanel, PANEL_BARRA, value); }

void SetProgressLabel(App& app, const std::string& label) {
  app.ui.SetCtrlAttribute(app.mainPanel, PANEL_BARRA, ui::ATTR_LABEL_TEXT, label);
}

std::string ProgressLabel(App& app) {
  return ui::AsText(app.ui.GetCtrlAttribute(app.mainPanel, PANEL_BARRA, ui::ATTR_LABEL_TEXT));
}

void SetStatusLine(App& app, const std::string& text) { app.ui.SetCtrlVal(app.mainPanel, PANEL_ESTAT, text); }

void ClearStatusLine(App& app) { SetStatusLine(app, ""); }
