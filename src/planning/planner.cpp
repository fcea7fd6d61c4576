#include "planning/planner.h"

// Empty until the planner is built.
void PlanVideoBitrate(App&, int) {}
