#pragma once
// Spawn attributes that start a program with the default signal mask and
// dispositions. The program blocks its session signals in every thread,
// and posix_spawn passes that mask on: without these, an opened viewer
// or a sound player could not be ended by SIGTERM.

#include <spawn.h>

namespace platform {

class SpawnDefaults {
 public:
  SpawnDefaults();
  ~SpawnDefaults();
  SpawnDefaults(const SpawnDefaults&) = delete;
  SpawnDefaults& operator=(const SpawnDefaults&) = delete;
  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

}  // namespace platform
