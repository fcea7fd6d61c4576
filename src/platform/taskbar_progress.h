#pragma once
// Progress on the program's launcher or taskbar button. On Linux desktops
// that show it (Unity, KDE Plasma, Dash to Dock) this is the
// com.canonical.Unity.LauncherEntry signal on the session bus; where no
// session bus exists nothing is shown and nothing fails.

#include <memory>

namespace platform {

enum class TaskbarState { NoProgress, Indeterminate, Normal };

class TaskbarProgress {
 public:
  virtual ~TaskbarProgress() = default;
  virtual void SetState(TaskbarState state) = 0;
  // done out of total; shown when the state is Normal.
  virtual void SetValue(int done, int total) = 0;
};

std::unique_ptr<TaskbarProgress> MakeTaskbarProgress();

}  // namespace platform
