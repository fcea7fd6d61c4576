#include <chrono>

#include "ui/memory/memory_toolkit.h"

namespace ui::memory {

namespace {

using Lock = std::unique_lock<std::recursive_mutex>;

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int MemoryToolkit::FireCtrlEvent(int panel, int control, int event, int eventData1, int eventData2) {
  CtrlCallback callback;
  {
    Lock lock(mutex_);
    CtrlState& c = Ctrl(panel, control);
    if (!c.def || c.def->callback.empty()) return 0;
    auto it = callbacks_.controls.find(c.def->callback);
    if (it == callbacks_.controls.end()) return 0;
    callback = it->second;
  }
  return callback(panel, control, event, nullptr, eventData1, eventData2);
}

int MemoryToolkit::SetAndCommit(int panel, int control, const Value& value) {
  SetCtrlVal(panel, control, value);
  return FireCtrlEvent(panel, control, EVENT_COMMIT);
}

void MemoryToolkit::FireMenuItem(int menuBar, int item) {
  MenuCallback callback;
  int panel = 0;
  {
    Lock lock(mutex_);
    auto bar = menuBars_.find(menuBar);
    if (bar == menuBars_.end()) return;
    const MenuItemDef* def = bar->second.def->FindItem(item);
    if (!def || def->callback.empty()) return;
    auto it = callbacks_.menus.find(def->callback);
    if (it == callbacks_.menus.end()) return;
    callback = it->second;
    panel = bar->second.panel;
  }
  callback(menuBar, item, nullptr, panel);
}

void MemoryToolkit::FireTimer(int timer) {
  std::function<void()> tick;
  {
    Lock lock(mutex_);
    auto it = timers_.find(timer);
    if (it == timers_.end()) return;
    tick = it->second.tick;
  }
  tick();
}

void MemoryToolkit::TickTimerControls() {
  std::vector<std::pair<int, int>> enabled;
  {
    Lock lock(mutex_);
    for (const auto& [key, due] : controlTimersDue_) enabled.push_back(key);
  }
  for (auto [panel, control] : enabled) FireCtrlEvent(panel, control, EVENT_TIMER_TICK);
}

int MemoryToolkit::RunDeferredCalls() {
  int ran = 0;
  for (;;) {
    std::function<void()> work;
    {
      Lock lock(mutex_);
      if (deferred_.empty()) return ran;
      work = std::move(deferred_.front());
      deferred_.pop_front();
    }
    work();
    ++ran;
  }
}

int MemoryToolkit::NewTimer(double intervalSeconds, std::function<void()> tick) {
  Lock lock(mutex_);
  int id = nextTimer_++;
  timers_[id] = {intervalSeconds, std::move(tick), Now() + intervalSeconds};
  wake_.notify_all();
  return id;
}

void MemoryToolkit::DiscardTimer(int timer) {
  Lock lock(mutex_);
  timers_.erase(timer);
}

void MemoryToolkit::PostDeferredCall(std::function<void()> work) {
  Lock lock(mutex_);
  deferred_.push_back(std::move(work));
  wake_.notify_all();
}

void MemoryToolkit::QuitUserInterface(int code) {
  Lock lock(mutex_);
  quit_ = true;
  quitCode_ = code;
  wake_.notify_all();
}

bool MemoryToolkit::QuitRequested() const {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  return quit_;
}

double MemoryToolkit::NextDue() const {
  double next = Now() + 0.5;
  for (const auto& [id, t] : timers_) next = std::min(next, t.due);
  for (const auto& [key, due] : controlTimersDue_) next = std::min(next, due);
  return next;
}

void MemoryToolkit::RunDueTimers(double now) {
  std::vector<int> dueTimers;
  std::vector<std::pair<int, int>> dueControls;
  {
    Lock lock(mutex_);
    for (auto& [id, t] : timers_)
      if (t.due <= now) {
        dueTimers.push_back(id);
        t.due = now + t.interval;
      }
    for (auto& [key, due] : controlTimersDue_)
      if (due <= now) {
        dueControls.push_back(key);
        due = now + AsDouble(GetCtrlAttribute(key.first, key.second, ATTR_INTERVAL));
      }
  }
  for (int id : dueTimers) FireTimer(id);
  for (auto [panel, control] : dueControls) FireCtrlEvent(panel, control, EVENT_TIMER_TICK);
}

// A headless run's event loop: posted calls and timers, on the calling thread.
int MemoryToolkit::RunUserInterface() {
  for (;;) {
    RunDeferredCalls();
    RunDueTimers(Now());
    Lock lock(mutex_);
    if (quit_) {
      quit_ = false;
      return quitCode_;
    }
    if (!deferred_.empty()) continue;
    double wait = NextDue() - Now();
    if (wait > 0) wake_.wait_for(lock, std::chrono::duration<double>(wait));
  }
}

}  // namespace ui::memory
