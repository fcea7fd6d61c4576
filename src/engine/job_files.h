#pragma once
// The names of a job's temporary files: the temporary folder, the job's
// output name, the tag ".job_<slot>" and a suffix ("Movie.job_3.h264");
// three files use a fixed stem instead of the name ("script.job_3.avs").

#include <string>

#include "queue/job.h"

class JobFiles {
 public:
  JobFiles(const std::string& tempFolder, const Job& job, int slot);

  // "<temp>/<name>.job_<slot><suffix>"
  std::string Named(const std::string& suffix) const;
  // "<temp>/<stem>.job_<slot><extension>"
  std::string Stem(const std::string& stem, const std::string& extension) const;

  // The extracted streams, as the demux step names them.
  std::string CopiedVideo() const;  // by codec: ".h264", ".vc1", ".m2v"
  std::string Video() const;        // the copied video, else ".mkv"
  std::string Audio() const;
  std::string Subtitle() const;     // ".srt" or ".sup"

  std::string Encoded() const { return Named(".264"); }
  std::string Stats() const { return Named(".stats"); }
  std::string Index() const { return Named(".index"); }
  std::string DemuxLog() const { return Named(".eac3to_log.txt"); }
  std::string LeftView() const { return Named(".left.h264"); }
  std::string RightView() const { return Named(".right.h264"); }
  std::string DecoderConfig() const { return Stem("config", ".cfg"); }
  std::string Script() const { return Stem("script", ".avs"); }
  std::string MuxControl() const { return Stem("temp", ".meta"); }

 private:
  const Job& job_;
  std::string folder_;
  std::string tag_;
};

bool FileExists(const std::string& path);
// A file of at least one byte. The muxers leave out a subtitle file that
// is empty (a film without forced captions): they cannot read one.
bool FileHasContent(const std::string& path);
// Removes a file when it exists; one that cannot be removed stays.
void RemoveFile(const std::string& path);
