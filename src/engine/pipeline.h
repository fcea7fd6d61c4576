#pragma once
// The conversion run of one job: armed by the queue, it runs the job's
// steps one after another on a thread of its own.

struct App;

// Arms the one-shot 0.1 s timer whose run carries job `runningJob` through
// its steps.
void ArmPipeline(App& app);
// Waits for a run that is still winding down (at exit).
void JoinPipeline(App& app);

// The timer's callback (data: the App): on the tick it runs the job at
// `runningJob` from its first missing result to the finished output.
int TimerJobProc(int reserved, int timerId, int event, void* data, int eventData1, int eventData2);
