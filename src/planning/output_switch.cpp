#include "planning/output_switch.h"

#include <string>

#include "planning/media_index.h"
#include "platform/fixed_text.h"
#include "shell/app.h"
#include "source/text_search.h"
#include "uir_ids.h"

namespace {

// A typed path too long for the source record stays in the box as it is,
// so that adding the job names the problem instead of cutting the path.
template <size_t N>
void KeepAndShow(App& app, char (&typedKind)[N], const std::string& typed, const std::string& shown) {
  if (!platform::FitsFixed(N, typed)) return;
  platform::CopyFixed(typedKind, typed);
  app.ui.SetCtrlVal(app.mainPanel, PANEL_OUT, shown);
}

}  // namespace

void SwitchOutputPath(App& app, int media) {
  SourceInfo& source = app.source;
  const std::string typed = ui::AsText(app.ui.GetCtrlVal(app.mainPanel, PANEL_OUT));
  const bool namesMkv = ContainsNoCase(typed, ".mkv");
  if (IsMkvMedia(media) && !namesMkv) KeepAndShow(app, source.outputFolderPath, typed, platform::FixedText(source.outputMkvPath));
  if (!IsMkvMedia(media) && namesMkv) KeepAndShow(app, source.outputMkvPath, typed, platform::FixedText(source.outputFolderPath));
}
