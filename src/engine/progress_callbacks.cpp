#include "engine/progress_callbacks.h"

#include <algorithm>

#include "engine/progress_parsers.h"
#include "engine/step_signals.h"
#include "shell/app.h"

namespace {

constexpr int kChunkBytes = 500;

// What the tool printed since the last tick, at most 500 bytes of it;
// nothing is carried over between ticks.
std::string ReadChunk(App& app) {
  const int available = app.tool.process.Peek();
  if (available <= 0) return "";
  return ChunkText(app.tool.process.Read(static_cast<size_t>(std::min(available, kChunkBytes))));
}

void Show(App& app, const ProgressReading& reading) {
  SetStatusLine(app, reading.status);
  SetProgressBar(app, reading.value);
  if (app.tool.firstProgress) app.taskbar->SetState(platform::TaskbarState::Normal);
  app.taskbar->SetValue(reading.value, 1000);
  app.tool.firstProgress = 0;
}

ProgressReading ReadProgress(App& app, int32_t state, int frameCount) {
  switch (state) {
    case JobDemuxing: {
      const ProgressReading reading = ReadEac3toChunk(ReadChunk(app));
      if (reading.secondPass) SetProgressLabel(app, ProgressLabel(app) + " (2nd pass)...");
      return reading;
    }
    case JobX264Pass1:
    case JobX264Pass2:
    case JobX264Crf: return ReadX264Title(app.tool.process.ConsoleTitle(), frameCount);
    case JobTsMuxer: return ReadTsMuxerChunk(ReadChunk(app));
    case JobMkvMerge: return ReadMkvmergeChunk(ReadChunk(app));
    default: return {};
  }
}

}  // namespace

void ShowToolProgress(App& app) {
  const int slot = app.runningJob.load();
  if (slot < 0 || slot >= kQueueSlots) return;
  const Job& job = app.queue[slot];
  const ProgressReading reading = ReadProgress(app, LoadState(job), job.frameCount);
  if (reading.show) Show(app, reading);
}

void BindProgressCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallTimerStatus", [&app](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_TIMER_TICK) ShowToolProgress(app);
    return 0;
  });
}
