#pragma once
// The version check's thread, as the App holds it. The check may still be
// waiting on the network when the program ends, so the thread owns all it
// works with and reaches the App only through a call it posts to the
// user-interface thread; once stopped, that call finds no App and does
// nothing, and the App waits for the thread no longer than a short bound.

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

struct App;

class VersionCheckThread {
 public:
  // What the finished work leaves to do with the App on the user-interface
  // thread; empty: nothing.
  using Outcome = std::function<void(App&)>;
  // How long the end of the program waits for a check still running.
  static constexpr std::chrono::milliseconds kStopBound{1000};

  VersionCheckThread() = default;
  VersionCheckThread(const VersionCheckThread&) = delete;
  VersionCheckThread& operator=(const VersionCheckThread&) = delete;
  ~VersionCheckThread();

  // Runs `work` on a thread of its own, once per thread object; a second
  // start does nothing.
  void Start(App& app, std::function<Outcome()> work);
  // Waits at most `bound` for the work to end; true when it has ended, never
  // started or was left to end alone. An outcome is then waiting on the
  // user-interface thread.
  bool Wait(std::chrono::milliseconds bound);
  // Forgets the App (a posted outcome that has not run yet is dropped),
  // waits at most `bound` and leaves a thread still running to end alone.
  // Call it on the user-interface thread.
  void Stop(std::chrono::milliseconds bound = kStopBound);

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
};
