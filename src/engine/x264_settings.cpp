#include "engine/x264_settings.h"

#include "engine/leading_number.h"

#include "platform/fixed_text.h"
#include "shell/app.h"
#include "tools/tool_paths.h"

using platform::FixedText;

std::string X264Executable(const App& app, const Job& job) {
  const bool wide = app.is64BitOs && job.mode3d == 0;
  return tools::ResolveTool(wide ? "x264\\x264_x64.exe" : "x264\\x264.exe", app.programDir);
}

Vbv VbvFor(const Job& job) {
  const bool disc = job.media == 0 || job.media == 1 || job.media == 2;
  if (disc || (job.media == 5 && job.videoBitrate < 10000)) return {24000, 24000};
  return {30000, 40000};
}

int GopLength(const Job& job) {
  const double fps = LeadingDecimal(platform::FixedView(job.fpsDecimal));
  int gop = 24;
  if (fps > 24.0) gop = 25;
  if (fps > 25.0) gop = 30;
  if (fps > 30.0) gop = 50;
  if (fps > 50.0) gop = 60;
  return gop;
}

std::string TuneOption(const Job& job) {
  const std::string tune = FixedText(job.x264Tune);
  return tune == "none" ? "" : " --tune \"" + tune + "\"";
}

std::string WeightpOption(const App& app) { return app.settings.NoWeightp ? " --weightp 0" : ""; }

std::string DemuxerOption(const Job& job) { return job.x264UseLavf ? " --demuxer \"lavf\"" : ""; }
