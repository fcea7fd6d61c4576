// The mkvmerge command line of a Matroska job, byte for byte, and the
// chapter file it names.

#include "engine/mkv_command.h"

#include <stdlib.h>

#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::CopyFixed;

const std::string kVideoOptions =
    " \"--default-duration\" \"0:24000/1001fps\" \"--compression\" \"0:none\" \"-d\" \"0\" \"-A\" \"-S\" \"-T\" "
    "\"--no-global-tags\" \"--no-chapters\" ";
const std::string kAudioOptions =
    "\" \"--forced-track\" \"0:no\" \"--compression\" \"0:none\" \"-a\" \"0\" \"-D\" \"-S\" \"-T\" "
    "\"--no-global-tags\" \"--no-chapters\" ";
const std::string kSubtitleOptions =
    "\" \"--compression\" \"0:none\" \"-s\" \"0\" \"-D\" \"-A\" \"-T\" \"--no-global-tags\" \"--no-chapters\" ";

class MkvCommand : public test::EngineTest {
 protected:
  MkvCommand() {
    setenv("QUANDRELL_WEB_SERVER", "https://quandrell.example/", 1);
    job_ = test::Bd25Job("Movie", source, Scratch("Movie.mkv"));
    job_.media = 6;
    job_.videoBitrate = 20;  // the CRF value
    CopyFixed(job_.subLang, "eng");
  }
  ~MkvCommand() override { unsetenv("QUANDRELL_WEB_SERVER"); }

  std::string CommandLine() {
    Put(1, job_);
    JobRun run(app(), 1);
    return MkvMergeCommandLine(app(), run);
  }
  // The file an earlier step wrote, with some content.
  std::string Written(const std::string& name) {
    test::WriteFile(Temp(name), "stream");
    return Temp(name);
  }
  std::string Start(const std::string& video, const std::string& stereo = "") {
    return "\"" + Tool("mkvtoolnix/mkvmerge") + "\" -o \"" + Scratch("Movie.mkv") + "\"  \"--forced-track\" \"0:no\"" +
           stereo + kVideoOptions + "\"" + video + "\"";
  }
  static std::string Audio(const std::string& lang, const std::string& file) {
    return " \"--language\" \"0:" + lang + kAudioOptions + "\"" + file + "\"";
  }
  static std::string Subtitle(const std::string& name, const std::string& forced, const std::string& file) {
    return " \"--language\" \"0:eng\" \"--track-name\" \"0:" + name + "\" \"--forced-track\" \"0:" + forced +
           kSubtitleOptions + "\"" + file + "\"";
  }
  static std::string Title(const std::string& text) { return " \"--title\" \"" + text + "\""; }

  Job job_;
};

TEST_F(MkvCommand, CopiedVideoWithFlacAudioAndNoSubtitles) {
  job_.videoCopy = 1;
  job_.audioTarget = 2;
  job_.subMode = 0;
  const std::string video = Written("Movie.job_1.h264");
  const std::string audio = Written("Movie.job_1.flac");
  Written("Movie.job_1.sup");
  EXPECT_EQ(CommandLine(), Start(video) + Audio("eng", audio) +
                               Title("Movie - created with Quandrell v1.7.1 - https://quandrell.example"));
}

TEST_F(MkvCommand, EncodedVideoWithAc3ForcedPgsAndChapters) {
  job_.audioTarget = 640;
  job_.subMode = 2;
  CopyFixed(job_.chapters, "00:00:00.000;00:10:00.000");
  const std::string audio = Written("Movie.job_1.ac3");
  const std::string subtitle = Written("Movie.job_1.sup");
  const std::string chapters = Written("Movie.job_1.chapters.txt");
  EXPECT_EQ(CommandLine(), Start(Temp("Movie.job_1.264")) + Audio("eng", audio) +
                               Subtitle("English Forced", "yes", subtitle) +
                               Title("Movie - created with Quandrell v1.7.1 - https://quandrell.example") +
                               " \"--chapter-language\" \"eng\" \"--chapters\" \"" + chapters + "\"");
}

TEST_F(MkvCommand, SpanishAudioGetsTheSpanishTitle) {
  CopyFixed(job_.audioLang, "spa");
  const std::string audio = Written("Movie.job_1.ac3");
  EXPECT_EQ(CommandLine(), Start(Temp("Movie.job_1.264")) + Audio("spa", audio) +
                               Title("Movie - creado con Quandrell v1.7.1 - https://quandrell.example"));
}

TEST_F(MkvCommand, WithoutAWebAddressTheTitleEndsAtTheVersion) {
  setenv("QUANDRELL_WEB_SERVER", "", 1);
  EXPECT_EQ(CommandLine(), Start(Temp("Movie.job_1.264")) + Title("Movie - created with Quandrell v1.7.1"));
}

TEST_F(MkvCommand, AThreeDJobIsMarkedSideBySideAndCarriesNoSubtitleTrack) {
  job_.mode3d = 1;
  job_.subMode = 1;
  Written("Movie.job_1.sup");
  EXPECT_EQ(CommandLine(), Start(Temp("Movie.job_1.264"), " \"--stereo-mode\" \"0:1\"") +
                               Title("Movie - created with Quandrell v1.7.1 - https://quandrell.example"));
}

TEST_F(MkvCommand, ResizedOrCroppedPgsSubtitlesComeFromBdSup2Sub) {
  job_.subMode = 1;
  Written("Movie.job_1.sup");
  const std::string resized = Written("Movie.job_1.resized.sup");
  const std::string expected = Subtitle("English", "no", resized);
  job_.resize720 = 2;
  EXPECT_NE(CommandLine().find(expected), std::string::npos);
  job_.resize720 = 0;
  job_.cropHeight = 800;
  EXPECT_NE(CommandLine().find(expected), std::string::npos);
  job_.subMode = 3;
  Written("Movie.job_1.forced.sup");
  EXPECT_NE(CommandLine().find(Subtitle("English Forced", "yes", resized)), std::string::npos);
}

TEST_F(MkvCommand, CroppedTextSubtitlesStayTheExtractedTrack) {
  job_.subMode = 1;
  job_.cropHeight = 800;
  CopyFixed(job_.subCodecId, "S_TEXT/UTF8");
  const std::string srt = Written("Movie.job_1.srt");
  EXPECT_NE(CommandLine().find(Subtitle("English", "no", srt)), std::string::npos);
}

TEST_F(MkvCommand, AnEmptyOrMissingSubtitleFileIsLeftOut) {
  job_.subMode = 3;
  test::WriteFile(Temp("Movie.job_1.forced.sup"), "");  // a film without forced captions
  EXPECT_EQ(CommandLine().find("--track-name"), std::string::npos);
  job_.subMode = 1;
  EXPECT_EQ(CommandLine().find("--track-name"), std::string::npos);
}

TEST_F(MkvCommand, ALanguageTheTableLacksNamesItsTrackByItsCode) {
  job_.subMode = 2;
  CopyFixed(job_.subLang, "qaa");
  const std::string subtitle = Written("Movie.job_1.sup");
  EXPECT_NE(CommandLine().find(" \"--language\" \"0:qaa\" \"--track-name\" \"0:qaa Forced\" \"--forced-track\" \"0:yes"),
            std::string::npos);
  CopyFixed(job_.subLang, "ger");
  EXPECT_NE(CommandLine().find("\"--track-name\" \"0:German Forced\""), std::string::npos);
}

TEST_F(MkvCommand, AShortChapterListNamesNoChapterFile) {
  CopyFixed(job_.chapters, "0:00;10:00");  // 10 characters
  Written("Movie.job_1.chapters.txt");
  EXPECT_EQ(CommandLine().find("--chapters"), std::string::npos);
  CopyFixed(job_.chapters, "00:00:00.000;00:10:00.000");
  std::filesystem::remove(Temp("Movie.job_1.chapters.txt"));
  EXPECT_EQ(CommandLine().find("--chapters"), std::string::npos) << "no chapter file was written";
}

TEST(ChapterFile, EachTimeIsNamedByItsNumber) {
  EXPECT_EQ(ChapterFileText("00:00:00.000;00:10:00.000"),
            "CHAPTER01=00:00:00.000\r\nCHAPTER01NAME=1\r\nCHAPTER02=00:10:00.000\r\nCHAPTER02NAME=2\r\n");
}

TEST(ChapterFile, EmptyPiecesAreSkippedAndNumbersGrowPastTwoDigits) {
  EXPECT_EQ(ChapterFileText(";00:00:00.000;;00:01:00.000;"),
            "CHAPTER01=00:00:00.000\r\nCHAPTER01NAME=1\r\nCHAPTER02=00:01:00.000\r\nCHAPTER02NAME=2\r\n");
  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "00:00:01.000;";
  const std::string text = ChapterFileText(hundred);
  EXPECT_EQ(text.substr(text.rfind("CHAPTER99NAME")), "CHAPTER99NAME=99\r\nCHAPTER100=00:00:01.000\r\nCHAPTER100NAME=100\r\n");
}

}  // namespace
