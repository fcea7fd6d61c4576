// A stored queue value of any bytes, read as the queue reads it and then
// shown as the queue shows it.
#include <cstring>

#include "fuzz_input.h"
#include "queue/job_lines.h"
#include "queue/stored_job.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > sizeof(Job)) return -1;  // a longer value is refused before it is read
  Job job{};
  if (size) std::memcpy(&job, data, size);
  NormaliseStoredJob(job);
  if (LoadState(job) == JobFree) return 0;
  JobLine(job);
  DetailLines(job);
  return 0;
}
