// The thirty progress-bar texts of the demux step, chosen by the streams
// a run carries and by joining, recoding and forced captions.

#include <gtest/gtest.h>

#include "engine/demux_labels.h"

namespace {

struct Case {
  bool v, a, s;          // parts carried
  bool join, recode, forced;
  const char* text;      // after "[STEP 1/4 - EAC3TO PROCESS] "
};

const Case kPlain[] = {
    {0, 0, 1, 0, 0, 1, "Extract forced captions..."},
    {0, 0, 1, 0, 0, 0, "Extract subtitles..."},
    {0, 1, 0, 0, 1, 0, "Recode audio to AC3 448..."},
    {0, 1, 0, 0, 0, 0, "Extract audio..."},
    {0, 1, 1, 0, 1, 1, "Recode audio to AC3 448 and extract forced captions..."},
    {0, 1, 1, 0, 1, 0, "Recode audio to AC3 448 and extract subtitles..."},
    {0, 1, 1, 0, 0, 1, "Extract audio and forced captions..."},
    {0, 1, 1, 0, 0, 0, "Extract audio and subtitles..."},
    {1, 0, 0, 1, 0, 0, "Join m2ts parts..."},
    {1, 0, 0, 0, 0, 0, "Extract video..."},
    {1, 0, 1, 1, 0, 1, "Join m2ts parts and extract forced captions..."},
    {1, 0, 1, 1, 0, 0, "Join m2ts parts and extract subtitles..."},
    {1, 0, 1, 0, 0, 1, "Extract video and forced captions..."},
    {1, 0, 1, 0, 0, 0, "Extract video and subtitles..."},
    {1, 1, 0, 1, 1, 0, "Join m2ts parts and recode audio to AC3 448..."},
    {1, 1, 0, 1, 0, 0, "Join m2ts parts and extract audio..."},
    {1, 1, 0, 0, 1, 0, "Extract video and recode audio to AC3 448..."},
    {1, 1, 0, 0, 0, 0, "Extract video and audio..."},
    {1, 1, 1, 1, 1, 1, "Join m2ts parts, recode audio to AC3 448 and extract forced captions..."},
    {1, 1, 1, 1, 1, 0, "Join m2ts parts, recode audio to AC3 448 and extract subtitles..."},
    {1, 1, 1, 1, 0, 1, "Join m2ts parts, extract audio and forced captions..."},
    {1, 1, 1, 1, 0, 0, "Join m2ts parts, extract audio and subtitles..."},
    {1, 1, 1, 0, 1, 1, "Extract video, recode audio to AC3 448 and extract forced captions..."},
    {1, 1, 1, 0, 1, 0, "Extract video, recode audio to AC3 448 and extract subtitles..."},
    {1, 1, 1, 0, 0, 1, "Extract video, audio and forced captions..."},
    {1, 1, 1, 0, 0, 0, "Extract video, audio and subtitles..."},
};

Job JobFor(const Case& c) {
  Job job{};
  job.media = 3;
  job.joinPlaylist = c.join ? 2 : 0;
  job.audioTarget = c.recode ? 448 : 0;
  job.subMode = c.forced ? 3 : 1;
  return job;
}

TEST(DemuxLabel, TwoDTextsFollowThePartsJoiningRecodingAndForcedCaptions) {
  for (const Case& c : kPlain) {
    EXPECT_EQ(DemuxLabel(JobFor(c), {c.v, c.a, c.s}), std::string("[STEP 1/4 - EAC3TO PROCESS] ") + c.text)
        << c.text;
  }
}

TEST(DemuxLabel, ThreeDTextsFollowTheSubtitleChoiceAndTheAudioPart) {
  Job job{};
  job.mode3d = 1;
  job.subMode = 1;
  EXPECT_EQ(DemuxLabel(job, {true, true, false}),
            "[STEP 1/4 - EAC3TO PROCESS] Extract left/right eye raw video, audio and subs...");
  EXPECT_EQ(DemuxLabel(job, {true, false, false}),
            "[STEP 1/4 - EAC3TO PROCESS] Extract left/right eye raw video and subs...");
  job.subMode = 0;
  EXPECT_EQ(DemuxLabel(job, {true, true, false}),
            "[STEP 1/4 - EAC3TO PROCESS] Extract left/right eye raw video and audio...");
  EXPECT_EQ(DemuxLabel(job, {false, false, false}), "[STEP 1/4 - EAC3TO PROCESS] Extract left/right eye raw video...");
}

TEST(DemuxLabel, TheStepCountFollowsTheJobKind) {
  Job job{};
  job.audioTarget = 640;
  job.media = 6;
  EXPECT_EQ(DemuxLabel(job, {false, true, false}), "[STEP 1/3 - EAC3TO PROCESS] Recode audio to AC3 640...");
  job.videoCopy = 1;
  EXPECT_EQ(DemuxLabel(job, {false, true, false}), "[STEP 1/2 - EAC3TO PROCESS] Recode audio to AC3 640...");
}

TEST(DemuxLabel, FlacIsNamedInsteadOfABitrate) {
  Job job{};
  job.media = 6;
  job.audioTarget = 2;
  job.joinPlaylist = 1;
  EXPECT_EQ(DemuxLabel(job, {true, true, false}), "[STEP 1/3 - EAC3TO PROCESS] Join m2ts parts and recode audio to FLAC...");
}

}  // namespace
