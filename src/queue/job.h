#pragma once
// One queued conversion: a frozen copy of everything the engine needs,
// taken when the user adds it. Its bytes are its stored form, so field
// order, widths and capacities never change.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>

enum JobState : int32_t {
  JobFree = 0,
  JobPending = 1,
  JobStopped = 2,
  JobDemuxing = 3,
  JobX264Pass1 = 5,
  JobX264Pass2 = 6,
  JobX264Crf = 7,
  JobTsMuxer = 8,
  JobMkvMerge = 9,
  JobFinished = 10,
  JobCanceled = 11,
  JobFailed = 12,
};

struct Job {
  int32_t state;
  int32_t videoBitrate;  // kb/s; the CRF value for MKV (1: copy, 0: lossless)
  int32_t media;         // 0 DVD5 ... 5 custom, 6 MKV
  int32_t frameCount;
  int32_t audioStreamTrack;
  int32_t audioDelayMs;
  int32_t audioCoreOnly;
  int32_t audioTarget;  // 0 keep, 2 FLAC, else AC-3 kb/s
  int8_t audioTrackNo;
  int8_t audioKeepHd;
  int8_t x264UseLavf;
  int8_t subTrackNo;
  int32_t videoWidth;
  int32_t videoHeight;
  int32_t subStreamTrack;
  int32_t subMode;  // 0 none, 1 track, 2 marked forced, 3 forced captions only
  int32_t videoStreamTrack;
  int32_t joinPlaylist;
  int32_t videoCopy;
  char videoCodec[16];
  char name[260];
  char sourceFile[260];
  char sourceBdFolder[260];
  char outputPath[260];
  char fpsRational[16];
  char fpsDecimal[8];
  char x264Interlace[16];
  char audioCodecId[8];
  char audioLang[8];
  char subCodecId[16];
  char subLang[8];
  char joinClips[3000];
  char chapters[3000];
  char x264Preset[16];
  char x264Tune[16];
  char mediaLabel[16];
  char audioBitrateText[8];
  char x264VideoFilter[64];
  char x264ExtraOptions[128];
  int32_t resize720;  // 0 no, 1 resize, 2 resize and a kept PGS subtitle
  int32_t cropHeight;
  int8_t videoTrackNo;
  int8_t sourceIsMkv;
  int8_t audioDown16;
  int8_t audioDown6;
  int8_t mode3d;  // 0 2D, 1 SBS, 2 SBS reversed
  int8_t bdTitleNo;
};

static_assert(std::is_standard_layout_v<Job> && std::is_trivially_copyable_v<Job>);
static_assert(sizeof(Job) == 7464, "the stored form of a job is 7,464 bytes");
static_assert(offsetof(Job, state) == 0);
static_assert(offsetof(Job, videoCodec) == 64);
static_assert(offsetof(Job, joinClips) == 1200);
static_assert(offsetof(Job, resize720) == 7448);
static_assert(offsetof(Job, bdTitleNo) == 7461);  // then two unused tail bytes

inline constexpr int kQueueSlots = 100;
using JobQueue = std::array<Job, kQueueSlots>;

// The state word is shared between the window and the pipeline thread.
inline int32_t LoadState(const Job& job) {
  return std::atomic_ref<int32_t>(const_cast<int32_t&>(job.state)).load();
}
inline void StoreState(Job& job, int32_t state) { std::atomic_ref<int32_t>(job.state).store(state); }

inline bool IsRunningState(int32_t s) { return s == JobDemuxing || (s >= JobX264Pass1 && s <= JobMkvMerge); }
inline bool IsStartableState(int32_t s) { return s == JobPending || s == JobStopped || s == JobFailed; }
inline bool IsCompletedState(int32_t s) { return s == JobFinished || s == JobCanceled; }
