#pragma once
// The title-naming items of the Options menu and the naming modes 0 to 5
// they stand for.

// The menu item of a naming mode, or 0 for a mode outside 0 to 5.
int ScrapeMenuItem(int mode);
// The naming mode of a menu item, or -1 for another item.
int ScrapeModeOfItem(int item);
