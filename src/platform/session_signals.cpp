#include "platform/session_signals.h"

#include <signal.h>

#include <ctime>

namespace platform {

namespace {

sigset_t SetOf(std::initializer_list<int> which) {
  sigset_t set;
  sigemptyset(&set);
  for (int s : which) sigaddset(&set, s);
  return set;
}

}  // namespace

void BlockSessionSignals(std::initializer_list<int> which) {
  sigset_t set = SetOf(which);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void SessionSignals::Start(std::initializer_list<int> which, std::function<void(int)> onSignal) {
  Stop();
  stopping_ = false;
  wakeSignal_ = which.size() > 0 ? *which.begin() : 0;
  sigset_t set = SetOf(which);
  // The waiter is born with the set blocked, so the wake-up sent to it by
  // Stop is always taken by its wait, never by the signal's default action.
  sigset_t callers;
  pthread_sigmask(SIG_BLOCK, &set, &callers);
  waiter_ = std::thread([this, set, onSignal = std::move(onSignal)] {
    const timespec step{0, 200 * 1000 * 1000};
    while (!stopping_) {
      int signal = sigtimedwait(&set, nullptr, &step);
      if (signal > 0 && !stopping_) onSignal(signal);
    }
  });
  pthread_sigmask(SIG_SETMASK, &callers, nullptr);
}

void SessionSignals::Stop() {
  stopping_ = true;
  if (!waiter_.joinable()) return;
  if (wakeSignal_ != 0) pthread_kill(waiter_.native_handle(), wakeSignal_);
  waiter_.join();
}

}  // namespace platform
