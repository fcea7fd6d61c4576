#include "engine/temp_files.h"

// Filled by the engine work.
void BorraTemporals(App&, int, int) {}
