#include "online/banner.h"

// Filled by the online-services work.
void RefreshBanner(App&) {}
