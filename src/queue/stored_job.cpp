#include "queue/stored_job.h"

#include <cstring>
#include <string_view>

#include "platform/fixed_text.h"

namespace {

// Ends a field that has no terminator at its capacity, between two UTF-8
// characters.
template <size_t N>
void Terminate(char (&field)[N]) {
  if (std::memchr(field, '\0', N) != nullptr) return;
  field[platform::Utf8FitLength(std::string_view(field, N), N - 1)] = '\0';
}

void TerminateTextFields(Job& j) {
  Terminate(j.videoCodec);
  Terminate(j.name);
  Terminate(j.sourceFile);
  Terminate(j.sourceBdFolder);
  Terminate(j.outputPath);
  Terminate(j.fpsRational);
  Terminate(j.fpsDecimal);
  Terminate(j.x264Interlace);
  Terminate(j.audioCodecId);
  Terminate(j.audioLang);
  Terminate(j.subCodecId);
  Terminate(j.subLang);
  Terminate(j.joinClips);
  Terminate(j.chapters);
  Terminate(j.x264Preset);
  Terminate(j.x264Tune);
  Terminate(j.mediaLabel);
  Terminate(j.audioBitrateText);
  Terminate(j.x264VideoFilter);
  Terminate(j.x264ExtraOptions);
}

}  // namespace

bool IsKnownState(int32_t state) {
  return state == JobFree || IsStartableState(state) || IsRunningState(state) ||
         IsCompletedState(state);
}

void NormaliseStoredJob(Job& job) {
  if (job.state == JobFree || !IsKnownState(job.state)) {
    job = Job{};
    return;
  }
  if (IsRunningState(job.state)) job.state = JobStopped;
  TerminateTextFields(job);
}
