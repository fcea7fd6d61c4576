#include "planning/target_lists.h"

// Empty until the target lists are built.
void FillMediaList(App&, int) {}
void FillAudioTargets(App&) {}
void FillSubtitleTargets(App&) {}
