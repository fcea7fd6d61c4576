#include "online/version_check.h"

// Filled by the online-services work.
void StartVersionCheck(App&) {}
