#include "shell/scrape_menu.h"

#include "uir_ids.h"

namespace {

// Indexed by naming mode.
constexpr int kItems[] = {MENUBAR_OPTIONS_SCRAPE_SCRAPE_6, MENUBAR_OPTIONS_SCRAPE_SCRAPE_1,
                          MENUBAR_OPTIONS_SCRAPE_SCRAPE_2, MENUBAR_OPTIONS_SCRAPE_SCRAPE_3,
                          MENUBAR_OPTIONS_SCRAPE_SCRAPE_4, MENUBAR_OPTIONS_SCRAPE_SCRAPE_5};
constexpr int kModes = sizeof kItems / sizeof kItems[0];

}  // namespace

int ScrapeMenuItem(int mode) { return mode >= 0 && mode < kModes ? kItems[mode] : 0; }

int ScrapeModeOfItem(int item) {
  for (int mode = 0; mode < kModes; ++mode)
    if (kItems[mode] == item) return mode;
  return -1;
}
