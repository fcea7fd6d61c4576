#pragma once

struct App;

// Shows the information page of the product's web server in the banner
// area; with no server configured it does nothing. Runs on the
// user-interface thread (start-up and the 30-minute banner timer).
void RefreshBanner(App& app);
