#include "platform/taskbar_progress.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <atomic>
#include <cstdlib>

namespace platform {

namespace {

constexpr const char* kObjectPath = "/com/canonical/unity/launcherentry/quandrell";
constexpr const char* kInterface = "com.canonical.Unity.LauncherEntry";
constexpr const char* kAppUri = "application://quandrell.desktop";

class LauncherEntryProgress : public TaskbarProgress {
 public:
  void SetState(TaskbarState state) override {
    state_ = state;
    // Indeterminate has no form of its own in the launcher entry: an
    // empty bar says that work has begun.
    if (state == TaskbarState::Indeterminate) value_ = 0.0;
    Send();
  }
  void SetValue(int done, int total) override {
    value_ = total > 0 ? static_cast<double>(done) / total : 0.0;
    Send();
  }

 private:
  void Send() {
    // Qt's bus needs the application object; a session without a bus has
    // no launcher to show progress on.
    if (!QCoreApplication::instance() || !std::getenv("DBUS_SESSION_BUS_ADDRESS")) return;
    QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, kInterface, "Update");
    QVariantMap properties;
    properties["progress-visible"] = state_ != TaskbarState::NoProgress;
    properties["progress"] = value_.load();
    signal << QString(kAppUri) << properties;
    QDBusConnection::sessionBus().send(signal);
  }

  std::atomic<TaskbarState> state_{TaskbarState::NoProgress};
  std::atomic<double> value_{0.0};
};

}  // namespace

std::unique_ptr<TaskbarProgress> MakeTaskbarProgress() { return std::make_unique<LauncherEntryProgress>(); }

}  // namespace platform
