#include "engine/pipeline_thread.h"

PipelineThread::~PipelineThread() { Join(); }

void PipelineThread::Arm(std::chrono::milliseconds delay, std::function<void()> run) {
  std::unique_lock<std::mutex> lock(mutex_);
  armed_ = std::move(run);
  due_ = std::chrono::steady_clock::now() + delay;
  if (!thread_.joinable()) {
    quit_ = false;
    thread_ = std::thread(&PipelineThread::Loop, this);
  }
  wake_.notify_all();
}

bool PipelineThread::WaitIdle(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return wake_.wait_for(lock, timeout, [this] { return !armed_ && !running_; });
}

void PipelineThread::Join() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!thread_.joinable()) return;
    quit_ = true;
    wake_.notify_all();
  }
  // A run that is the caller itself cannot be waited for.
  if (thread_.get_id() == std::this_thread::get_id()) return thread_.detach();
  thread_.join();
  std::unique_lock<std::mutex> lock(mutex_);
  armed_ = nullptr;
  wake_.notify_all();
}

void PipelineThread::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return quit_ || armed_; });
    if (quit_) return;
    if (wake_.wait_until(lock, due_, [this] { return quit_ || !armed_; })) {
      if (quit_) return;
      continue;
    }
    std::function<void()> run = std::move(armed_);
    armed_ = nullptr;
    running_ = true;
    lock.unlock();
    run();
    lock.lock();
    running_ = false;
    wake_.notify_all();
  }
}
