#include "planning/target_callbacks.h"

#include "ui/no_op.h"

// Bound to nothing until the feature is built.
void BindTargetCallbacks(App&, ui::CallbackTable& table) {
  table.Bind("CallSourceAudio", ui::NoOpControl());
  table.Bind("CallSourceSubt", ui::NoOpControl());
  table.Bind("CallAudio", ui::NoOpControl());
  table.Bind("CallSubt", ui::NoOpControl());
  table.Bind("CallMedia", ui::NoOpControl());
  table.Bind("CallBitrate", ui::NoOpControl());
}
