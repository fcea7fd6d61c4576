#include "queue/queue_store.h"

#include <cstring>
#include <string>
#include <vector>

#include "queue/stored_job.h"
#include "shell/app.h"
#include "shell/store_errors.h"

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

}  // namespace

Job SnapshotJob(const App& app, int slot) {
  const Job& job = app.queue[slot];
  Job copy;
  std::lock_guard<std::mutex> lock(app.records);
  copy.state = LoadState(job);
  constexpr size_t kRest = sizeof(Job) - sizeof(Job::state);
  std::memcpy(reinterpret_cast<char*>(&copy) + sizeof(Job::state),
              reinterpret_cast<const char*>(&job) + sizeof(Job::state), kRest);
  return copy;
}

// One transaction: a crash never leaves half a queue behind, and a
// transaction that cannot begin writes nothing.
bool StoreQueue(App& app) {
  if (!app.store.Available()) return true;
  platform::RegistryStore::Transaction transaction(app.store);
  bool ok = transaction.Ok();
  for (int slot = 0; ok && slot < kQueueSlots; ++slot) {
    const Job copy = SnapshotJob(app, slot);
    ok = IsStoredState(copy.state)
             ? app.store.Write(kQuandrellKey, ValueName(slot), platform::REG_BINARY, &copy, sizeof(Job))
             : app.store.Delete(kQuandrellKey, ValueName(slot));
  }
  return ok && transaction.Commit();
}

bool SaveQueue(App& app) {
  if (StoreQueue(app)) return true;
  TellStoreFailure(app, "The queue could not be saved. It stays as shown until Quandrell ends; the next start "
                        "shows the queue last saved.");
  return false;
}

void LoadQueue(App& app) {
  if (!app.store.Available() || !app.store.KeyExists(kQuandrellKey)) return;
  for (int slot = 0; slot < kQueueSlots; ++slot) app.queue[slot] = ReadJob(app.store, slot);
}
