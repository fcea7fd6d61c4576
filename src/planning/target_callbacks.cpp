#include "planning/target_callbacks.h"

#include "planning/planner.h"
#include "planning/target_lists.h"
#include "shell/app.h"
#include "shell/callback_adapters.h"
#include "source/output_naming.h"

namespace {

// For the MKV targets the box holds the user's CRF, which stays.
void Replan(App& app) { PlanVideoBitrate(app, MkvMediaChosen(app) ? 1 : 0); }

void SourceAudioChanged(App& app) {
  FillAudioTargets(app);
  Replan(app);
}

void SourceSubtitleChanged(App& app) {
  FillSubtitleTargets(app);
  Replan(app);
}

void MediaChanged(App& app) {
  FillMediaList(app, 1);
  FillAudioTargets(app);
  PlanVideoBitrate(app, 0);
}

// A typed CRF renews the advice; a typed disc bitrate is the user's own.
void BitrateTyped(App& app) {
  if (MkvMediaChosen(app)) PlanVideoBitrate(app, 1);
}

}  // namespace

void BindTargetCallbacks(App& app, ui::CallbackTable& table) {
  using callbacks::On;
  table.Bind("CallSourceAudio", On(app, SourceAudioChanged));
  table.Bind("CallSourceSubt", On(app, SourceSubtitleChanged));
  table.Bind("CallAudio", On(app, Replan));
  table.Bind("CallSubt", On(app, Replan));
  table.Bind("CallMedia", On(app, MediaChanged));
  table.Bind("CallBitrate", On(app, BitrateTyped, ui::EVENT_VAL_CHANGED));
}
