#pragma once
// The end of the user's session reaches a program as signals (SIGTERM,
// SIGHUP; SIGINT from a terminal). They are taken on a thread of their own
// and handed to a callback, never handled inside a signal handler.

#include <atomic>
#include <functional>
#include <initializer_list>
#include <thread>

namespace platform {

// Blocks the signals in the calling thread and every thread it starts
// later; call it first thing in main().
void BlockSessionSignals(std::initializer_list<int> which);

class SessionSignals {
 public:
  SessionSignals() = default;
  ~SessionSignals() { Stop(); }
  SessionSignals(const SessionSignals&) = delete;
  SessionSignals& operator=(const SessionSignals&) = delete;

  // Calls `onSignal` with each signal of the set that arrives.
  void Start(std::initializer_list<int> which, std::function<void(int)> onSignal);
  // Returns once the waiting thread has ended: at once, not at its next
  // wait's timeout, so a program that is done exits without a pause.
  void Stop();

 private:
  std::atomic<bool> stopping_{false};
  int wakeSignal_ = 0;  // one of the set, sent to the waiter to end its wait
  std::thread waiter_;
};

}  // namespace platform
