#include "engine/temp_files.h"

#include <string>
#include <vector>

#include "engine/job_conditions.h"
#include "engine/job_files.h"
#include "platform/fixed_text.h"
#include "shell/app.h"

namespace {

// The files in the order the groups name them; a name may come twice.
std::vector<std::string> TemporaryFiles(const Job& job, const JobFiles& f) {
  std::vector<std::string> files;
  if (Is3d(job)) files.insert(files.end(), {f.LeftView(), f.RightView(), f.Script(), f.DecoderConfig()});
  if (ExtractsVideo(job)) files.push_back(f.Video());
  if (ExtractsAudio(job)) files.push_back(f.Audio());
  if (ExtractsSubtitle(job)) {
    files.push_back(f.Subtitle());
    if (job.subMode == 3 && !Is3d(job)) files.push_back(f.Named(".forced.sup"));
    if (job.resize720 == 2) files.push_back(f.Named(".resized.sup"));
  }
  if (IsMkvJob(job)) {
    files.push_back(f.Named(".chapters.txt"));
    if ((job.resize720 || job.cropHeight) && IsPgsSubtitle(job)) files.push_back(f.Named(".resized.sup"));
  }
  if (NeedsDemux(job)) files.push_back(f.DemuxLog());
  files.insert(files.end(), {f.Encoded(), f.Index()});
  if (!IsMkvJob(job)) {
    const std::string stats = f.Stats();
    files.insert(files.end(), {stats, stats + ".mbtree", stats + ".mbtree.temp", stats + ".temp", f.MuxControl()});
  }
  return files;
}

}  // namespace

void BorraTemporals(App& app, int slot, int force) {
  if (slot < 0 || slot >= kQueueSlots) return;
  if (!force && app.switches.debugMode) return;
  const Job& job = app.queue[slot];
  const JobFiles files(platform::FixedText(app.settings.TempPath), job, slot);
  for (const std::string& path : TemporaryFiles(job, files)) RemoveFile(path);
}
