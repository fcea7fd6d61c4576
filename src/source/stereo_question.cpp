#include "source/stereo_question.h"

#include "platform/fixed_text.h"
#include "planning/planner.h"
#include "shell/app.h"
#include "source/output_naming.h"
#include "source/source_paths.h"
#include "source/text_search.h"

namespace {

constexpr const char* kStereoQuestion =
    "This Blu-Ray contain 2D and 3D versions. Select the type of conversion\n"
    "you want to do:\n"
    "\n"
    "*************************** VERY IMPORTANT ****************************\n"
    "   · For the 3D version you must have installed AviSynt v2.5.8+ (32-bit)\n"
    "     and .NET Framework 4.0\n"
    "   · If you choose the 2D version nothing extra is necessary.\n"
    "   · [3D SBS rev.] -> left-right reversed order.\n"
    "****************************************************************************";

// The name part of the AVCHD folder decides: an output folder whose own
// parent names "3d" must not keep a 3D film from being marked.
bool NameSays3d(const std::string& folderPath) {
  return ContainsNoCase(std::string_view(folderPath).substr(folderPath.rfind('/') + 1), "3d");
}

void MarkOutputs3d(SourceInfo& source) {
  const std::string folder = platform::FixedText(source.outputFolderPath);
  if (NameSays3d(folder)) return;
  CopyWithSuffix(source.outputFolderPath, folder, " 3D");
  const std::string mkv = platform::FixedText(source.outputMkvPath);
  CopyWithSuffix(source.outputMkvPath, mkv.substr(0, RFindNoCase(mkv, ".mkv")), " 3D.mkv");
}

}  // namespace

void AskStereoMode(App& app) {
  const int answer =
      app.ui.GenericMessagePopup(kStereoQuestionTitle, kStereoQuestion, "2D", "3D SBS", "3D SBS rev.", 1, 1);
  if (answer != 2 && answer != 3) return;
  app.source.stereoMode = answer == 2 ? 1 : 2;
  MarkOutputs3d(app.source);
  ShowOutputPath(app);
  PlanVideoBitrate(app, MkvMediaChosen(app) ? 1 : 0);
}
