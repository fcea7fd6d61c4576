#include "engine/pipeline.h"

// Filled by the engine work.
void ArmPipeline(App&) {}
void JoinPipeline(App&) {}
