#include "shell/run_report.h"

#include <cstdio>

#include "engine/job_conditions.h"
#include "platform/fixed_text.h"
#include "queue/job_lines.h"
#include "shell/app.h"
#include "uir_ids.h"

namespace {

std::string SlotTag(int slot) { return "[slot " + std::to_string(slot) + "] "; }

}  // namespace

std::string WallTime(std::chrono::steady_clock::duration elapsed) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

std::string JobSteps(const Job& job) {
  std::string steps;
  auto add = [&steps](const char* step) { steps += (steps.empty() ? "" : ", ") + std::string(step); };
  if (NeedsDemux(job)) add("demux");
  if (NeedsForcedCaptions(job)) add("forced captions");
  if (NeedsBdSup2Sub(job)) add("subtitle resize");
  if (!job.videoCopy) {
    if (IsMkvJob(job)) add("x264 CRF");
    else add("x264 pass 1"), add("x264 pass 2");
  }
  add(IsMkvJob(job) ? "mkvmerge" : "tsMuxeR");
  return steps;
}

std::string StepName(int32_t state) {
  std::string label = StateLabel(state);
  const auto open = label.find('['), close = label.find(']');
  return open == std::string::npos || close == std::string::npos ? label : label.substr(open + 1, close - open - 1);
}

std::string EtaOf(const std::string& status) {
  const auto at = status.find("eta ");
  if (at == std::string::npos) return "";
  const auto end = status.find_first_not_of("0123456789:", at + 4);
  const std::string time = status.substr(at + 4, end == std::string::npos ? std::string::npos : end - at - 4);
  return time.empty() ? "" : "eta " + time;
}

RunReport::RunReport(App& app, std::ostream& out, bool terminal) : app_(app), out_(out), terminal_(terminal) {
  for (int slot = 0; slot < kQueueSlots; ++slot) states_[slot] = LoadState(app_.queue[slot]);
}

void RunReport::Update() {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto now = Clock::now();
  JobStates(now);
  StepAndProgress(now);
}

void RunReport::JobStates(Clock::time_point now) {
  for (int slot = 0; slot < kQueueSlots; ++slot) {
    const Job& job = app_.queue[slot];
    const int32_t state = LoadState(job), was = states_[slot];
    if (state == was) continue;
    states_[slot] = state;
    if (IsRunningState(state) && !IsRunningState(was)) {
      started_[slot] = now;
      slot_ = slot;
      label_.clear();
      Line(SlotTag(slot) + "start " + JobLine(job).substr(StateLabel(state).size()) + "; steps: " + JobSteps(job));
    } else if (IsRunningState(was) || (slot == slot_ && !IsRunningState(state))) {
      const std::string took = WallTime(now - started_[slot]);
      if (state == JobFinished) ++finished_, Line(SlotTag(slot) + "finished in " + took);
      else if (state == JobFailed) ++failed_, Line(SlotTag(slot) + "failed after " + took + " (see error_log.txt)");
      else if (state == JobStopped) ++stopped_, Line(SlotTag(slot) + "stopped after " + took);
      else if (state == JobCanceled) ++stopped_, Line(SlotTag(slot) + "canceled after " + took);
      if (slot == slot_) slot_ = -1;
    }
  }
}

void RunReport::StepAndProgress(Clock::time_point now) {
  if (slot_ < 0) return;
  const std::string label = ui::AsText(app_.ui.GetCtrlAttribute(app_.mainPanel, PANEL_BARRA, ui::ATTR_LABEL_TEXT));
  if (label != label_ && label.rfind("[STEP", 0) == 0) {
    label_ = label;
    Line(SlotTag(slot_) + label);
  }
  if (now - lastProgress_ < std::chrono::seconds(1)) return;
  lastProgress_ = now;
  const int value = ui::AsInt(app_.ui.GetCtrlVal(app_.mainPanel, PANEL_BARRA));
  const std::string eta = EtaOf(ui::AsText(app_.ui.GetCtrlVal(app_.mainPanel, PANEL_ESTAT)));
  char percent[16];
  std::snprintf(percent, sizeof percent, "%5.1f%%", value / 10.0);
  ProgressLine(SlotTag(slot_) + StepName(states_[slot_]) + "  " + percent + (eta.empty() ? "" : "  " + eta));
}

void RunReport::Line(const std::string& text) {
  if (progressShown_) out_ << "\r\033[K";
  progressShown_ = false;
  out_ << text << std::endl;
}

void RunReport::ProgressLine(const std::string& text) {
  if (!terminal_) return Line(text);
  out_ << "\r\033[K" << text << std::flush;
  progressShown_ = true;
}

void RunReport::Summary() {
  std::lock_guard<std::mutex> lock(mutex_);
  Line("Jobs finished: " + std::to_string(finished_) + ", failed: " + std::to_string(failed_) +
       ", stopped: " + std::to_string(stopped_));
}
