#include "platform/spawn_defaults.h"

#include <signal.h>

namespace platform {

SpawnDefaults::SpawnDefaults() {
  posix_spawnattr_init(&attributes_);
  sigset_t none, every;
  sigemptyset(&none);
  sigfillset(&every);
  posix_spawnattr_setsigmask(&attributes_, &none);
  posix_spawnattr_setsigdefault(&attributes_, &every);
  posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

SpawnDefaults::~SpawnDefaults() { posix_spawnattr_destroy(&attributes_); }

}  // namespace platform
