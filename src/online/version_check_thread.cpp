#include "online/version_check_thread.h"

#include <condition_variable>
#include <mutex>

#include "shell/app.h"

struct VersionCheckThread::Shared {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  App* app = nullptr;  // null once stopped

  App* CurrentApp() {
    std::lock_guard<std::mutex> lock(mutex);
    return app;
  }

  void Finish(Outcome outcome, const std::shared_ptr<Shared>& self) {
    std::lock_guard<std::mutex> lock(mutex);
    // Posted under the lock, so that Stop cannot slip between the look at
    // the App and the use of its toolkit.
    if (outcome && app)
      app->ui.PostDeferredCall([self, outcome] {
        if (App* current = self->CurrentApp()) outcome(*current);
      });
    done = true;
    ended.notify_all();
  }
};

VersionCheckThread::~VersionCheckThread() { Stop(); }

void VersionCheckThread::Start(App& app, std::function<Outcome()> work) {
  if (shared_) return;
  shared_ = std::make_shared<Shared>();
  shared_->app = &app;
  thread_ = std::thread([shared = shared_, work = std::move(work)] { shared->Finish(work(), shared); });
}

bool VersionCheckThread::Wait(std::chrono::milliseconds bound) {
  if (!thread_.joinable()) return true;
  std::unique_lock<std::mutex> lock(shared_->mutex);
  if (!shared_->ended.wait_for(lock, bound, [this] { return shared_->done; })) return false;
  lock.unlock();
  thread_.join();
  return true;
}

void VersionCheckThread::Stop(std::chrono::milliseconds bound) {
  if (!shared_) return;
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->app = nullptr;
  }
  if (!Wait(bound) && thread_.joinable()) thread_.detach();
}
