#include "engine/stereo_prep.h"

#include <filesystem>
#include <fstream>

#include "engine/job_run.h"
#include "engine/leading_number.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::FixedText;

constexpr size_t kLogLineLength = 499;

std::string InProgramDir(const App& app, const std::string& relative) {
  return (std::filesystem::path(app.programDir) / relative).string();
}

struct Rate {
  long numerator;
  long denominator;
};

// "24000/1001"; a rate without a denominator counts as whole frames.
Rate SplitRate(const std::string& rational) {
  const auto slash = rational.find('/');
  if (slash == std::string::npos) return {LeadingInteger(rational), 1};
  return {LeadingInteger(rational.substr(0, slash)), LeadingInteger(rational.substr(slash + 1))};
}

std::string SubtitleFilter(const JobRun& run) {
  const int mode = run.job.subMode;
  if (mode == 0) return "";
  return std::string(".SupTitle(\"") + run.files.Subtitle() + "\", forcedOnly=" + (mode == 3 ? "true" : "false") +
         ", swapCbCr=false, relocate=false)";
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

int FrameCountFromLog(const std::string& logPath) {
  std::ifstream log(logPath, std::ios::binary);
  std::string line;
  while (std::getline(log, line)) {
    line.resize(std::min(line.size(), kLogLineLength));
    if (line.rfind("Video track", 0) != 0) continue;
    if (auto at = line.find("contains "); at != std::string::npos) {
      const long frames = LeadingInteger(std::string_view(line).substr(at + 9));
      return frames >= 1 && frames <= kMaxFrames ? static_cast<int>(frames) : -1;
    }
  }
  return -1;
}

std::string DecoderConfigText(const JobRun& run) {
  return "InputFile = \"" + run.files.LeftView() + "\"\nInputFile2 = \"" + run.files.RightView() +
         "\"\nFileFormat = 0\nPOCScale = 1\nDisplayDecParams = 1\nConcealMode = 0\nRefPOCGap = 2\nPOCGap = 2\n"
         "IntraProfileDeblocking = 1\nDecFrmNum = 0\n";
}

std::string ScriptText(const App& app, const JobRun& run) {
  const Job& job = run.job;
  const Rate rate = SplitRate(FixedText(job.fpsRational));
  const std::string fps = ".AssumeFPS(" + std::to_string(rate.numerator) + "," + std::to_string(rate.denominator) + ")";
  const std::string video = "\"" + run.files.Named(".mkv") + "\", cachefile=\"" + run.files.Index() + "\"";
  const std::string plugin = job.subMode ? "LoadPlugin(\"" + InProgramDir(app, "SupTitle/SupTitle.dll") + "\")\n" : "";
  const std::string halves = job.mode3d == 2 ? "HorizontalReduceBy2(video_r), HorizontalReduceBy2(video_l)"
                                             : "HorizontalReduceBy2(video_l), HorizontalReduceBy2(video_r)";
  return "LoadPlugin(\"" + InProgramDir(app, "H264StereoSource/ffms2.dll") + "\")\nLoadPlugin(\"" +
         InProgramDir(app, "H264StereoSource/H264StereoSource.dll") + "\")\n" + plugin + "FFIndex(" + video +
         ", indexmask=0, demuxer=\"lavf\")\nvideo_l = FFVideoSource(" + video + ", seekmode=0)" + fps +
         SubtitleFilter(run) + "\nvideo_r = H264StereoSource(\"" + run.files.DecoderConfig() + "\", " +
         std::to_string(job.frameCount) + ")" + fps + SubtitleFilter(run) + "\nreturn StackHorizontal(" + halves + ")\n";
}

void PrepareStereo(const JobRun& run) {
  WriteText(run.files.DecoderConfig(), DecoderConfigText(run));
  if (!FileExists(run.files.Script())) WriteText(run.files.Script(), ScriptText(run.app, run));
}
