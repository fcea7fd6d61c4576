// Matroska jobs through the real mkvmerge and the BDSup2Sub stand-in on
// the real Java runtime, read back with "mkvmerge -J": the options of the
// command line do what they say.

#include <stdlib.h>

#include <filesystem>

#include "command_run.h"
#include "engine_fixture.h"
#include "media_cache.h"
#include "pgs_stream.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "tools/tool_paths.h"

namespace {

using platform::CopyFixed;
namespace fs = std::filesystem;
namespace pgs = test::pgs;
namespace media = quandrell::test;

// Two seconds of raw H.264 at 24000/1001 and of AC-3.
fs::path RawVideo() {
  return media::CachedMedia("mkv-step-video.h264", [](const fs::path& out) {
    media::RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=24000/1001", "-t", "2", "-c:v", "libx264",
                      "-preset", "ultrafast", "-f", "h264", out.string()});
  });
}

fs::path Ac3Audio() {
  return media::CachedMedia("mkv-step-audio.ac3", [](const fs::path& out) {
    media::RunFfmpeg({"-f", "lavfi", "-i", "sine=duration=2", "-c:a", "ac3", "-f", "ac3", out.string()});
  });
}

class MkvRealTools : public test::EngineTest {
 protected:
  MkvRealTools() {
    setenv("QUANDRELL_WEB_SERVER", "", 1);
    // The real mkvmerge and java, and our BDSup2Sub, where the fakes were.
    fs::remove(Tool("mkvtoolnix/mkvmerge"));
    fs::create_symlink(tools::FindOnPath("mkvmerge"), Tool("mkvtoolnix/mkvmerge"));
    fs::remove(Tool("bin/java"));
    fs::create_directory_symlink(fs::path(QUANDRELL_TEST_PROGRAM_DIR) / "bdsup2sub", Tool("bdsup2sub"));
  }
  ~MkvRealTools() override { unsetenv("QUANDRELL_WEB_SERVER"); }

  // A copied-video job whose demuxed streams are in place: no eac3to run.
  Job& QueueDemuxed(const std::string& subtitles) {
    Job& job = Queue(0, "Movie");
    job.media = 6;
    job.videoCopy = 1;
    job.subMode = 3;
    job.cropHeight = 800;
    CopyFixed(job.subLang, "eng");
    CopyFixed(job.chapters, "00:00:00.000;00:00:01.000");
    CopyFixed(job.outputPath, Scratch("Movie.mkv"));
    fs::copy_file(RawVideo(), Temp("Movie.job_0.h264"));
    fs::copy_file(Ac3Audio(), Temp("Movie.job_0.ac3"));
    test::WriteFile(Temp("Movie.job_0.sup"), subtitles);
    return job;
  }
  std::string Identify() { return media::RunCommand({tools::FindOnPath("mkvmerge"), "-J", Scratch("Movie.mkv")}).output; }
  static bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

TEST_F(MkvRealTools, ForcedCaptionsCroppedAndMuxedWithTitleLanguagesAndChapters) {
  Job& job = QueueDemuxed(pgs::DisplaySet(true, true, 9000) + pgs::ClearingSet(90000) +
                          pgs::DisplaySet(true, false, 135000) + pgs::ClearingSet(162000));
  StartQueue();
  ASSERT_EQ(LoadState(job), JobFinished) << ErrorLog();
  const std::string info = Identify();
  EXPECT_TRUE(Holds(info, "\"title\": \"Movie - created with Quandrell v1.7.1\"")) << info;
  EXPECT_TRUE(Holds(info, "\"codec\": \"HDMV PGS\"")) << info;
  EXPECT_TRUE(Holds(info, "\"track_name\": \"English Forced\"")) << info;
  EXPECT_TRUE(Holds(info, "\"forced_track\": true")) << info;
  EXPECT_TRUE(Holds(info, "\"codec\": \"AC-3\"")) << info;
  EXPECT_TRUE(Holds(info, "\"num_entries\": 2")) << info;
  EXPECT_FALSE(fs::exists(Temp("Movie.job_0.resized.sup")));
}

TEST_F(MkvRealTools, AFilmWithoutForcedCaptionsStillBecomesAMatroskaFile) {
  Job& job = QueueDemuxed(pgs::DisplaySet(true, false, 9000) + pgs::ClearingSet(90000));
  StartQueue();
  ASSERT_EQ(LoadState(job), JobFinished) << ErrorLog();
  const std::string info = Identify();
  EXPECT_TRUE(Holds(info, "\"codec\": \"AC-3\"")) << info;
  EXPECT_FALSE(Holds(info, "\"type\": \"subtitles\"")) << info;
}

}  // namespace
