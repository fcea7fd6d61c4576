#include "engine/mkv_command.h"

#include <algorithm>

#include "engine/job_conditions.h"
#include "engine/job_run.h"
#include "online/web_server.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "shell/product.h"
#include "source/language_tables.h"
#include "tools/tool_paths.h"

namespace {

using platform::FixedText;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string VideoPart(const App& app, const JobRun& run) {
  const Job& job = run.job;
  const std::string tool = tools::ResolveTool("mkvtoolnix\\mkvmerge.exe", app.programDir);
  const std::string stereo = Is3d(job) ? " \"--stereo-mode\" \"0:1\"" : "";
  const std::string video = job.videoCopy ? run.files.CopiedVideo() : run.files.Encoded();
  return Quoted(tool) + " -o " + Quoted(FixedText(job.outputPath)) + "  \"--forced-track\" \"0:no\"" + stereo +
         " \"--default-duration\" \"0:" + FixedText(job.fpsRational) +
         "fps\" \"--compression\" \"0:none\" \"-d\" \"0\" \"-A\" \"-S\" \"-T\" \"--no-global-tags\" \"--no-chapters\" " +
         Quoted(video);
}

std::string AudioPart(const JobRun& run) {
  const std::string audio = run.files.Audio();
  if (!FileExists(audio)) return "";
  return " \"--language\" \"0:" + FixedText(run.job.audioLang) +
         "\" \"--forced-track\" \"0:no\" \"--compression\" \"0:none\" \"-a\" \"0\" \"-D\" \"-S\" \"-T\" "
         "\"--no-global-tags\" \"--no-chapters\" " + Quoted(audio);
}

// The language's name; a code the table lacks names itself.
std::string TrackName(const Job& job) {
  char name[32];
  platform::CopyFixed(name, FixedText(job.subLang));
  LanguageName(platform::FixedView(job.subLang), name);
  return FixedText(name) + (job.subMode == 2 || job.subMode == 3 ? " Forced" : "");
}

std::string SubtitlePart(const JobRun& run) {
  const Job& job = run.job;
  const std::string file = MuxedSubtitleFile(run);
  if (job.subMode == 0 || Is3d(job) || !FileHasContent(file)) return "";
  const bool forced = job.subMode == 2 || job.subMode == 3;
  return " \"--language\" \"0:" + FixedText(job.subLang) + "\" \"--track-name\" \"0:" + TrackName(job) +
         "\" \"--forced-track\" \"0:" + (forced ? "yes" : "no") +
         "\" \"--compression\" \"0:none\" \"-s\" \"0\" \"-D\" \"-A\" \"-T\" \"--no-global-tags\" \"--no-chapters\" " +
         Quoted(file);
}

// Without a configured web address the title ends at the version.
std::string TitlePart(const Job& job) {
  const std::string made = FixedText(job.audioLang) == "spa" ? " - creado con " : " - created with ";
  const std::string page = ProductWebPage();
  return " \"--title\" \"" + FixedText(job.name) + made + kProductName + " v" + kProductVersion +
         (page.empty() ? "" : " - " + page) + "\"";
}

std::string ChapterPart(const JobRun& run) {
  const std::string file = run.files.Named(".chapters.txt");
  if (!HasChapterList(run) || !FileExists(file)) return "";
  return " \"--chapter-language\" " + Quoted(FixedText(run.job.audioLang)) + " \"--chapters\" " + Quoted(file);
}

}  // namespace

std::string ChapterFileText(std::string_view chapters) {
  std::string text;
  int number = 0;
  while (!chapters.empty()) {
    const size_t end = std::min(chapters.find(';'), chapters.size());
    const std::string_view time = chapters.substr(0, end);
    chapters.remove_prefix(std::min(end + 1, chapters.size()));
    if (time.empty()) continue;
    const std::string n = TwoDigits(++number);
    text += "CHAPTER" + n + "=" + std::string(time) + "\r\nCHAPTER" + n + "NAME=" + std::to_string(number) + "\r\n";
  }
  return text;
}

bool HasChapterList(const JobRun& run) { return FixedText(run.job.chapters).size() > 10; }

std::string MuxedSubtitleFile(const JobRun& run) {
  if (NeedsBdSup2Sub(run.job)) return run.files.Named(".resized.sup");
  if (run.job.subMode == 3) return run.files.Named(".forced.sup");
  return run.files.Subtitle();
}

std::string MkvMergeCommandLine(const App& app, const JobRun& run) {
  return VideoPart(app, run) + AudioPart(run) + SubtitlePart(run) + TitlePart(run.job) + ChapterPart(run);
}
