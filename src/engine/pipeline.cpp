#include "engine/pipeline.h"

#include <chrono>

#include "engine/job_sequence.h"
#include "shell/app.h"
#include "ui/toolkit.h"

void ArmPipeline(App& app) {
  app.pipeline.Arm(std::chrono::milliseconds(100),
                   [&app] { TimerJobProc(0, 0, ui::EVENT_TIMER_TICK, &app, 0, 0); });
}

void JoinPipeline(App& app) { app.pipeline.Join(); }

int TimerJobProc(int, int, int event, void* data, int, int) {
  if (event == ui::EVENT_TIMER_TICK) RunRunningJob(*static_cast<App*>(data));
  return 0;
}
