#pragma once
// Jobs of the kinds a user queues, as "Add to Queue" leaves them.

#include <string>

#include "queue/job.h"

namespace test {

// A 2D AVCHD job for BD-25 from a single .m2ts: two x264 passes, then tsMuxeR.
Job Bd25Job(const std::string& name, const std::string& sourceFile, const std::string& outputPath);
// MKV at CRF 20 with the audio recoded to FLAC: demux, x264 CRF, mkvmerge.
Job MkvCrfJob(const std::string& name, const std::string& sourceFile, const std::string& outputPath);
// MKV with the video copied: demux, mkvmerge.
Job MkvRemuxJob(const std::string& name, const std::string& sourceFile, const std::string& outputPath);
// BD-25 keeping only the forced captions of a PGS track.
Job ForcedSubtitleJob(const std::string& name, const std::string& sourceFile, const std::string& outputPath);

}  // namespace test
