#pragma once
// The AVCHD muxing step: tsMuxeR builds the AVCHD folder from the control
// file; subtitles meant to show by default get the replacement movie object.

#include <string>
#include <vector>

struct JobRun;

// What of the output folder a tsMuxeR run may take back when it fails:
// the folder itself when the run created it, else the entries it added.
// The folder is the user's choice and may hold their own files.
class MuxOutputGuard {
 public:
  explicit MuxOutputGuard(const std::string& outputFolder);
  // Removes what the run created, never anything that was there before.
  void RemoveCreated() const;

 private:
  std::string folder_;
  bool folderExisted_;
  std::vector<std::string> newEntries_;
};

// Runs tsMuxeR for an AVCHD job; false when the run must end.
bool RunTsMuxerStep(JobRun& run);
