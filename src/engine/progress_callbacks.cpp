#include "engine/progress_callbacks.h"

#include <algorithm>

#include "engine/progress_parsers.h"
#include "engine/step_signals.h"
#include "shell/app.h"

namespace {

constexpr size_t kChunkBytes = 500;

// The tool's output is drained as it comes; each tick looks at what came
// since the last one, at most its last 500 bytes as on Windows. The
// parsers take the first progress they find in a chunk, so the chunk is
// tried from the line end before each line, newest line first: in a burst
// the newest progress is the one shown. Nothing is carried over.
ProgressReading NewestReading(std::string_view output, ProgressReading (*parse)(std::string_view)) {
  const std::string_view tail = output.substr(output.size() - std::min(output.size(), kChunkBytes));
  for (size_t start = tail.find_last_of("\r\n"); start != std::string_view::npos && start > 0;
       start = tail.find_last_of("\r\n", start - 1)) {
    const ProgressReading reading = parse(ChunkText(tail.substr(start)));
    if (reading.show) return reading;
  }
  return parse(ChunkText(tail));
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
      // The second pass is looked for in all that came since the last
      // tick, so that a burst of output after it does not hide it.
      const std::string output = app.tool.process.TakeOutput();
      const ProgressReading reading = NewestReading(output, ReadEac3toChunk);
      if (SaysSecondPass(output)) SetProgressLabel(app, ProgressLabel(app) + " (2nd pass)...");
      return reading;
    }
    case JobX264Pass1:
    case JobX264Pass2:
    case JobX264Crf: return ReadX264Title(app.tool.process.ConsoleTitle(), frameCount);
    case JobTsMuxer: return NewestReading(app.tool.process.TakeOutput(), ReadTsMuxerChunk);
    case JobMkvMerge: return NewestReading(app.tool.process.TakeOutput(), ReadMkvmergeChunk);
    default: return {};
  }
}

}  // namespace

void ShowToolProgress(App& app) {
  const int slot = app.runningJob.load();
  if (slot < 0 || slot >= kQueueSlots) return;
  int frameCount;
  {
    // The pipeline may store a 3D film's frame count meanwhile.
    std::lock_guard<std::mutex> lock(app.records);
    frameCount = app.queue[slot].frameCount;
  }
  const ProgressReading reading = ReadProgress(app, LoadState(app.queue[slot]), frameCount);
  if (reading.show) Show(app, reading);
}

void BindProgressCallbacks(App& app, ui::CallbackTable& table) {
  table.Bind("CallTimerStatus", [&app](int, int, int event, void*, int, int) {
    if (event == ui::EVENT_TIMER_TICK) ShowToolProgress(app);
    return 0;
  });
}
