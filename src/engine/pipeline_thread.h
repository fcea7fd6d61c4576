#pragma once
// The thread a job's conversion runs on: a one-shot timer whose callback
// runs on a thread of its own. Arming it again from inside a run (the next
// job) queues one more run after the current one.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class PipelineThread {
 public:
  PipelineThread() = default;
  ~PipelineThread();
  PipelineThread(const PipelineThread&) = delete;
  PipelineThread& operator=(const PipelineThread&) = delete;

  // Runs `run` once after `delay` on the pipeline thread; replaces a run
  // that is armed and not yet started.
  void Arm(std::chrono::milliseconds delay, std::function<void()> run);
  // Waits until nothing is armed or running; false when `timeout` passed.
  bool WaitIdle(std::chrono::milliseconds timeout);
  // Lets the current run end, drops an armed one, and ends the thread.
  void Join();

 private:
  void Loop();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::thread thread_;
  std::function<void()> armed_;
  std::chrono::steady_clock::time_point due_;
  bool running_ = false;
  bool quit_ = false;
};
