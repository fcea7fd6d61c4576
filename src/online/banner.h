#pragma once

struct App;

// Shows the information page of the product's web server in the banner area.
void RefreshBanner(App& app);
