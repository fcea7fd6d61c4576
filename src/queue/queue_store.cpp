#include "queue/queue_store.h"

#include <cstring>
#include <string>
#include <vector>

#include "queue/stored_job.h"
#include "shell/app.h"

namespace {

using platform::kQuandrellKey;

std::string ValueName(int slot) { return "Job_" + std::to_string(slot); }

// Finished and cancelled jobs are never kept: they vanish at the next start.
bool IsStoredState(int32_t state) { return state != JobFree && !IsCompletedState(state); }

// A value that cannot be read, or is longer than a record, gives a free
// slot; a shorter one fills only the start of it.
Job ReadJob(platform::RegistryStore& store, int slot) {
  Job job{};
  std::vector<uint8_t> bytes;
  if (store.Read(kQuandrellKey, ValueName(slot), sizeof(Job), bytes) != platform::ReadStatus::Ok)
    return job;
  std::memcpy(&job, bytes.data(), bytes.size());
  NormaliseStoredJob(job);
  return job;
}

// The pipeline thread may change the running job's state meanwhile: the
// state word is read whole, the rest as it is now.
Job Snapshot(const Job& job) {
  Job copy;
  copy.state = LoadState(job);
  constexpr size_t kRest = sizeof(Job) - sizeof(Job::state);
  std::memcpy(reinterpret_cast<char*>(&copy) + sizeof(Job::state),
              reinterpret_cast<const char*>(&job) + sizeof(Job::state), kRest);
  return copy;
}

}  // namespace

// One transaction: a crash never leaves half a queue behind.
void SaveQueue(App& app) {
  platform::RegistryStore::Transaction transaction(app.store);
  for (int slot = 0; slot < kQueueSlots; ++slot) {
    const Job copy = Snapshot(app.queue[slot]);
    if (IsStoredState(copy.state))
      app.store.Write(kQuandrellKey, ValueName(slot), platform::REG_BINARY, &copy, sizeof(Job));
    else
      app.store.Delete(kQuandrellKey, ValueName(slot));
  }
  transaction.Commit();
}

void LoadQueue(App& app) {
  if (!app.store.Available() || !app.store.KeyExists(kQuandrellKey)) return;
  for (int slot = 0; slot < kQueueSlots; ++slot) app.queue[slot] = ReadJob(app.store, slot);
}
