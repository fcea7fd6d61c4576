#pragma once
// Turns the open source, the main window's choices and the advanced
// options into a job, asking and warning on the way. Every step returns
// false when a refusal, an answer or a scan to run first ends the
// composition: then nothing is added.

#include <string>
#include <string_view>

#include "queue/job.h"
#include "source/source_info.h"

struct App;

class JobComposer {
 public:
  explicit JobComposer(App& app);

  // Runs every step in order; true when the job is complete.
  bool Compose();
  const Job& job() const { return job_; }

 private:
  // job_composer_texts.cpp
  bool TakeTexts();
  bool TakePaths(std::string& sourceFile, std::string& outputPath);
  bool CheckPath(std::string_view path, const char* what);
  bool Put(char* field, size_t capacity, std::string_view text, const char* what);
  template <size_t N>
  bool Put(char (&field)[N], std::string_view text, const char* what) {
    return Put(field, N, text, what);
  }
  // job_composer_quality.cpp
  bool WarnAboutQuality();
  bool WarnAboutLowBitrate();
  bool AskAboutCrf();
  bool RefuseCrf(int focus);
  // job_composer_video.cpp
  bool SizePicture();
  bool TakeVideo();
  bool DecideVideoCopy();
  // job_composer_tracks.cpp
  bool TakeAudio();
  bool TakeSubtitle();
  bool TakeX264Options();
  bool ScanFirst(const char* question);

  bool Scanned() const;
  bool Mkv() const { return job_.media == 6; }

  App& app_;
  const SourceInfo& source_;
  Job job_{};
  int rawMedia_ = 0;  // the MEDIA index: 7 (MKV Remux) is kept as 6 in the job
  int videoIndex_ = 0;
  int audioIndex_ = 0;
  int subtitleIndex_ = 0;
};
