#pragma once
// Which steps and which extracted streams a job needs, decided from the
// job alone. The demux step, the clean-up and the muxers agree on these.

#include <string_view>

#include "queue/job.h"

// eac3to runs first.
bool NeedsDemux(const Job& job);
// The number of steps the progress-bar labels count: 4, 3 (MKV) or 2 (copied video).
int StepCount(const Job& job);

// The streams the demux step extracts to files of their own.
bool ExtractsVideo(const Job& job);
bool ExtractsAudio(const Job& job);
bool ExtractsSubtitle(const Job& job);

bool IsMkvJob(const Job& job);
bool Is3d(const Job& job);
bool IsTextSubtitle(const Job& job);
bool IsPgsSubtitle(const Job& job);
bool HasCodec(const Job& job, std::string_view videoCodec);
bool HasAudioCodec(const Job& job, std::string_view audioCodecId);

// BDSup2Sub scales PGS subtitles for 720p or moves them for a cropped picture.
bool NeedsBdSup2Sub(const Job& job);
