#include "harness/sample_jobs.h"

#include "platform/fixed_text.h"

namespace test {

using platform::CopyFixed;

Job Bd25Job(const std::string& name, const std::string& sourceFile, const std::string& outputPath) {
  Job job{};
  job.state = JobPending;
  job.videoBitrate = 18000;
  job.media = 3;
  job.frameCount = 1000;
  job.audioStreamTrack = 4352;
  job.audioTrackNo = 2;
  job.subTrackNo = 3;
  job.videoWidth = 1920;
  job.videoHeight = 1080;
  job.subStreamTrack = 4608;
  job.videoStreamTrack = 4113;
  job.videoTrackNo = 1;
  CopyFixed(job.videoCodec, "AVC");
  CopyFixed(job.name, name);
  CopyFixed(job.sourceFile, sourceFile);
  CopyFixed(job.outputPath, outputPath);
  CopyFixed(job.fpsRational, "24000/1001");
  CopyFixed(job.fpsDecimal, "23.976");
  CopyFixed(job.audioCodecId, "A_AC3");
  CopyFixed(job.audioLang, "eng");
  CopyFixed(job.subCodecId, "S_HDMV/PGS");
  CopyFixed(job.subLang, "spa");
  CopyFixed(job.x264Preset, "medium");
  CopyFixed(job.x264Tune, "film");
  CopyFixed(job.mediaLabel, "BD-25");
  return job;
}

Job MkvCrfJob(const std::string& name, const std::string& sourceFile, const std::string& outputPath) {
  Job job = Bd25Job(name, sourceFile, outputPath);
  job.media = 6;
  job.videoBitrate = 20;
  job.audioTarget = 2;
  job.subMode = 0;
  CopyFixed(job.mediaLabel, "MKV");
  return job;
}

Job MkvRemuxJob(const std::string& name, const std::string& sourceFile, const std::string& outputPath) {
  Job job = MkvCrfJob(name, sourceFile, outputPath);
  job.videoBitrate = 1;
  job.videoCopy = 1;
  job.audioTarget = 0;
  CopyFixed(job.mediaLabel, "MKV Remux");
  return job;
}

Job ForcedSubtitleJob(const std::string& name, const std::string& sourceFile, const std::string& outputPath) {
  Job job = Bd25Job(name, sourceFile, outputPath);
  job.subMode = 3;
  return job;
}

}  // namespace test
