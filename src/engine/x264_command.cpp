#include "engine/x264_command.h"

#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "engine/x264_settings.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::FixedText;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Number(int value) { return std::to_string(value); }

const char* kColour = " --colorprim \"bt709\" --transfer \"bt709\" --colormatrix \"bt709\" --sar 1:1";

// "-o NUL" of pass 1 is the null device here.
std::string Output(const JobRun& run, X264Pass pass) {
  if (pass == X264Pass::First) return " --pass 1 -o /dev/null ";
  return std::string(pass == X264Pass::Second ? " --pass 2" : "") + " -o " + Quoted(run.files.Encoded()) + " ";
}

// Preset, tune and, for two passes, the Blu-ray rate control.
std::string Head(const App& app, const JobRun& run, X264Pass pass) {
  const Job& job = run.job;
  std::string text = Quoted(X264Executable(app, job)) + " --preset " + Quoted(FixedText(job.x264Preset)) + TuneOption(job);
  if (pass == X264Pass::ConstantQuality) return text + " --level \"4.1\" --crf " + Number(job.videoBitrate);
  const Vbv vbv = VbvFor(job);
  return text + " --bluray-compat --level \"4.1\" --vbv-bufsize " + Number(vbv.bufferSize) + " --vbv-maxrate " +
         Number(vbv.maxRate) + " --bitrate " + Number(job.videoBitrate) + " --stats " + Quoted(run.files.Stats());
}

std::string KeyInterval(const App& app, const Job& job, X264Pass pass) {
  const int gop = GopLength(job);
  return " --keyint " + Number(pass == X264Pass::ConstantQuality ? 10 * gop : gop) + WeightpOption(app);
}

std::string Plain(const App& app, const JobRun& run, X264Pass pass) {
  const Job& job = run.job;
  const std::string input = job.joinPlaylist ? run.files.Named(".mkv") : FixedText(job.sourceFile);
  const bool twoPass = pass != X264Pass::ConstantQuality;
  return Head(app, run, pass) + " --index " + Quoted(run.files.Index()) + " --fps " + Quoted(FixedText(job.fpsRational)) +
         " --force-cfr" + FixedText(job.x264Interlace) + KeyInterval(app, job, pass) + " --open-gop" +
         (twoPass ? " --slices 4 " : " ") + FixedText(job.x264ExtraOptions) + kColour +
         FixedText(job.x264VideoFilter) + DemuxerOption(job) + Output(run, pass) + Quoted(input);
}

std::string Stereo(const App& app, const JobRun& run, X264Pass pass) {
  const Job& job = run.job;
  const bool twoPass = pass != X264Pass::ConstantQuality;
  return Head(app, run, pass) + FixedText(job.x264Interlace) + KeyInterval(app, job, pass) + " --open-gop" +
         (twoPass ? " --slices 4" : "") + " --frame-packing 3 --frames " + Number(job.frameCount - 50) + " " +
         FixedText(job.x264ExtraOptions) + kColour + Output(run, pass) + Quoted(run.files.Script());
}

}  // namespace

std::string X264CommandLine(const App& app, const JobRun& run, X264Pass pass) {
  return Is3d(run.job) ? Stereo(app, run, pass) : Plain(app, run, pass);
}
