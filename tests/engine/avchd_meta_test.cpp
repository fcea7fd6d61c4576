// The tsMuxeR control file, byte for byte, for the kinds of AVCHD job.

#include "engine/avchd_meta.h"

#include "engine_fixture.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

using platform::CopyFixed;
using platform::FixedText;

class AvchdMeta : public test::EngineTest {
 protected:
  AvchdMeta() { job_ = test::Bd25Job("Movie", source, Scratch("Movie")); }
  std::string Meta(int slot = 1) {
    Put(slot, job_);
    JobRun run(app(), slot);
    settled_ = AvchdMuxControl(app(), run);
    return settled_.text;
  }
  Job job_;
  MuxControl settled_;
};

TEST_F(AvchdMeta, ACopiedVideoTakesEveryStreamFromTheSourceByTrack) {
  job_.videoCopy = 1;
  job_.audioDelayMs = -120;
  CopyFixed(job_.chapters, "00:00:00.000;00:10:00.000");
  EXPECT_EQ(Meta(), "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr "
                    "--custom-chapters=00:00:00.000;00:10:00.000 --vbv-len=500\r\n"
                    "V_MPEG4/ISO/AVC, \"" + source + "\", track=4113, fps=23.976\r\n"
                    "A_AC3, \"" + source + "\", timeshift=-120ms, track=4352, lang=eng");
}

TEST_F(AvchdMeta, ShortChapterListsBecomeAutomaticChaptersEveryFiveMinutes) {
  CopyFixed(job_.chapters, "0:00;10:00");  // 10 characters
  test::WriteFile(Temp("Movie.job_1.264"), "x");
  EXPECT_EQ(Meta().substr(0, 92), "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr --auto-chapters=5 --vbv-len=500\r\n");
  EXPECT_EQ(settled_.chapters, "5");
  EXPECT_EQ(FixedText(job(1).chapters), "0:00;10:00");  // the step stores it, not the text's maker
}

TEST_F(AvchdMeta, RecodedAudioComesFromTheDemuxedFileAsAc3WithoutShiftOrTrack) {
  job_.audioTarget = 640;
  job_.audioDelayMs = 40;
  CopyFixed(job_.audioCodecId, "A_DTS");
  test::WriteFile(Temp("Movie.job_1.ac3"), "x");
  EXPECT_EQ(Meta(), "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr --auto-chapters=5 --vbv-len=500\r\n"
                    "V_MPEG4/ISO/AVC, \"" + Temp("Movie.job_1.264") + "\", fps=23.976\r\n"
                    "A_AC3, \"" + Temp("Movie.job_1.ac3") + "\", lang=eng");
  EXPECT_EQ(settled_.audioCodecId, "A_AC3");
}

TEST_F(AvchdMeta, CoreOnlyAudioIsDownConverted) {
  job_.audioCoreOnly = 1;
  EXPECT_NE(Meta().find("\r\nA_AC3, \"" + source + "\", down-to-ac3, track=4352, lang=eng"), std::string::npos);
  CopyFixed(job_.audioCodecId, "A_DTS");
  EXPECT_NE(Meta().find("\r\nA_DTS, \"" + source + "\", down-to-dts, track=4352, lang=eng"), std::string::npos);
}

TEST_F(AvchdMeta, PictureSubtitlesFromTheSourceAndForcedCaptionsFromTheirFile) {
  job_.subMode = 1;
  EXPECT_NE(Meta().find("\r\nS_HDMV/PGS, \"" + source + "\",bottom-offset=24,font-border=2,text-align=center,"
                        "video-width=1920,video-height=1080,fps=23.976, track=4608, lang=spa"),
            std::string::npos);
  job_.subMode = 3;
  test::WriteFile(Temp("Movie.job_1.forced.sup"), "x");
  EXPECT_NE(Meta().find("\r\nS_HDMV/PGS, \"" + Temp("Movie.job_1.forced.sup") + "\",bottom-offset=24,font-border=2,"
                        "text-align=center,video-width=1920,video-height=1080,fps=23.976, lang=spa"),
            std::string::npos);
}

TEST_F(AvchdMeta, TextSubtitlesCarryTheFontOfThePreferences) {
  job_.subMode = 2;
  job_.sourceIsMkv = 1;
  CopyFixed(job_.subCodecId, "S_TEXT/UTF8");
  CopyFixed(app().settings.FontName, "DejaVu Sans");
  app().settings.FontSize = 65;
  app().settings.FontColor = 0x00FFFF00;  // cyan: blue and green, red in the lowest byte
  test::WriteFile(Temp("Movie.job_1.srt"), "1\n");
  test::WriteFile(Temp("Movie.job_1.ac3"), "x");
  EXPECT_NE(Meta().find("\r\nS_TEXT/UTF8, \"" + Temp("Movie.job_1.srt") + "\",font-name=\"DejaVu Sans\",font-size=65,"
                        "font-color=0x0000ffff,bottom-offset=24,font-border=2,text-align=center,video-width=1920,"
                        "video-height=1080,fps=23.976, lang=spa"),
            std::string::npos);
}

TEST_F(AvchdMeta, MissingStreamsAndThreeDSubtitlesAreLeftOut) {
  job_.subMode = 3;  // no .forced.sup was written
  job_.joinPlaylist = 1;  // and no demuxed audio either
  EXPECT_EQ(Meta(), "MUXOPT --no-pcr-on-video-pid --new-audio-pes --avchd --vbr --auto-chapters=5 --vbv-len=500\r\n"
                    "V_MPEG4/ISO/AVC, \"" + Temp("Movie.job_1.264") + "\", fps=23.976");
  job_ = test::Bd25Job("Movie", source, Scratch("Movie"));
  job_.mode3d = 1;
  job_.subMode = 1;
  EXPECT_EQ(Meta().find("S_HDMV/PGS"), std::string::npos);
}

TEST_F(AvchdMeta, AFilmWithoutForcedCaptionsGetsNoSubtitleLine) {
  job_.subMode = 3;
  test::WriteFile(Temp("Movie.job_1.forced.sup"), "");
  EXPECT_EQ(Meta().find("S_HDMV/PGS"), std::string::npos);
}

TEST_F(AvchdMeta, CopiedVideoCodecsAndAJoinedCopy) {
  job_.videoCopy = 1;
  CopyFixed(job_.videoCodec, "VC-1");
  EXPECT_NE(Meta().find("\r\nV_MS/VFW/WVC1, \"" + source + "\", track=4113, fps=23.976"), std::string::npos);
  CopyFixed(job_.videoCodec, "MPEG Video");
  job_.joinPlaylist = 2;
  EXPECT_NE(Meta().find("\r\nV_MPEG-2, \"" + Temp("Movie.job_1.m2v") + "\", fps=23.976"), std::string::npos);
}

}  // namespace
